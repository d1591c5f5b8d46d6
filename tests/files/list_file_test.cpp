#include "files/list_file.h"

#include <random>

#include "files/record_reader.h"
#include "files/text_codec.h"
#include "files_fixture.h"

namespace files_test {
namespace {

using files::LoadOptions;

class ListFileTest : public RosterFixture {
 protected:
  bool Load(const fs::path& p, bool re_send = false) {
    return files::LoadParticipantFile(roster_, dialogs_, p, re_send);
  }
  fs::path File(const std::string& name, const std::string& bytes) {
    fs::path p = dir_.path() / name;
    WriteBytes(p, bytes);
    return p;
  }
  // Every row's number equals its index, whatever was loaded.
  void ExpectNumbered() {
    if (Count() == 0) return;
    for (int r = 1; r < roster_.grid().Rows(); ++r) EXPECT_EQ(Cell(r, 0), std::to_string(r));
  }
};

TEST_F(ListFileTest, SaveWritesFiveQuotedFieldsAndOpenGivesTheRosterBack) {
  Add("Ann", "2,3", "books, tea");
  Add("José", "1", "Zoë's \"favourite\" shop");
  roster_.AddParticipant("", "Bo", "\"Bo B\" <bo@example.org>", "", false);
  const fs::path p = dir_.path() / "list.hmr";
  files::SaveParticipantFile(roster_, p, false);
  EXPECT_TRUE(ui_.boxes.empty());
  EXPECT_EQ(ReadBytes(p),
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
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(roster_.NextParticipantNumber, 4);
  const std::vector<std::vector<std::string>> want = {
      {"1", "2,3", "Ann", "ann@example.org", "", "books, tea"},
      {"2", "1", "José", "josé@example.org", "", "Zoë's \"favourite\" shop"},
      {"3", "", "Bo", "\"Bo B\" <bo@example.org>", "", ""}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 0; c < 6; ++c) EXPECT_EQ(Cell(r, c), want[r - 1][c]) << r << "," << c;
}

TEST_F(ListFileTest, QuotesInsideAddressesAndNotesNeverShiftTheFieldsThatFollow) {
  const std::string text =
      "\"\",\"A\",\"x\"\"@y\",\"\",\"said \"no\", then \"yes\"\"\r\n"
      "\"\",\"B\",\"\"Doe, Jo\" <jo@x.org>\",\"\",\"\"quoted\"\"\r\n"
      "\"\",\"C\",\"c@x\",\"\",\"a\",\"b\",\"c\"\r\n";  // a sixth field stays in the notes
  ASSERT_TRUE(Load(File("q.hmr", text)));
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Cell(1, 3), "x\"\"@y");
  EXPECT_EQ(Cell(1, 5), "said \"no\", then \"yes\"");
  EXPECT_EQ(Cell(2, 3), "\"Doe, Jo\" <jo@x.org>");
  EXPECT_EQ(Cell(2, 5), "\"quoted\"");
  EXPECT_EQ(Cell(3, 2), "C");
  EXPECT_EQ(Cell(3, 5), "a\",\"b\",\"c");
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
  EXPECT_EQ(Cell(1, 2), "José");
  EXPECT_EQ(Cell(1, 5), "café");
  EXPECT_EQ(Cell(2, 2), "Zoë");
  EXPECT_EQ(Cell(2, 5), "\u201Chi\u201D");
  // and out again as UTF-8
  const fs::path p = dir_.path() / "utf8.hmr";
  files::SaveParticipantFile(roster_, p, false);
  EXPECT_TRUE(ReadBytes(p).starts_with("\"2\",\"Jos\xC3\xA9\","));
}

TEST_F(ListFileTest, OlderThreeFieldLayoutLoadsWithEmptyNotes) {
  Add("Keep");
  ASSERT_TRUE(Load(File("old.hmr", "\"2\",\"Ann\",\"ann@x\"\r\n\"1\",\"Bo\",\"bo@x\"\r\n")));
  ASSERT_EQ(dialogs_.shown_options.size(), 1u);
  EXPECT_FALSE(dialogs_.shown_options[0].set_exclusions_enabled);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Cell(1, 1), "2");
  EXPECT_EQ(Cell(2, 3), "bo@x");
  EXPECT_EQ(Cell(1, 5), "");
  EXPECT_EQ(Cell(2, 5), "");
  EXPECT_EQ(files::CountFieldSeparators("\"2\",\"Ann\",\"ann@x\""), 2);
  EXPECT_EQ(files::CountFieldSeparators("\"\",\"\",\"\",\"\",\"\""), 4);
  EXPECT_EQ(files::CountFieldSeparators("x\",\",\""), 2);  // hits may share a quote
  EXPECT_EQ(files::CountFieldSeparators("\",\"x"), 0);     // the first character is skipped
}

TEST_F(ListFileTest, SingleRecordInTheCurrentLayoutFailsTheVersionCheckAtLineZero) {
  Add("Someone");
  const fs::path p = File("one.hmr", "\"\",\"Ann\",\"ann@x\",\"\",\"\"\r\n");
  EXPECT_FALSE(Load(p));
  ASSERT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(ui_.boxes[0].text,
            "Error while Checking File Version from file [" + p.string() + "] on line number 0");
  EXPECT_EQ(ui_.boxes[0].style, roster::mb::kCritical);
  EXPECT_EQ(ui_.boxes[0].title, "HLMR");
  EXPECT_TRUE(dialogs_.shown_options.empty());
  EXPECT_EQ(Count(), 0);
  EXPECT_EQ(Cell(1, 0), "1");  // cleared
}

TEST_F(ListFileTest, UnreadablePathsReportTheVersionStageAndClear) {
  for (const fs::path& p : {dir_.path(), dir_.path() / "missing.hmr"}) {
    Add("Someone");
    ui_.boxes.clear();
    EXPECT_FALSE(Load(p));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error while Checking File Version from file [" +
                                                p.string() + "] on line number 0"});
    EXPECT_EQ(Count(), 0);
  }
}

