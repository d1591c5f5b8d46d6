// Earlier drawings read back from the archive, and what an archive says of how it was drawn.

#include "files/past_drawings.h"

#include <algorithm>
#include <array>

#include "files/history.h"
#include "files_fixture.h"

namespace files_test {
namespace {

class PastDrawingsTest : public FilesFixture {
 protected:
  // An archive as the program writes it: exclusions, name, address, receiver's name, notes.
  void Archive(const std::string& stamp, const std::vector<std::array<std::string, 3>> rows) {
    std::string text;
    for (const auto& [name, email, receiver] : rows)
      text += "\"\",\"" + name + "\",\"" + email + "\",\"" + receiver + "\",\"\"\r\n";
    File(fs::path("History") / (stamp + ".hmr"), text);
  }
};

TEST_F(PastDrawingsTest, NewestArchivesComeFirstWithAddressesOfBothSides) {
  Archive("20241224-1800", {{"Ann", "ann@x.org", "Bo"}, {"Bo", "bo@x.org", "Ann"}});
  Archive("20251224-1800",
          {{"Ann", "ann@x.org", "Cy"}, {"Bo", "bo@x.org", "Ann"}, {"Cy", "", "Bo"}});
  Archive("20231224-1800", {{"Ann", "ann@x.org", "Bo"}, {"Bo", "bo@x.org", "Ann"}});
  // Two more drawings in one minute: the later one carries the higher number.
  Archive("20221224-1800_10", {{"Ann", "ann@x.org", "Bo"}, {"Bo", "bo@x.org", "Ann"}});
  Archive("20221224-1800_2", {{"Ann", "ann@x.org", "Bo"}, {"Bo", "bo@x.org", "Ann"}});
  Archive("20261201-0900", {{"Ann", "ann@x.org", ""}, {"Bo", "bo@x.org", ""}});  // no results
  File("History/20261201-0900.htm", "<html></html>");

  const auto past = files::ReadPastDrawings(dir_.path() / "History", 2);
  ASSERT_EQ(past.size(), 2u);
  EXPECT_EQ(past[0].label, "20251224-1800");
  EXPECT_EQ(past[1].label, "20241224-1800");
  ASSERT_EQ(past[0].pairs.size(), 3u);
  EXPECT_EQ(past[0].pairs[0].first.email, "ann@x.org");
  EXPECT_EQ(past[0].pairs[0].second.name, "Cy");
  EXPECT_EQ(past[0].pairs[1].second.email, "ann@x.org");  // the receiver's own address
  const auto all = files::ReadPastDrawings(dir_.path() / "History", 5);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[3].label, "20221224-1800_10");
  EXPECT_EQ(all[4].label, "20221224-1800_2");
  EXPECT_TRUE(files::ReadPastDrawings(dir_.path() / "Nowhere", 5).empty());
}

TEST_F(PastDrawingsTest, AChangedDrawingCountsOnceWithItsNewestPairs) {
  Archive("20241224-1800", {{"Ann", "ann@x.org", "Bo"}, {"Bo", "bo@x.org", "Ann"}});
  Archive("20251224-1800", {{"Ann", "ann@x.org", "Bo"}, {"Bo", "bo@x.org", "Ann"}});
  // Cy joined after the drawing was sent, then Di.
  Archive("20251224-1800-v2",
          {{"Ann", "ann@x.org", "Cy"}, {"Bo", "bo@x.org", "Ann"}, {"Cy", "cy@x.org", "Bo"}});
  Archive("20251224-1800-v3", {{"Ann", "ann@x.org", "Cy"},
                               {"Bo", "bo@x.org", "Di"},
                               {"Cy", "cy@x.org", "Bo"},
                               {"Di", "di@x.org", "Ann"}});
  const auto past = files::ReadPastDrawings(dir_.path() / "History", 5);
  ASSERT_EQ(past.size(), 2u);
  EXPECT_EQ(past[0].label, "20251224-1800");
  ASSERT_EQ(past[0].pairs.size(), 4u);
  EXPECT_EQ(past[0].pairs[1].second.name, "Di");
  EXPECT_EQ(past[1].label, "20241224-1800");
}

TEST_F(PastDrawingsTest, AnArchivedDrawingIsAvoidedNextTimeAndItsLogSaysHowItWasDrawn) {
  Add("Ann");
  Add("Bo");
  Add("Cy");
  Add("Di");
  roster_.SetRandom(std::make_unique<roster::Xoshiro256>(3));
  roster::DrawingChoices loop;
  loop.rules.single_loop = true;
  roster_.SetDrawingChoices(loop);
  ASSERT_TRUE(roster_.CalculateDrawing());
  roster::ManualClock clock(std::chrono::system_clock::from_time_t(1'700'000'000));
  files::SaveDrawingHistory(roster_, clock, dir_.path());

  const auto past = files::ReadPastDrawings(dir_.path() / "History", 1);
  ASSERT_EQ(past.size(), 1u);
  ASSERT_EQ(past[0].pairs.size(), 4u);
  const std::string log = ReadAll(dir_.path() / "History" / (past[0].label + ".htm"));
  EXPECT_NE(log.find("<tr><td colspan=\"6\">Drawing exactly uniform; options: single loop"
                     "</td></tr>\r\n"),
            std::string::npos)
      << log;

  // Next year, in another order: none of last year's pairs comes back.
  roster_.ClearList();
  Add("Di");
  Add("Cy");
  Add("Bo");
  Add("Ann");
  roster_.SetDrawingChoices({{}, past});
  for (int round = 0; round < 10; ++round) {
    ASSERT_TRUE(roster_.CalculateDrawing());
    for (int r = 1; r <= 4; ++r) {
      const std::string& giver = roster_.grid().TextMatrix(r, roster::kColName);
      const int to = std::stoi(roster_.grid().TextMatrix(r, roster::kColResult));
      const std::string& receiver = roster_.grid().TextMatrix(to, roster::kColName);
      EXPECT_TRUE(std::none_of(
          past[0].pairs.begin(), past[0].pairs.end(),
          [&](const auto& p) { return p.first.name == giver && p.second.name == receiver; }))
          << giver << " drew " << receiver << " again";
    }
  }
}

}  // namespace
}  // namespace files_test
