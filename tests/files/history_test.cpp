#include "files/history.h"

#include <ctime>
#include <set>
#include <string>

#include "files/list_file.h"
#include "files_fixture.h"

namespace files_test {
namespace {

// "hh:mm:ss" on 5 December 2026, local time.
std::chrono::system_clock::time_point LocalTime(const std::string& hms) {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 5;
  t.tm_hour = std::stoi(hms.substr(0, 2));
  t.tm_min = std::stoi(hms.substr(3, 2));
  t.tm_sec = std::stoi(hms.substr(6, 2));
  t.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

class HistoryTest : public FilesFixture {
 protected:
  // Three participants with a drawing hidden in column 4: 1 gives to 3, 2 to 1, 3 to 2.
  void ThreeDrawn() {
    Add("Ann", "2", "books");
    Add("Bo");
    Add("Cy", "", "tea & cake <small>");
    for (int r = 1; r <= 3; ++r)
      roster_.grid().SetTextMatrix(r, roster::kColResult, std::string(1, "312"[r - 1]));
  }
  std::set<fs::path> FilesIn(const fs::path& folder) {
    return {fs::directory_iterator(folder), fs::directory_iterator()};
  }
  roster::ManualClock clock_{LocalTime("18:07:00")};
};

TEST_F(HistoryTest, LogOfThreeParticipantsHasTwentySevenLinesInTheFixedLayout) {
  ThreeDrawn();
  const std::string p = "/data/History/20261205-1807.htm";
  const std::string log = files::FormatHistoryLog(roster_, p);
  // Header cells: bold white on grey.
  auto th = [](const char* width, const char* title) {
    return std::string("<td width=\"") + width +
           "%\" bgcolor=\"#808080\"><font color=\"#FFFFFF\"><b>" + title + "</b></font></td>";
  };
  const std::string head =
      "<html><head><title>" + p + "</title></head><body><table cellpadding=\"4\">\r\n" +
      "<tr><td width=\"16%\" colspan=\"6\" bgcolor=\"#C0C0C0\"><b>Hollymoor History Log File " + p +
      "</b></td></tr>\r\n<tr>" + th("16", "#") + "\r\n" + th("16", "Exclusion #") + "\r\n" +
      th("17", "Participant Name") + "\r\n" + th("17", "Email Address") + "\r\n" +
      th("17", "Secret Santa For") + "\r\n" + th("17", "Notes") + "</tr>\r\n";
  const std::string first_row =
      "<tr><td width=\"16%\">1</td>\r\n"
      "<td width=\"16%\">2</td>\r\n"
      "<td width=\"17%\">Ann</td>\r\n"
      "<td width=\"17%\">ann@example.org</td>\r\n"
      "<td width=\"17%\">Cy</td>\r\n"
      "<td width=\"17%\">books</td></tr>\r\n";
  ASSERT_EQ(log.substr(0, head.size() + first_row.size()), head + first_row);
  // Cell texts holding markup characters are escaped; the rest stays as typed.
  EXPECT_NE(log.find("<td width=\"17%\">tea &amp; cake &lt;small&gt;</td></tr>\r\n"),
            std::string::npos);
  EXPECT_TRUE(
      log.ends_with("<td width=\"17%\">cy@example.org</td>\r\n<td width=\"17%\">Bo</td>\r\n"
                    "<td width=\"17%\">tea &amp; cake &lt;small&gt;</td></tr>\r\n"
                    "</table></body></html>\r\n"));
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 27);
  EXPECT_EQ(std::count(log.begin(), log.end(), '\r'), 27);
}

TEST_F(HistoryTest, ArchiveWritesListAndLogUnderOneDateTimeNameAndStopsRedrawing) {
  ThreeDrawn();
  files::SaveDrawingHistory(roster_, clock_, dir_.path());
  EXPECT_TRUE(ui_.boxes.empty());
  const fs::path history = dir_.path() / "History";
  EXPECT_EQ(FilesIn(history),
            (std::set<fs::path>{history / "20261205-1807.hmr", history / "20261205-1807.htm",
                                history / "20261205-1807.ledger"}));
#ifndef _WIN32  // no owner modes there: the profile folder's access list applies
  EXPECT_EQ(fs::status(history / "20261205-1807.ledger").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
#endif
  EXPECT_EQ(ReadAll(history / "20261205-1807.hmr"),
            "\"2\",\"Ann\",\"ann@example.org\",\"Cy\",\"books\"\r\n"
            "\"\",\"Bo\",\"bo@example.org\",\"Ann\",\"\"\r\n"
            "\"\",\"Cy\",\"cy@example.org\",\"Bo\",\"tea & cake <small>\"\r\n");
  const fs::path log = history / "20261205-1807.htm";
  EXPECT_EQ(ReadAll(log), files::FormatHistoryLog(roster_, log.string()));
  for (const char* name : {"mnuCalculateView", "mnuCalculateSend", "CALCVIEW", "CALCSEND"})
    EXPECT_FALSE(roster_.commands().Enabled(name)) << name;
}

TEST_F(HistoryTest, ArchivesWithinOneMinuteGetTheirOwnNamesAndNoneIsOverwritten) {
  ThreeDrawn();
  const fs::path history = dir_.path() / "History";
  EXPECT_EQ(files::SaveDrawingHistory(roster_, clock_, dir_.path()), history / "20261205-1807.hmr");
  const std::string first = ReadAll(history / "20261205-1807.hmr");

  roster_.grid().SetTextMatrix(1, roster::kColResult, "2");
  clock_.Set(LocalTime("18:07:40"));
  EXPECT_EQ(files::SaveDrawingHistory(roster_, clock_, dir_.path()),
            history / "20261205-1807_2.hmr");
  EXPECT_EQ(ReadAll(history / "20261205-1807.hmr"), first);
  EXPECT_TRUE(ReadAll(history / "20261205-1807_2.hmr")
                  .starts_with("\"2\",\"Ann\",\"ann@example.org\",\"Bo\""));
  const fs::path log = history / "20261205-1807_2.htm";
  EXPECT_EQ(ReadAll(log), files::FormatHistoryLog(roster_, log.string()));

  // Any file of a name holds it, even one left alone by an earlier crash.
  WriteAll(history / "20261205-1807_3.ledger", "");
  EXPECT_EQ(files::SaveDrawingHistory(roster_, clock_, dir_.path()),
            history / "20261205-1807_4.hmr");
  clock_.Set(LocalTime("18:08:00"));
  EXPECT_EQ(files::SaveDrawingHistory(roster_, clock_, dir_.path()), history / "20261205-1808.hmr");
  EXPECT_EQ(FilesIn(history).size(), 13u);
  EXPECT_TRUE(ui_.boxes.empty());
}

TEST_F(HistoryTest, ArchiveFailuresAreReportedWithTheirOwnTexts) {
  ThreeDrawn();
  WriteAll(dir_.path() / "History", "a file where the folder belongs");
  files::SaveDrawingHistory(roster_, clock_, dir_.path());
  EXPECT_EQ(Texts(), std::vector<std::string>{"Error while attempting to send messages"});

  ui_.boxes.clear();
  const fs::path blocked = dir_.path() / "log.htm";
  fs::create_directory(blocked);
  files::WriteHistoryLog(roster_, blocked);
  EXPECT_EQ(Texts(),
            std::vector<std::string>{"Error while attempting to save information to log file [" +
                                     blocked.string() + "]"});
  EXPECT_EQ(ui_.boxes[0].style, roster::mb::kCritical);
}

TEST_F(HistoryTest, LogBeyondAsciiCarriesAByteOrderMark) {
  ThreeDrawn();
  EXPECT_TRUE(files::FormatHistoryLog(roster_, "/h/x.htm").starts_with("<html>"));
  roster_.grid().SetTextMatrix(2, roster::kColName, "Zoë");
  const std::string log = files::FormatHistoryLog(roster_, "/h/x.htm");
  EXPECT_TRUE(log.starts_with("\xEF\xBB\xBF<html><head><title>/h/x.htm</title>"));
  EXPECT_NE(log.find("<td width=\"17%\">Zoë</td>"), std::string::npos);
}

}  // namespace
}  // namespace files_test