TEST_F(ListFileTest, EmptyFileLoadsNothingAndSucceeds) {
  Add("Someone");
  EXPECT_TRUE(Load(File("empty.hmr", "")));
  EXPECT_EQ(dialogs_.shown_options.size(), 1u);
  EXPECT_TRUE(ui_.boxes.empty());
  EXPECT_EQ(Count(), 0);  // "Clear Current Participants" was checked
}

TEST_F(ListFileTest, RecordCutShortReportsTheStageAndItsLineAndClears) {
  const std::string whole = "\"\",\"A\",\"a@x\",\"\",\"\"\r\n\"\",\"B\",\"b@x\",\"\",\"\"\r\n";
  for (const std::string& tail :
       {std::string("\"\",\"C\",\"c@x\",\"\",\"no"), std::string("\"\",\"C\",\"c@x\"\r\n"),
        std::string("\"\",\"\",\"nameless@x\",\"\",\"\"\r\n")}) {
    ui_.boxes.clear();
    const fs::path p = File("cut.hmr", whole + tail);
    EXPECT_FALSE(Load(p));
    EXPECT_EQ(Texts(), std::vector<std::string>{"Error while Loading Participant Information from "
                                                "file [" +
                                                p.string() + "] on line number 3"});
    EXPECT_EQ(Count(), 0);
  }
}

TEST_F(ListFileTest, OptionsDecideWhatIsClearedAndAdded) {
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
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Cell(2, 2), "A");
  EXPECT_EQ(Cell(2, 0), "2");
  EXPECT_EQ(Cell(2, 1), "");
  EXPECT_EQ(Cell(3, 1), "");
  // Clear on, add off: an empty roster.
  dialogs_.choose_options = [](LoadOptions o) {
    o.add_participants = false;
    return o;
  };
  EXPECT_TRUE(Load(p));
  EXPECT_EQ(Count(), 0);
  EXPECT_TRUE(ui_.boxes.empty());
}

// An archived drawing of four: A gave to C, B to D, C to B, D to A.
std::string Archive() {
  return "\"2\",\"A\",\"a@x\",\"C\",\"\"\r\n"
         "\"\",\"B\",\"b@x\",\"D\",\"\"\r\n"
         "\"\",\"C\",\"c@x\",\"B\",\"\"\r\n"
         "\"\",\"D\",\"d@x\",\"A\",\"\"\r\n";
}

