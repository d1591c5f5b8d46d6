#include "files/list_file.h"

#include <random>

#include "files/record_reader.h"
#include "files/text_codec.h"
#include "files_fixture.h"

namespace files_test {
namespace {

using files::LoadOptions;

class ListFileTest : public FilesFixture {
 protected:
  bool Load(const fs::path& p) { return files::LoadParticipantFile(roster_, dialogs_, p, false); }
};

TEST_F(ListFileTest, SaveWritesFiveQuotedFieldsAndOpenGivesTheRosterBack) {
  Add("Ann", "2,3", "books, tea");
  Add("José", "1", "Zoë's \"favourite\" shop");
  roster_.AddParticipant("", "Bo", "\"Bo B\" <bo@example.org>", "", false);
  const fs::path p = dir_.path() / "list.hmr";
  files::SaveParticipantFile(roster_, p, false);
  EXPECT_TRUE(ui_.boxes.empty());
  EXPECT_EQ(ReadAll(p),
            "\"2,3\",\"Ann\",\"ann@example.org\",\"\",\"books, tea\"\r\n"
            "\"1\",\"José\",\"josé@example.org\",\"\",\"Zoë's \"favourite\" shop\"\r\n"
            "\"\",\"Bo\",\"\"Bo B\" <bo@example.org>\",\"\",\"\"\r\n");

  // Open into a roster that holds other people: the default options clear it first.
  roster_.ClearList();
  Add("Old1");
  Add("Old2");
  ASSERT_TRUE(Load(p));
  ASSERT_EQ(dialogs_.shown_options.size(), 1u);
  const LoadOptions& shown = dialogs_.shown_options[0];
  EXPECT_TRUE(shown.clear_list && shown.add_participants && shown.include_exclusions);
  EXPECT_FALSE(shown.set_exclusions);
  EXPECT_FALSE(shown.set_exclusions_enabled);  // no results in a saved roster
  EXPECT_EQ(roster_.NextParticipantNumber, 4);
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3"}));
  const fs::path again = dir_.path() / "again.hmr";  // every field back in its cell
  files::SaveParticipantFile(roster_, again, false);
  EXPECT_EQ(ReadAll(again), ReadAll(p));
}

TEST_F(ListFileTest, QuotesInsideAddressesAndNotesNeverShiftTheFieldsThatFollow) {
  ASSERT_TRUE(Load(File("q.hmr",
                        "\"\",\"A\",\"x\"\"@y\",\"\",\"said \"no\", then \"yes\"\"\r\n"
                        "\"\",\"B\",\"\"Doe, Jo\" <jo@x.org>\",\"\",\"\"quoted\"\"\r\n"
                        "\"\",\"C\",\"c@x\",\"\",\"a\",\"b\",\"c\"\r\n")));  // a sixth field
  EXPECT_EQ(Column(2), (Strings{"A", "B", "C"}));
  EXPECT_EQ(Column(3), (Strings{"x\"\"@y", "\"Doe, Jo\" <jo@x.org>", "c@x"}));
  EXPECT_EQ(Column(5), (Strings{"said \"no\", then \"yes\"", "\"quoted\"", "a\",\"b\",\"c"}));
}

TEST_F(ListFileTest, TextIsUtf8AndFilesThatAreNotAreReadAsWindows1252) {
  EXPECT_EQ(files::DecodeListText("Jos\xC3\xA9"), "José");
  EXPECT_EQ(files::DecodeListText("\xEF\xBB\xBFZo\xC3\xAB"), "Zoë");
  EXPECT_EQ(files::DecodeListText("Jos\xE9 Zo\xEB \x80 \x81"), "José Zoë € \xC2\x81");
  EXPECT_FALSE(files::IsValidUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(files::IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_TRUE(files::IsValidUtf8("\xF0\x9F\x8E\x81"));

  ASSERT_TRUE(Load(File("ansi.hmr",
                        "\"2\",\"Jos\xE9\",\"jose@x\",\"\",\"caf\xE9\"\r\n"
                        "\"1\",\"Zo\xEB\",\"zoe@x\",\"\",\"\x93hi\x94\"\r\n")));
  EXPECT_EQ(Column(2), (Strings{"José", "Zoë"}));
  EXPECT_EQ(Column(5), (Strings{"café", "\u201Chi\u201D"}));
  // and out again as UTF-8
  const fs::path p = dir_.path() / "utf8.hmr";
  files::SaveParticipantFile(roster_, p, false);
  EXPECT_TRUE(ReadAll(p).starts_with("\"2\",\"Jos\xC3\xA9\","));
}

TEST_F(ListFileTest, OlderThreeFieldLayoutLoadsWithEmptyNotes) {
  Add("Keep");
  ASSERT_TRUE(Load(File("old.hmr", "\"2\",\"Ann\",\"ann@x\"\r\n\"1\",\"Bo\",\"bo@x\"\r\n")));
  ASSERT_EQ(dialogs_.shown_options.size(), 1u);
  EXPECT_FALSE(dialogs_.shown_options[0].set_exclusions_enabled);
  EXPECT_EQ(Column(1), (Strings{"2", "1"}));
  EXPECT_EQ(Column(3), (Strings{"ann@x", "bo@x"}));
  EXPECT_EQ(Column(5), (Strings{"", ""}));
}

TEST_F(ListFileTest, UnreadableFilesReportTheStageAndLineAndClearTheRoster) {
  const std::string two = "\"\",\"A\",\"a@x\",\"\",\"\"\r\n\"\",\"B\",\"b@x\",\"\",\"\"\r\n";
  std::string too_many;  // more records than participant numbers
  for (int i = 0; i <= roster::kMaxParticipants; ++i) too_many += "\"\",\"P\",\"\",\"\",\"\"\r\n";
  const char* version = "Checking File Version";
  const char* loading = "Loading Participant Information";
  struct Case {
    fs::path path;
    const char* stage;
    int line;
  };
  const Case cases[] = {
      // A single record in the current layout fails the version check.
      {File("one.hmr", "\"\",\"Ann\",\"ann@x\",\"\",\"\"\r\n"), version, 0},
      {dir_.path(), version, 0},
      {dir_.path() / "missing.hmr", version, 0},
      // Records cut short, with too few fields or without a name.
      {File("cut1.hmr", two + "\"\",\"C\",\"c@x\",\"\",\"no"), loading, 3},
      {File("cut2.hmr", two + "\"\",\"C\",\"c@x\"\r\n"), loading, 3},
      {File("cut3.hmr", two + "\"\",\"\",\"nameless@x\",\"\",\"\"\r\n"), loading, 3},
      {File("big.hmr", too_many), loading, 32768},
  };
  for (const Case& c : cases) {
    Add("Someone");
    ui_.boxes.clear();
    dialogs_.shown_options.clear();
    EXPECT_FALSE(Load(c.path));
    EXPECT_EQ(Texts(), Strings{std::string("Error while ") + c.stage + " from file [" +
                               c.path.string() + "] on line number " + std::to_string(c.line)});
    EXPECT_EQ(ui_.boxes.at(0).style, roster::mb::kCritical);
    EXPECT_EQ(dialogs_.shown_options.empty(), c.line == 0);  // no options for a bad version
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(Cell(1, 0), "1");
  }
}

TEST_F(ListFileTest, OptionsDecideWhatIsClearedAndAdded) {
  Add("Old");
  EXPECT_TRUE(Load(File("empty.hmr", "")));  // an empty file is a list of nobody
  EXPECT_EQ(dialogs_.shown_options.size(), 1u);
  EXPECT_EQ(Count(), 0);  // "Clear Current Participants" was checked

  const fs::path p =
      File("l.hmr", "\"2\",\"A\",\"a@x\",\"\",\"n\"\r\n\"1\",\"B\",\"b@x\",\"\",\"\"\r\n");
  Add("Old");
  // Closed without Continue: every box reads unchecked, nothing happens.
  dialogs_.choose_options = [](const LoadOptions&) { return LoadOptions{}; };
  EXPECT_TRUE(Load(p));
  EXPECT_EQ(Count(), 1);
  // Without exclusions, appended after the current roster.
  dialogs_.choose_options = [](LoadOptions o) {
    o.clear_list = false;
    o.include_exclusions = false;
    return o;
  };
  EXPECT_TRUE(Load(p));
  EXPECT_EQ(Column(0), (Strings{"1", "2", "3"}));
  EXPECT_EQ(Column(1), (Strings{"", "", ""}));
  EXPECT_EQ(Column(2), (Strings{"Old", "A", "B"}));
  // Clear on, add off: an empty roster.
  dialogs_.choose_options = [](LoadOptions o) {
    o.add_participants = false;
    return o;
  };
  EXPECT_TRUE(Load(p));
  EXPECT_EQ(Count(), 0);
  EXPECT_TRUE(ui_.boxes.empty());
}

TEST_F(ListFileTest, ResultsOfAPreviousDrawingBecomeExclusions) {
  // An archived drawing of four: A gave to C, B to D, C to B, D to A.
  const fs::path p = File("20261205-1830.hmr",
                          "\"2\",\"A\",\"a@x\",\"C\",\"\"\r\n"
                          "\"\",\"B\",\"b@x\",\"D\",\"\"\r\n"
                          "\"\",\"C\",\"c@x\",\"B\",\"\"\r\n"
                          "\"\",\"D\",\"d@x\",\"A\",\"\"\r\n");
  dialogs_.choose_options = [](LoadOptions o) {
    EXPECT_TRUE(o.set_exclusions_enabled);
    EXPECT_FALSE(o.set_exclusions);
    o.set_exclusions = true;
    return o;
  };
  ASSERT_TRUE(Load(p));
  EXPECT_EQ(Column(1), (Strings{"2,3", "4", "2", "1"}));  // A kept its own list, gained C
  EXPECT_EQ(Column(4), (Strings{"", "", "", ""}));        // results are not loaded as results

  // Only the exclusions: the current roster keeps its people, matched by name.
  roster_.ClearList();
  Add("D");
  Add("Zed");
  Add("A", "1");
  dialogs_.choose_options = [](const LoadOptions& o) {
    return LoadOptions{false, false, o.include_exclusions, true, o.set_exclusions_enabled};
  };
  ASSERT_TRUE(Load(p));
  // D drew A last time; A drew C, who is not here.
  EXPECT_EQ(Column(1), (Strings{"3", "", "1"}));
}

TEST_F(ListFileTest, AddExclusionFromDrawingAndSetReSendInfoMatchNamesExactly) {
  Add("Ann");
  Add("Bo");
  Add("ann");
  files::AddExclusionFromDrawing(roster_, "Ann", "Bo");
  files::AddExclusionFromDrawing(roster_, "Ann", "Bo");
  files::AddExclusionFromDrawing(roster_, "Bo", "Nobody");
  EXPECT_EQ(Column(1), (Strings{"2", "", ""}));  // one direction only
  files::SetReSendInfo(roster_, "ann", "Ann");
  files::SetReSendInfo(roster_, "Bo", "Nobody");
  EXPECT_EQ(Column(4), (Strings{"", "", "1"}));
  EXPECT_EQ(roster_.grid().CellAt(3, 4).back, roster::kHiddenColor);
}

TEST_F(ListFileTest, GarbageEndsCleanly) {
  std::mt19937 gen(7);
  std::string garbage(10u << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(gen());
  Load(File("garbage.hmr", garbage));  // either outcome is fine; the roster stays consistent
  EXPECT_LE(Count(), roster::kMaxParticipants);
  for (int r = 1; r < roster_.grid().Rows() && Count() > 0; ++r)
    EXPECT_EQ(Cell(r, 0), std::to_string(r));
}

TEST_F(ListFileTest, FailedSaveReportsAndLeavesTheEarlierFileWhole) {
  Add("Ann");
  // A name at the length limit leaves no room for the temporary file beside it.
  const fs::path p = File(std::string(250, 'x') + ".hmr", "earlier");
  files::SaveParticipantFile(roster_, p, false);
  EXPECT_EQ(Texts(),
            Strings{"Error while attempting to save information to file [" + p.string() + "]"});
  EXPECT_EQ(ReadAll(p), "earlier");
  // A folder in the way of the file.
  ui_.boxes.clear();
  files::SaveParticipantFile(roster_, dir_.path(), false);
  EXPECT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace files_test
