#include "drawing/draw_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace {

using roster::DrawAssignment;
using roster::DrawMethod;
using roster::DrawRules;
using roster::ExclusionGraph;
using roster::Obstruction;
using roster::Xoshiro256;

// Forbids every pair for which forbid(u, v) holds.
template <typename F>
ExclusionGraph Graph(int n, F forbid) {
  ExclusionGraph g(n);
  for (int u = 0; u < n; ++u)
    for (int v = 0; v < n; ++v)
      if (u != v && forbid(u, v)) g.Forbid(u, v);
  g.Finish();
  return g;
}

// Every valid assignment, by brute force over all permutations.
std::vector<std::vector<int>> AllValid(const ExclusionGraph& g, const DrawRules& rules = {}) {
  std::vector<int> p(static_cast<std::size_t>(g.size()));
  std::iota(p.begin(), p.end(), 0);
  std::vector<std::vector<int>> out;
  do {
    if (roster::IsValidAssignment(g, p, rules)) out.push_back(p);
  } while (std::next_permutation(p.begin(), p.end()));
  return out;
}

// The four combinations of the optional rules.
const DrawRules kRuleSets[] = {{false, false}, {true, false}, {false, true}, {true, true}};

std::string Name(const DrawRules& r) {
  return std::string(r.no_mutual ? "no-mutual" : "") + (r.single_loop ? " single-loop" : "");
}

// Upper 0.1% point of chi-square with df degrees of freedom (Wilson-Hilferty).
double ChiSquareCritical(double df) {
  const double a = 2.0 / (9.0 * df);
  return df * std::pow(1 - a + 3.09 * std::sqrt(a), 3);
}

// An obstruction is a certificate: check it against the explicit graph, independently of
// the matching code that produced it.
void ExpectProvesInfeasible(const ExclusionGraph& g, const Obstruction& o) {
  const int n = g.size();
  if (o.kind == Obstruction::Kind::kUndrawableReceiver) {
    for (int u = 0; u < n; ++u) EXPECT_FALSE(g.Allowed(u, o.receiver)) << u;
    return;
  }
  ASSERT_EQ(o.kind, Obstruction::Kind::kGiversShort);
  std::set<int> reach;
  for (int u : o.givers)
    for (int v = 0; v < n; ++v)
      if (g.Allowed(u, v)) reach.insert(v);
  EXPECT_EQ(std::vector<int>(reach.begin(), reach.end()), o.receivers);
  EXPECT_LT(o.receivers.size(), o.givers.size());
}

TEST(DrawEngine, EveryResultIsValidAndEveryAbortIsProvenOnRandomRosters) {
  Xoshiro256 rng(20261205);
  for (const DrawRules& rules : kRuleSets) {
    int feasible = 0, infeasible = 0, unknown = 0;
    std::map<DrawMethod, int> methods;
    for (int round = 0; round < 500; ++round) {
      const int n = 1 + static_cast<int>(rng.Below(40));
      // Densities up to near-complete exclusion, skewed so that both outcomes are common.
      const double density = std::pow(rng.NextUnit(), 0.5) * (n <= 9 ? 0.7 : 0.9);
      const ExclusionGraph g = Graph(n, [&](int, int) { return rng.NextUnit() < density; });
      roster::DrawOptions options;
      options.rules = rules;
      options.step_budget = 5'000;  // keeps the tight cases quick; they take the walk
      options.chain_factor = 2;
      options.search_steps = 100'000;
      // Some small rosters skip the counting, so the walk meets them too.
      if (round % 3 == 0) options.exact_limit = 0;
      const auto out = DrawAssignment(g, rng, options);
      const std::string where =
          Name(rules) + " n=" + std::to_string(n) + " round " + std::to_string(round);
      if (n <= 9) {
        const bool exists = !AllValid(g, rules).empty();
        // A proven "impossible" must be right, and counted rosters are always decided.
        if (!out.ok && !out.timed_out) {
          ASSERT_FALSE(exists) << where;
        }
        if (options.exact_limit > 0) {
          ASSERT_EQ(out.ok, exists) << where;
        }
      }
      ++methods[out.method];
      if (out.ok) {
        ++feasible;
        ASSERT_TRUE(roster::IsValidAssignment(g, out.receiver_of, rules)) << where;
      } else if (out.timed_out) {
        ++unknown;
        EXPECT_EQ(out.obstruction.kind, Obstruction::Kind::kNone);
      } else {
        ++infeasible;
        EXPECT_EQ(out.method, DrawMethod::kNone);
        if (out.obstruction.kind == Obstruction::Kind::kUndrawableReceiver ||
            out.obstruction.kind == Obstruction::Kind::kGiversShort)
          ExpectProvesInfeasible(g, out.obstruction);
        EXPECT_FALSE(out.obstruction.Describe().empty());
      }
    }
    EXPECT_GT(feasible, 100) << Name(rules);
    EXPECT_GT(infeasible, 100) << Name(rules);
    EXPECT_LT(unknown, 25) << Name(rules);
    EXPECT_GT(methods[DrawMethod::kRejection], 20) << Name(rules);
    EXPECT_GT(methods[DrawMethod::kExact], 10) << Name(rules);
    EXPECT_GT(methods[DrawMethod::kMarkovChain], 5) << Name(rules);
  }
}

