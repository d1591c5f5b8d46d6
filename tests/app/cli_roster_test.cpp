// hollymoor-cli check and draw, and the command line's handling of bad usage.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "app/cli_runner.h"

namespace cli_test {
namespace {

const std::vector<Person> kFamily = {
    {"Ann", "ann@example.org", "2", "tea"},  // Ann must not draw Bob
    {"Bob", "bob@example.org", "1", ""},    {"Cat", "cat@example.org", "", "books"},
    {"Dan", "dan@example.org", "", ""},     {"Eve", "eve@example.org", "1,2", ""},
};

int Lines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST(CliUsage, HelpForEveryCommandAndOneLineErrors) {
  CliSandbox box;
  CliResult r = box.RunBare({"--help"});
  EXPECT_EQ(r.exit_code, 0);
  for (const char* command : {"check", "draw", "send", "resend", "message", "settings"}) {
    EXPECT_TRUE(Has(r.out, std::string("  ") + command + " ")) << command;
    CliResult h = box.RunBare({command, "--help"});
    EXPECT_EQ(h.exit_code, 0) << command;
    EXPECT_EQ(h.out.rfind(std::string("Usage: hollymoor-cli [global options] ") + command, 0), 0u)
        << h.out;
  }
  for (const std::string bad :
       {"", "dance", "check", "check a.hmr b.hmr", "draw a.hmr --seed", "draw a.hmr --colour red",
        "check a.hmr --reveal", "draw a.hmr --reveal=yes", "-x",
        "send a.hmr --subject a --subject b"}) {
    std::vector<std::string> args;
    std::istringstream words(bad);
    for (std::string w; words >> w;) args.push_back(w);
    CliResult e = box.RunBare(args);
    EXPECT_EQ(e.exit_code, 2) << bad;
    EXPECT_EQ(Lines(e.err), 1) << e.err;
    EXPECT_EQ(e.err.rfind("hollymoor-cli: ", 0), 0u) << e.err;
    EXPECT_EQ(e.out, "");
  }
}

TEST(CliCheck, ReportsCountProblemsAndThatADrawingExists) {
  CliSandbox box;
  std::vector<Person> people = kFamily;
  people[2].email = "cat@nowhere";  // no dot after the "@"
  people[3].exclusions = "9";
  people[4].email = "Eve <eve@example.org>";  // the documented rule passes it; no server would
  const auto roster = box.Write("family.hmr", ListFile(people));
  CliResult r = box.Run({"check", roster.string()});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "5 participants\n"
            "problem: row 3 (Cat): invalid e-mail address \"cat@nowhere\"\n"
            "problem: row 4 (Dan): exclusion \"9\" names no participant\n"
            "problem: row 5 (Eve): invalid e-mail address \"Eve <eve@example.org>\"\n"
            "a drawing exists\n");
  EXPECT_EQ(r.err, "");

  // The reader refuses a record without a name.
  people[3].name = "";
  r = box.Run({"check", box.Write("nameless.hmr", ListFile(people)).string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "on line number 4 / Line 4: the name is empty.")) << r.err;
}

TEST(CliCheck, DamagedFilesNeverGiveAShorterRoster) {
  CliSandbox box;
  // Bob's name lost its closing quote: read loosely, Bob would swallow Cat.
  const auto bob = box.Write("bob.hmr",
                             "\"\",\"Ann\",\"ann@example.org\",\"\",\"\"\r\n"
                             "\"\",\"Bob,\"bob@example.org\",\"\",\"\"\r\n"
                             "\"\",\"Cat\",\"cat@example.org\",\"\",\"\"\r\n");
  CliResult r = box.Run({"check", bob.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "[" + bob.string() + "] on line number 0 / Line 2: the name field"))
      << r.err;
  // Saved as UTF-16 without a byte-order mark, then as garbage: the encoding is named.
  std::string utf16;
  for (char c : ListFile(kFamily)) utf16 += std::string{c, '\0'};
  r = box.Run({"draw", box.Write("u16.hmr", utf16).string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "holds NUL characters")) << r.err;
  // With the mark it is read as the spreadsheet meant it.
  r = box.Run({"check", box.Write("u16.hmr", "\xFF\xFE" + utf16).string()});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "5 participants")) << r.out;
}

