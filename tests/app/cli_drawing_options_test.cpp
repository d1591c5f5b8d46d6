// hollymoor-cli check and draw with --single-loop, --no-mutual and --avoid-years.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/cli_runner.h"

namespace cli_test {
namespace {

std::vector<Person> People(int n) {
  std::vector<Person> people;
  for (int i = 0; i < n; ++i)
    people.push_back({"P" + std::to_string(i), "p" + std::to_string(i) + "@example.org", "", ""});
  return people;
}

TEST(CliDrawingOptions, SingleLoopAndNoMutualHoldInEveryRevealedDrawing) {
  CliSandbox box;
  const auto roster = box.Write("seven.hmr", ListFile(People(7)));
  for (int seed = 1; seed <= 6; ++seed) {
    CliResult r = box.Run(
        {"draw", roster.string(), "--seed", std::to_string(seed), "--reveal", "--single-loop"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "Drawing exactly uniform; options: single loop\n")) << r.out;
    std::map<std::string, std::string> to;
    for (const auto& [g, rc] : ParsePairs(r.out)) to[g] = rc;
    ASSERT_EQ(to.size(), 7u);
    std::string at = "P0";
    for (int step = 1; step < 7; ++step) {
      at = to[at];
      EXPECT_NE(at, "P0") << r.out;
    }
    EXPECT_EQ(to[at], "P0") << r.out;

    r = box.Run(
        {"draw", roster.string(), "--seed", std::to_string(seed), "--reveal", "--no-mutual"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto pairs = ParsePairs(r.out);
    ExpectValidDrawing(pairs, 7);
    const std::set<std::pair<std::string, std::string>> given(pairs.begin(), pairs.end());
    for (const auto& [g, rc] : pairs) EXPECT_FALSE(given.contains({rc, g})) << g << " " << rc;
  }
}

TEST(CliDrawingOptions, AvoidYearsNeverRepeatsArchivedPairsAfterReordering) {
  CliSandbox box;
  const int n = 6;
  std::vector<Person> people = People(n);
  // Three archived drawings: everybody gave to the next one, the one after, and the third.
  std::filesystem::create_directories(box.data_dir() / "History");
  std::set<std::pair<std::string, std::string>> given;
  for (int shift = 1; shift <= 3; ++shift) {
    std::string text;
    for (int i = 0; i < n; ++i) {
      const Person& to = people[(i + shift) % n];
      text += "\"\",\"" + people[i].name + "\",\"" + people[i].email + "\",\"" + to.name +
              "\",\"\"\r\n";
      given.insert({people[i].email, to.email});
    }
    box.Write("data/History/2025120" + std::to_string(shift) + "-1800.hmr", text);
  }
  // This year the roster is reversed and P2 goes by another name (same address).
  std::vector<Person> now(people.rbegin(), people.rend());
  now[3].name = "Petra";
  const auto roster = box.Write("now.hmr", ListFile(now));
  std::map<std::string, std::string> email_of;
  for (const Person& p : now) email_of[p.name] = p.email;
  for (int seed = 1; seed <= 6; ++seed) {
    CliResult r = box.Run({"draw", roster.string(), "--seed", std::to_string(seed), "--reveal",
                           "--avoid-years", "3"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "pairs of the last 3 drawings avoided")) << r.out;
    const auto pairs = ParsePairs(r.out);
    ExpectValidDrawing(pairs, n);
    for (const auto& [g, rc] : pairs)
      EXPECT_FALSE(given.contains({email_of[g], email_of[rc]})) << g << " -> " << rc;
  }
  EXPECT_EQ(box.Run({"draw", roster.string(), "--avoid-years", "6"}).exit_code, 2);
  EXPECT_TRUE(Has(box.Run({"check", roster.string(), "--avoid-years", "3"}).out,
                  "avoiding the last 3 drawings: a drawing exists"));
}

TEST(CliDrawingOptions, CheckReportsEachOptionAndAnImpossibleLoopExitsThree) {
  CliSandbox box;
  // Two couples who may only give within the couple.
  const auto couples = box.Write("couples.hmr", ListFile({{"Ann", "ann@example.org", "3,4", ""},
                                                          {"Bob", "bob@example.org", "3,4", ""},
                                                          {"Cat", "cat@example.org", "1,2", ""},
                                                          {"Dan", "dan@example.org", "1,2", ""}}));
  CliResult r = box.Run({"check", couples.string(), "--single-loop", "--no-mutual"});
  EXPECT_EQ(r.exit_code, 3) << r.out << r.err;
  EXPECT_TRUE(Has(r.out, "a drawing exists\n")) << r.out;
  EXPECT_TRUE(Has(r.out,
                  "single loop: no drawing exists: Ann and Bob may give only among "
                  "themselves"))
      << r.out;
  EXPECT_TRUE(Has(r.out,
                  "no swapped pairs: no drawing exists: Every possible drawing has two "
                  "people drawing each other"))
      << r.out;

  r = box.Run({"draw", couples.string(), "--reveal", "--single-loop"});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(Has(r.err, "A single loop through everybody is impossible")) << r.err;
  EXPECT_TRUE(Has(r.err,
                  "reason: Ann and Bob can only give among themselves, so no single loop can "
                  "include everybody\n"))
      << r.err;
  r = box.Run({"draw", couples.string(), "--no-mutual"});
  EXPECT_EQ(r.exit_code, 3);
  EXPECT_TRUE(Has(r.err,
                  "reason: every possible drawing has two people drawing each other (every "
                  "possible drawing was counted)\n"))
      << r.err;
  EXPECT_EQ(box.Run({"draw", couples.string()}).exit_code, 0);

  const auto loose = box.Write("loose.hmr", ListFile(People(8)));
  r = box.Run({"check", loose.string(), "--single-loop"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(Has(r.out,
                  "single loop: a drawing exists (everybody may give to and receive "
                  "from at least half of the others)"))
      << r.out;
}

}  // namespace
}  // namespace cli_test