// Chi-square over the enumerated valid assignments of small rosters, for every rule set and
// every sampler: the exact ones and the walk.
TEST(DrawEngine, DrawsAreUniformOverAllValidAssignments) {
  const std::vector<std::set<std::pair<int, int>>> forbidden = {
      {{0, 1}, {1, 0}, {2, 3}},
      {{0, 1}, {1, 0}, {2, 3}, {3, 2}, {4, 0}, {0, 4}, {1, 4}},
  };
  Xoshiro256 rng(7);
  for (const DrawRules& rules : kRuleSets) {
    for (std::size_t i = 0; i < forbidden.size(); ++i) {
      const auto& f = forbidden[i];
      const ExclusionGraph g = Graph(5 + static_cast<int>(i), [&](int u, int v) {
        return f.contains({u, v});
      });
      const auto valid = AllValid(g, rules);
      ASSERT_GT(valid.size(), 2u) << Name(rules);
      // Rejection alone, counting alone, and the walk alone.
      for (const DrawMethod method :
           {DrawMethod::kRejection, DrawMethod::kExact, DrawMethod::kMarkovChain}) {
        roster::DrawOptions options;
        options.rules = rules;
        options.step_budget = method == DrawMethod::kRejection ? 0 : 1;
        options.exact_limit = method == DrawMethod::kMarkovChain ? 0 : 16;
        options.chain_factor = 20;
        const int per_cell = method == DrawMethod::kMarkovChain ? 60 : 200;
        std::map<std::vector<int>, int> counts;
        for (int d = 0; d < per_cell * static_cast<int>(valid.size()); ++d) {
          const auto out = DrawAssignment(g, rng, options);
          ASSERT_TRUE(out.ok);
          // The tiny step budget may still find one by rejection; count only the method
          // under test.
          if (out.method != method) {
            --d;
            continue;
          }
          ++counts[out.receiver_of];
        }
        ASSERT_EQ(counts.size(), valid.size()) << Name(rules);
        double chi2 = 0;
        for (const auto& v : valid) chi2 += std::pow(counts[v] - per_cell, 2) / per_cell;
        EXPECT_LT(chi2, ChiSquareCritical(static_cast<double>(valid.size()) - 1))
            << Name(rules) << " method " << static_cast<int>(method) << " with " << valid.size()
            << " assignments";
      }
    }
  }
}

