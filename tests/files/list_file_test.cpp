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
  EXPECT_EQ(files::DecodeListText("Jos\xC3\xA9").text, "José");
  EXPECT_EQ(files::DecodeListText("\xEF\xBB\xBFZo\xC3\xAB").text, "Zoë");
  EXPECT_EQ(files::DecodeListText("Jos\xE9 Zo\xEB \x80 \x81").text, "José Zoë € \xC2\x81");
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

// The text as a spreadsheet program saves it in UTF-16, with the byte-order mark.
std::string Utf16(std::u16string_view text, bool big_endian) {
  std::string out = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += big_endian ? hi : lo;
    out += big_endian ? lo : hi;
  }
  return out;
}

TEST_F(ListFileTest, Utf16WithAByteOrderMarkReadsAndNulBytesWithoutOneAreRefused) {
  // No final line break, a character outside the basic plane, and a Windows line end.
  const std::u16string text =
      u"\"2\",\"Zoë\",\"zoe@x\",\"\",\"\U0001F381\"\r\n\"1\",\"Ann\",\"ann@x\",\"\",\"\"";
  for (bool big_endian : {false, true}) {
    ASSERT_TRUE(Load(File("u16.hmr", Utf16(text, big_endian))));
    EXPECT_EQ(Column(2), (Strings{"Zoë", "Ann"}));
    EXPECT_EQ(Column(5), (Strings{"\U0001F381", ""}));
  }

  struct Case {
    std::string bytes;
    const char* reason;
  };
  std::string no_mark = Utf16(text, false).substr(2);
  const std::string nul_problem =
      "The file holds NUL characters: it is neither UTF-8, UTF-16 with a byte-order mark nor "
      "Windows-1252 text.";
  const Case cases[] = {
      {no_mark, nul_problem.c_str()},  // UTF-16 without its mark: names full of NULs
      {std::string("\"\",\"A\0n\",\"a@x\",\"\",\"\"\r\n\"\",\"B\",\"b@x\",\"\",\"\"", 40),
       nul_problem.c_str()},
      {Utf16(u"\"\",\"A\",\"a@x\",\"\",\"\"\r\n", false) + "x",  // an odd byte at the end
       "The file is damaged UTF-16 (little-endian): it ends in the middle of a character or holds "
       "a broken surrogate pair."},
      {Utf16(u"\"\",\"\xD800\",\"a@x\",\"\",\"\"", true),
       "The file is damaged UTF-16 (big-endian): it ends in the middle of a character or holds a "
       "broken surrogate pair."},
  };
  for (const Case& c : cases) {
    Add("Someone");
    ui_.boxes.clear();
    const fs::path p = File("bad.hmr", c.bytes);
    EXPECT_FALSE(Load(p));
    EXPECT_EQ(Texts(), Strings{"Error while Checking File Version from file [" + p.string() +
                               "] on line number 0\n" + c.reason});
    EXPECT_EQ(Count(), 0);
  }
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

TEST_F(ListFileTest, DamagedRecordsReportTheStageAndLineAndNeverLoadAShorterRoster) {
  const std::string two = "\"\",\"A\",\"a@x\",\"\",\"\"\r\n\"\",\"B\",\"b@x\",\"\",\"\"\r\n";
  const std::string carol = "\"\",\"Carol\",\"carol@x\",\"\",\"\"\r\n";
  std::string too_many;  // more records than participant numbers
  for (int i = 0; i <= roster::kMaxParticipants; ++i)
    too_many += "\"\",\"P\",\"p@x\",\"\",\"\"\r\n";
  const char* version = "Checking File Version";
  const char* loading = "Loading Participant Information";
  const std::string missing_quote =
      " are expected (a quote may be missing, or the record is broken across lines).";
  struct Case {
    fs::path path;
    const char* stage;
    int line;
    std::string reason;  // the line after the documented text; empty: none
  };
  const Case cases[] = {
      // A single record in the current layout fails the version check.
      {File("one.hmr", "\"\",\"Ann\",\"ann@x\",\"\",\"\"\r\n"), version, 0,
       "A list needs at least two participants."},
      {dir_.path(), version, 0, ""},
      {dir_.path() / "missing.hmr", version, 0, ""},
      // Records cut short, with too few fields or without a name.
      {File("cut1.hmr", two + "\"\",\"C\",\"c@x\",\"\",\"no"), loading, 3,
       "Line 3: the notes field has no closing quote."},
      {File("cut2.hmr", two + "\"\",\"C\",\"c@x\"\r\n"), loading, 3,
       "Line 3: the record ends after 3 fields where 5" + missing_quote},
      {File("cut3.hmr", two + "\"\",\"\",\"nameless@x\",\"\",\"\"\r\n"), loading, 3,
       "Line 3: the name is empty."},
      {File("big.hmr", too_many), loading, 32768, "The file holds more than 32767 participants."},
      // The name lacks its closing quote: Bob must not swallow Carol, nor lose his address.
      {File("bob.hmr", two + "\"\",\"Bob,\"bob@example.org\",\"\",\"\"\r\n" + carol), loading, 3,
       "Line 3: the name field \"Bob,\"bob@example.org\" holds a double quote (a quote may be "
       "missing)."},
      // A line break inside the first name: not the older layout, and nobody absorbs the rest.
      {File("break.hmr", "\"\",\"Ann\r\nSmith\",\"ann@x\",\"\",\"\"\r\n" + two), version, 0,
       "Line 1: the name field has no closing quote."},
      {File("break2.hmr", two + "\"\",\"Bob\r\n\",\"bob@x\",\"\",\"\"\r\n" + carol), loading, 3,
       "Line 3: the name field has no closing quote."},
      {File("stray.hmr", two + "\"\",Bo\"b,\"b@x\",\"\",\"\"\r\n"), loading, 3,
       "Line 3: the exclusion list field \"\",Bo\"b,\"b@x\" holds a double quote (a quote may be "
       "missing)."},
      {File("bare.hmr", two + ",Bo,b\"@x,,\r\n"), loading, 3,
       "Line 3: the e-mail address field holds a stray double quote."},
      {File("ctrl.hmr", two + "\"\",\"\x1B[2JBob\",\"b@x\",\"\",\"\"\r\n"), loading, 3,
       "Line 3: the name field holds a control character."},
      {File("addr.hmr", two + "\"\",\"Bob\",\"bob at home\",\"\",\"\"\r\n"), loading, 3,
       "Line 3: the e-mail address \"bob at home\" does not look like an e-mail address."},
      {File("noaddr.hmr", two + "\"\",\"Bob\",\"\",\"\",\"\"\r\n"), loading, 3,
       "Line 3: the e-mail address \"\" does not look like an e-mail address."},
      // The older layout's address runs to the end of the line; a "," run there is damage.
      {File("old.hmr", "\"2\",\"Ann\",\"ann@x\"\r\n\"1\",\"Bo\",\"bo@x\",\"Cy\",\"cy@x\"\r\n"),
       "Loading Participant Information", 2,
       "Line 2: the e-mail address \"bo@x\",\"Cy\",\"cy@x\" holds \",\" (a quote may be missing)."},
  };
  for (const Case& c : cases) {
    Add("Someone");
    ui_.boxes.clear();
    dialogs_.shown_options.clear();
    EXPECT_FALSE(Load(c.path)) << c.path;
    std::string text = std::string("Error while ") + c.stage + " from file [" + c.path.string() +
                       "] on line number " + std::to_string(c.line);
    if (!c.reason.empty()) text += "\n" + c.reason;
    EXPECT_EQ(Texts(), Strings{text});
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
