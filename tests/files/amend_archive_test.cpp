#include "files/amend_archive.h"

#include <set>

#include "files/file_commands.h"
#include "files/list_file.h"
#include "files_fixture.h"

namespace files_test {
namespace {

class AmendArchiveTest : public FilesFixture {
 protected:
  // Four people in one loop, 1 -> 2 -> 3 -> 4 -> 1; Cy may not give to Ann.
  void FourDrawn() {
    Add("Ann", "", "books");
    Add("Bo");
    Add("Cy", "1");
    Add("Dee");
    for (int r = 1; r <= 4; ++r)
      roster_.grid().SetTextMatrix(r, roster::kColResult, std::to_string(r % 4 + 1));
  }
  // "Giver>Receiver" per row, from the hidden column.
  Strings Pairs() const {
    Strings out;
    for (int r = 1; r <= Count(); ++r)
      out.push_back(Cell(r, roster::kColName) + ">" + files::ReceiverName(roster_.grid(), r));
    return out;
  }
  roster::Xoshiro256 rng_{11};
};

TEST_F(AmendArchiveTest, AJoinerTakesOnePlaceAndTheRestKeepTheirPairs) {
  FourDrawn();
  const Strings before = Pairs();
  const auto change = files::JoinDrawing(roster_, "Eve", "eve@example.org", "socks", rng_);
  ASSERT_TRUE(change.ok) << change.reason;
  ASSERT_EQ(change.changed_rows.size(), 2u);
  EXPECT_EQ(change.changed_rows.back(), 5);
  const int g = change.changed_rows.front();
  const Strings after = Pairs();
  for (int r = 1; r <= 4; ++r) {
    if (r != g) {
      EXPECT_EQ(after[r - 1], before[r - 1]);
    }
  }
  EXPECT_EQ(after[g - 1], Cell(g, roster::kColName) + ">Eve");
  // Eve gives to whoever g gave to before.
  EXPECT_EQ(after[4], "Eve>" + before[g - 1].substr(before[g - 1].find('>') + 1));
  EXPECT_EQ(Cell(5, roster::kColNotes), "socks");

  // A name already in the drawing is refused, and the roster stays as it is.
  const auto again = files::JoinDrawing(roster_, "Eve", "e2@example.org", "", rng_);
  EXPECT_FALSE(again.ok);
  EXPECT_EQ(again.reason, "there is already a participant named Eve");
  EXPECT_EQ(Count(), 5);
}

TEST_F(AmendArchiveTest, ADropOutPassesTheirReceiverOnAndRenumbersTheExclusions) {
  FourDrawn();
  // Bo leaves: Ann (who gave to Bo) now gives to Cy, Bo's receiver.
  const auto change = files::LeaveDrawing(roster_, 2, rng_);
  ASSERT_TRUE(change.ok) << change.reason;
  EXPECT_EQ(change.changed_rows, std::vector<int>{1});
  EXPECT_EQ(Pairs(), (Strings{"Ann>Cy", "Cy>Dee", "Dee>Ann"}));
  EXPECT_EQ(Column(roster::kColExclusions), (Strings{"", "1", ""}));

  // When Dee leaves, only Cy could give to Ann, and may not.
  const auto chain = files::LeaveDrawing(roster_, 3, rng_);
  EXPECT_FALSE(chain.ok);
  EXPECT_EQ(chain.reason, "once Dee leaves, nobody may give to the person Dee gives to");
  EXPECT_EQ(Count(), 3);
  EXPECT_EQ(Pairs(), (Strings{"Ann>Cy", "Cy>Dee", "Dee>Ann"}));
}

TEST_F(AmendArchiveTest, EachChangeIsANewVersionThatNamesTheOneItAmends) {
  FourDrawn();
  const fs::path first = dir_.path() / "History" / "20261205-1807.hmr";
  fs::create_directories(first.parent_path());
  files::SaveParticipantFile(roster_, first, true);
  const std::string original = ReadAll(first);
  EXPECT_EQ(files::LatestArchiveVersion(first), first);

  ASSERT_TRUE(files::JoinDrawing(roster_, "Eve", "eve@example.org", "", rng_).ok);
  const auto v2 = files::WriteAmendedArchive(roster_, first);
  ASSERT_TRUE(v2);
  EXPECT_EQ(v2->filename(), "20261205-1807-v2.hmr");
  EXPECT_EQ(ReadAll(*v2), files::FormatParticipantFile(roster_, true));
  const std::string log = ReadAll(first.parent_path() / "20261205-1807-v2.htm");
  EXPECT_NE(log.find("<tr><td colspan=\"6\">Amends 20261205-1807.hmr</td></tr>\r\n"),
            std::string::npos);
  EXPECT_EQ(ReadAll(first), original);

  // Any version leads to the newest; the next change amends that one, even when an older
  // version is named.
  EXPECT_EQ(files::LatestArchiveVersion(first), *v2);
  EXPECT_EQ(files::FirstArchiveVersion(*v2), first);
  ASSERT_TRUE(files::LeaveDrawing(roster_, 1, rng_).ok);
  const auto v3 = files::WriteAmendedArchive(roster_, first);
  ASSERT_TRUE(v3);
  EXPECT_EQ(v3->filename(), "20261205-1807-v3.hmr");
  EXPECT_NE(
      ReadAll(first.parent_path() / "20261205-1807-v3.htm").find("Amends 20261205-1807-v2.hmr"),
      std::string::npos);
  EXPECT_EQ(files::LatestArchiveVersion(*v2), *v3);
  std::set<fs::path> names;
  for (const auto& e : fs::directory_iterator(first.parent_path()))
    names.insert(e.path().filename());
  EXPECT_EQ(names,
            (std::set<fs::path>{"20261205-1807.hmr", "20261205-1807-v2.hmr", "20261205-1807-v2.htm",
                                "20261205-1807-v3.hmr", "20261205-1807-v3.htm"}));
}

class RecordingShell : public roster::Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return true;
  }
  Strings opened;
};

TEST_F(AmendArchiveTest, ReSendAndTheLogViewerTakeTheNewestVersion) {
  FourDrawn();
  const fs::path first =
      File("History/20261205-1807.hmr", files::FormatParticipantFile(roster_, true));
  File("History/20261205-1807.htm", "<html></html>");
  ASSERT_TRUE(files::LeaveDrawing(roster_, 2, rng_).ok);
  const auto v2 = files::WriteAmendedArchive(roster_, first);
  ASSERT_TRUE(v2);

  RecordingShell shell;
  roster::ManualClock clock(std::chrono::system_clock::now());
  bool confirmed = false;
  files::FileCommands commands({roster_, dialogs_, shell, clock, dir_.path(), [] {}, confirmed});
  dialogs_.answers.push_back(first);
  commands.mnuReSendList_Click();
  EXPECT_TRUE(roster_.ReSendMode);
  EXPECT_EQ(Column(roster::kColName), (Strings{"Ann", "Cy", "Dee"}));
  EXPECT_EQ(Pairs(), (Strings{"Ann>Cy", "Cy>Dee", "Dee>Ann"}));

  dialogs_.answers.push_back(dir_.path() / "History" / "20261205-1807.htm");
  commands.mnuViewDrawingLog_Click();
  EXPECT_EQ(shell.opened, Strings{(dir_.path() / "History" / "20261205-1807-v2.htm").string()});
}

}  // namespace
}  // namespace files_test