// Eight people who may each give only to one of the three before them: the walk's small
// moves alone never leave the island they start on here; with block moves every valid
// assignment comes up equally often, under every rule set.
TEST(DrawEngine, TheWalkIsUniformOnATightRoster) {
  const int n = 8;
  const ExclusionGraph g = Graph(n, [](int u, int v) { return (u - v + n) % n > 3; });
  Xoshiro256 rng(18);
  for (const DrawRules& rules : kRuleSets) {
    const auto valid = AllValid(g, rules);
    ASSERT_GT(valid.size(), 2u) << Name(rules);
    roster::DrawOptions options;
    options.rules = rules;
    options.step_budget = 1;
    options.exact_limit = 0;
    options.chain_factor = 1;
    const int per_cell = 25;
    std::map<std::vector<int>, int> counts;
    for (int d = 0; d < per_cell * static_cast<int>(valid.size()); ++d) {
      const auto out = DrawAssignment(g, rng, options);
      ASSERT_TRUE(out.ok);
      if (out.method != DrawMethod::kMarkovChain) {  // the one rejection try succeeded
        --d;
        continue;
      }
      ++counts[out.receiver_of];
    }
    ASSERT_EQ(counts.size(), valid.size()) << Name(rules);
    double chi2 = 0;
    for (const auto& v : valid) chi2 += std::pow(counts[v] - per_cell, 2) / per_cell;
    EXPECT_LT(chi2, ChiSquareCritical(static_cast<double>(valid.size()) - 1))
        << Name(rules) << " with " << valid.size() << " assignments";
  }
}

// The random rosters above prove the obstructions; these are the texts they give.
TEST(DrawEngine, ObstructionsNameTheReason) {
  Xoshiro256 rng(1);
  auto out = DrawAssignment(Graph(4, [](int, int v) { return v == 0; }), rng);
  EXPECT_EQ(out.obstruction.Describe(),
            "Nobody may draw participant 1: everybody else excludes them.");
  // Participants 1, 2 and 3 may only draw 1 and 2.
  out = DrawAssignment(Graph(5, [](int u, int v) { return u < 3 && v >= 2; }), rng);
  EXPECT_EQ(out.obstruction.kind, Obstruction::Kind::kGiversShort);
  EXPECT_NE(out.obstruction.Describe().find("may draw only"), std::string::npos);
}

TEST(DrawEngine, TightRostersAreDrawnByTheWalkUnderEveryRule) {
  Xoshiro256 rng(3);
  // Each participant may draw only one of the next three: few valid assignments.
  const int n = 40;
  const ExclusionGraph g = Graph(n, [](int u, int v) { return (v - u + n) % n > 3; });
  for (const DrawRules& rules : kRuleSets) {
    roster::DrawOptions options;
    options.rules = rules;
    options.step_budget = 10'000;
    std::set<std::vector<int>> seen;
    for (int i = 0; i < 10; ++i) {
      const auto out = DrawAssignment(g, rng, options);
      ASSERT_TRUE(out.ok) << Name(rules);
      EXPECT_EQ(out.method, DrawMethod::kMarkovChain);
      EXPECT_EQ(roster::UniformityText(out.method), "approximately uniform");
      EXPECT_TRUE(roster::IsValidAssignment(g, out.receiver_of, rules)) << Name(rules);
      seen.insert(out.receiver_of);
    }
    EXPECT_GT(seen.size(), 5u) << Name(rules);  // randomised, not one fixed answer
  }
}