TEST_F(ListFileTest, ResultsOfAPreviousDrawingBecomeExclusions) {
  const fs::path p = File("20261205-1830.hmr", Archive());
  dialogs_.choose_options = [](LoadOptions o) {
    EXPECT_TRUE(o.set_exclusions_enabled);
    EXPECT_FALSE(o.set_exclusions);
    o.set_exclusions = true;
    return o;
  };
  ASSERT_TRUE(Load(p));
  ASSERT_EQ(Count(), 4);
  EXPECT_EQ(Cell(1, 1), "2,3");  // kept its own list, gained C
  EXPECT_EQ(Cell(2, 1), "4");
  EXPECT_EQ(Cell(3, 1), "2");
  EXPECT_EQ(Cell(4, 1), "1");
  EXPECT_EQ(Cell(1, 4), "");  // results are not loaded as results

  // Only the exclusions: the current roster keeps its people, matched by name.
  roster_.ClearList();
  Add("D");
  Add("Zed");
  Add("A", "1");
  dialogs_.choose_options = [](const LoadOptions& o) {
    return LoadOptions{false, false, o.include_exclusions, true, o.set_exclusions_enabled};
  };
  ASSERT_TRUE(Load(p));
  ASSERT_EQ(Count(), 3);
  EXPECT_EQ(Cell(1, 1), "3");  // D drew A last time
  EXPECT_EQ(Cell(2, 1), "");
  EXPECT_EQ(Cell(3, 1), "1");  // A drew C, who is not here
}

TEST_F(ListFileTest, AddExclusionFromDrawingAndSetReSendInfoMatchNamesExactly) {
  Add("Ann");
  Add("Bo");
  Add("ann");
  files::AddExclusionFromDrawing(roster_, "Ann", "Bo");
  files::AddExclusionFromDrawing(roster_, "Ann", "Bo");
  files::AddExclusionFromDrawing(roster_, "Bo", "Nobody");
  EXPECT_EQ(Cell(1, 1), "2");
  EXPECT_EQ(Cell(2, 1), "");  // one direction only
  files::SetReSendInfo(roster_, "ann", "Ann");
  EXPECT_EQ(Cell(3, 4), "1");
  EXPECT_EQ(roster_.grid().CellAt(3, 4).back, roster::kHiddenColor);
  files::SetReSendInfo(roster_, "Bo", "Nobody");
  EXPECT_EQ(Cell(2, 4), "");
}

TEST_F(ListFileTest, GarbageAndOversizedFilesEndCleanly) {
  std::mt19937 gen(7);
  std::string garbage(10u << 20, '\0');
  for (char& c : garbage) c = static_cast<char>(gen());
  const fs::path p = File("garbage.hmr", garbage);
  Load(p);  // either outcome is fine; the roster stays consistent
  EXPECT_LE(Count(), roster::kMaxParticipants);
  ExpectNumbered();

  // More records than participant numbers: fails at the first one that does not fit.
  std::string many;
  for (int i = 0; i <= roster::kMaxParticipants; ++i) many += "\"\",\"P\",\"\",\"\",\"\"\r\n";
  ui_.boxes.clear();
  const fs::path big = File("big.hmr", many);
  EXPECT_FALSE(Load(big));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Error while Loading Participant Information from "
                                              "file [" +
                                              big.string() + "] on line number 32768"});
  EXPECT_EQ(Count(), 0);
}

TEST_F(ListFileTest, FailedSaveReportsAndLeavesTheEarlierFileWhole) {
  Add("Ann");
  // A name at the length limit leaves no room for the temporary file beside it.
  const fs::path p = dir_.path() / (std::string(250, 'x') + ".hmr");
  WriteBytes(p, "earlier");
  files::SaveParticipantFile(roster_, p, false);
  EXPECT_EQ(Texts(),
            std::vector<std::string>{"Error while attempting to save information to file [" +
                                     p.string() + "]"});
  EXPECT_EQ(ReadBytes(p), "earlier");
  // A folder in the way of the file.
  ui_.boxes.clear();
  files::SaveParticipantFile(roster_, dir_.path(), false);
  EXPECT_EQ(ui_.boxes.size(), 1u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace files_test