TEST(CliCheck, NamesWhoCannotGiveOrReceive) {
  CliSandbox box;
  // The exclusions of Ann, Bob and Cat (Dan has none), and what the check says of them.
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"3", "3", ""}, "no drawing exists: nobody can give to Cat"},
      {{"2,4", "1,4", "", ""}, "Ann and Bob can only give to Cat"},
      {{"2,3", "", ""}, "Ann cannot give to anybody"}};
  for (const auto& [exclusions, expected] : cases) {
    std::vector<Person> people;
    for (std::size_t i = 0; i < exclusions.size(); ++i)
      people.push_back({kFamily[i].name, kFamily[i].email, exclusions[i], ""});
    CliResult r = box.Run({"check", box.Write("x.hmr", ListFile(people)).string()});
    EXPECT_EQ(r.exit_code, 3) << expected;
    EXPECT_TRUE(Has(r.out, expected)) << r.out;
  }
}

TEST(CliCheck, UnreadableFilesExitTwoWithTheReadersMessage) {
  CliSandbox box;
  CliResult r = box.Run({"check", (box.dir() / "missing.hmr").string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_TRUE(Has(r.err, "No such file")) << r.err;

  // A list of the current layout with one record fails the reader's version check.
  const auto one = box.Write("one.hmr", ListFile({kFamily[0]}));
  r = box.Run({"check", one.string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err, "hollymoor-cli: Error while Checking File Version from file [" + one.string() +
                       "] on line number 0 / A list needs at least two participants.\n");
  EXPECT_EQ(r.out, "");

  r = box.Run({"draw", box.dir().string()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(Lines(r.err), 1) << r.err;
}

TEST(CliDraw, RevealsAValidAssignmentRepeatablyBySeedOrTheAbort) {
  CliSandbox box;
  const auto roster = box.Write("family.hmr", ListFile(kFamily));
  CliResult hidden = box.Run({"draw", roster.string(), "--seed", "42"});
  EXPECT_EQ(hidden.exit_code, 0) << hidden.err;
  for (const Person& p : kFamily) EXPECT_FALSE(Has(hidden.out, p.name));

  CliResult r = box.Run({"draw", roster.string(), "--seed", "42", "--reveal"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const auto pairs = ParsePairs(r.out);
  ExpectValidDrawing(pairs, kFamily.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) EXPECT_EQ(pairs[i].first, kFamily[i].name);
  const std::set<std::pair<std::string, std::string>> excluded = {
      {"Ann", "Bob"}, {"Bob", "Ann"}, {"Eve", "Ann"}, {"Eve", "Bob"}};
  for (const auto& pair : pairs) EXPECT_FALSE(excluded.contains(pair)) << pair.first;

  EXPECT_EQ(box.Run({"draw", roster.string(), "--seed", "42", "--reveal"}).out, r.out);
  // Other seeds reach other assignments.
  std::set<std::string> seen;
  for (int seed = 1; seed <= 12; ++seed)
    seen.insert(box.Run({"draw", roster.string(), "--seed", std::to_string(seed), "--reveal"}).out);
  EXPECT_GT(seen.size(), 1u);
  EXPECT_EQ(box.Run({"draw", roster.string(), "--seed", "x1"}).exit_code, 2);

  // Two who exclude each other: the abort text, and nothing revealed.
  r = box.Run(
      {"draw", box.Write("two.hmr", ListFile({kFamily[0], kFamily[1]})).string(), "--reveal"});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "Calculation Aborted: You may have too many Exclusions set.")) << r.err;
  EXPECT_TRUE(Has(r.err, "nobody can give to Ann")) << r.err;
}

}  // namespace
}  // namespace cli_test
