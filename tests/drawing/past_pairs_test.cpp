#include "drawing/past_pairs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "drawing/draw_engine.h"

namespace {

using roster::Person;

TEST(PastPairs, MatchReorderedAndRenamedRostersByAddressThenName) {
  roster::PastDrawing last_year{"20251201-1800",
                                {{{"Ann", "ann@example.org"}, {"Bob", "bob@example.org"}},
                                 {{"Bob", "bob@example.org"}, {"Cy", ""}},
                                 {{"Cy", ""}, {"Dee", "dee@old.example"}},
                                 {{"Dee", "dee@old.example"}, {"Ann", "ann@example.org"}},
                                 {{"Eve", "eve@example.org"}, {"Ann", "ann@example.org"}}}};
  // Reordered; Ann renamed but her address kept (in other case); Dee's address changed but
  // her name kept; Eve left; Fay is new.
  const std::vector<Person> now = {{" Dee ", "dee@new.example"},
                                   {"Fay", "fay@example.org"},
                                   {"Bob", "BOB@Example.org"},
                                   {"Annie", "Ann@Example.ORG"},
                                   {"cy", ""}};
  auto pairs = roster::MatchPastPairs(now, last_year);
  std::sort(pairs.begin(), pairs.end());
  // Ann->Bob, Bob->Cy, Cy->Dee, Dee->Ann; Eve's pair is gone with her.
  EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{0, 3}, {2, 4}, {3, 2}, {4, 0}}));
}

TEST(PastPairs, SharedAddressFallsBackToTheNameAndAmbiguousPeopleMatchNobody) {
  const roster::PastDrawing past{"x",
                                 {{{"Kid", "family@example.org"}, {"Mum", "family@example.org"}},
                                  {{"Sam", ""}, {"Mum", "family@example.org"}}}};
  const std::vector<Person> now = {
      {"Mum", "family@example.org"}, {"Kid", "family@example.org"}, {"Sam", ""}, {"Sam", ""}};
  // Two people named Sam without addresses: that pair cannot be placed.
  EXPECT_EQ(roster::MatchPastPairs(now, past), (std::vector<std::pair<int, int>>{{1, 0}}));
}

TEST(PastPairs, AvoidingThemNeverRepeatsAPairAcrossReorderedYears) {
  roster::Xoshiro256 rng(4);
  const int n = 9;
  std::vector<Person> people;
  for (int i = 0; i < n; ++i)
    people.push_back({"P" + std::to_string(i), "p" + std::to_string(i) + "@example.org"});
  std::vector<roster::PastDrawing> years;
  std::set<std::pair<std::string, std::string>> given;  // by name, over all years
  for (int year = 0; year < 4; ++year) {
    // The roster is shuffled every year: the match must follow the people, not the rows.
    for (int i = n - 1; i > 0; --i) std::swap(people[i], people[rng.Below(i + 1)]);
    std::vector<std::pair<int, int>> avoid;
    for (const auto& past : years)
      for (const auto& pair : roster::MatchPastPairs(people, past)) avoid.push_back(pair);
    roster::ExclusionGraph graph(n);
    graph.Finish();
    const auto out = roster::DrawAssignment(graph.With(avoid), rng);
    ASSERT_TRUE(out.ok) << "year " << year;
    roster::PastDrawing drawn{std::to_string(year), {}};
    for (int g = 0; g < n; ++g) {
      const Person& to = people[out.receiver_of[g]];
      EXPECT_TRUE(given.insert({people[g].name, to.name}).second)
          << people[g].name << " drew " << to.name << " again in year " << year;
      drawn.pairs.push_back({people[g], to});
    }
    years.push_back(drawn);
  }
}

}  // namespace