TEST(DrawEngine, SingleLoopProofsAndTexts) {
  Xoshiro256 rng(5);
  roster::DrawOptions loop;
  loop.rules.single_loop = true;
  // Two households of 20 that may only give within themselves: an ordinary drawing exists,
  // one loop cannot, and the proof needs no search.
  const ExclusionGraph split = Graph(40, [](int u, int v) { return (u < 20) != (v < 20); });
  roster::DrawOptions ordinary;
  ordinary.step_budget = 10'000;
  EXPECT_TRUE(DrawAssignment(split, rng, ordinary).ok);
  auto out = DrawAssignment(split, rng, loop);
  ASSERT_FALSE(out.ok);
  EXPECT_FALSE(out.timed_out);
  EXPECT_EQ(out.obstruction.kind, Obstruction::Kind::kClosedGroup);
  EXPECT_EQ(out.obstruction.givers.size(), 20u);
  EXPECT_NE(out.obstruction.Describe().find("may give only among themselves"), std::string::npos);

  // Three people who may not give "forward" (0->1, 1->2, 2->0) have only the other loop, and
  // two people only a swap.
  const ExclusionGraph three = Graph(3, [](int u, int v) { return v == (u + 1) % 3; });
  out = DrawAssignment(three, rng, loop);
  ASSERT_TRUE(out.ok);
  EXPECT_EQ(out.receiver_of, (std::vector<int>{2, 0, 1}));
  loop.rules.no_mutual = true;
  out = DrawAssignment(Graph(2, [](int, int) { return false; }), rng, loop);
  EXPECT_EQ(out.obstruction.kind, Obstruction::Kind::kNoSingleLoop);
  roster::DrawOptions no_mutual;
  no_mutual.rules.no_mutual = true;
  out = DrawAssignment(Graph(4, [](int u, int v) { return u / 2 != v / 2; }), rng, no_mutual);
  EXPECT_EQ(out.obstruction.Describe(),
            "Every possible drawing has two people drawing each other: every possible drawing "
            "was counted.");
}

TEST(DrawEngine, ExistenceIsProvenQuicklyOrReportedUnknown) {
  Xoshiro256 rng(9);
  roster::DrawOptions loop;
  loop.rules.single_loop = true;
  const ExclusionGraph loose = Graph(1000, [](int u, int v) { return (u + v) % 7 == 0; });
  auto e = roster::CheckExistence(loose, rng, loop);
  EXPECT_EQ(e.answer, roster::Existence::Answer::kExists);
  EXPECT_NE(e.how.find("half"), std::string::npos);
  const ExclusionGraph split = Graph(30, [](int u, int v) { return (u < 15) != (v < 15); });
  e = roster::CheckExistence(split, rng, loop);
  EXPECT_EQ(e.answer, roster::Existence::Answer::kImpossible);
  // Participant 0 may give only to 1 and receive only from 1: no loop through everybody, but
  // no cheap proof shows it, so beyond the counting limit the engine claims neither way.
  const ExclusionGraph pinned =
      Graph(12, [](int u, int v) { return (u == 0 && v != 1) || (v == 0 && u != 1); });
  loop.exact_limit = 0;
  loop.step_budget = 1000;
  loop.search_steps = 100'000;
  e = roster::CheckExistence(pinned, rng, loop);
  EXPECT_EQ(e.answer, roster::Existence::Answer::kUnknown);
  EXPECT_TRUE(DrawAssignment(pinned, rng, loop).timed_out);
  loop.exact_limit = 16;  // counted, it is proven
  EXPECT_EQ(roster::CheckExistence(pinned, rng, loop).answer,
            roster::Existence::Answer::kImpossible);
}

TEST(DrawEngine, LargestRosterWithFiveExclusionsEachIsDrawnUniformly) {
  Xoshiro256 rng(11);
  const int n = 32767;
  ExclusionGraph g(n);
  for (int u = 0; u < n; ++u)
    for (int k = 0; k < 5; ++k) g.Forbid(u, static_cast<int>(rng.Below(n)));
  g.Finish();
  int attempts_seen = 0;
  roster::DrawOptions options;
  options.on_attempt = [&] { ++attempts_seen; };
  const auto out = DrawAssignment(g, rng, options);
  ASSERT_TRUE(out.ok);
  EXPECT_EQ(out.method, DrawMethod::kRejection);
  EXPECT_TRUE(roster::IsValidAssignment(g, out.receiver_of));
  EXPECT_EQ(attempts_seen, out.attempts);
  EXPECT_GT(attempts_seen, 1);  // the window gets its turns while sampling
  for (const DrawRules& rules : kRuleSets) {
    options.rules = rules;
    const auto ruled = DrawAssignment(g, rng, options);
    ASSERT_TRUE(ruled.ok) << Name(rules);
    EXPECT_EQ(roster::UniformityText(ruled.method), "exactly uniform") << Name(rules);
    EXPECT_TRUE(roster::IsValidAssignment(g, ruled.receiver_of, rules)) << Name(rules);
  }
}

}  // namespace
