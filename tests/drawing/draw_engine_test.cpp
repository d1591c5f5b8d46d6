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
std::vector<std::vector<int>> AllValid(const ExclusionGraph& g) {
  std::vector<int> p(static_cast<std::size_t>(g.size()));
  std::iota(p.begin(), p.end(), 0);
  std::vector<std::vector<int>> out;
  do {
    if (roster::IsValidAssignment(g, p)) out.push_back(p);
  } while (std::next_permutation(p.begin(), p.end()));
  return out;
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
  int feasible = 0, infeasible = 0, uniform = 0;
  for (int round = 0; round < 1200; ++round) {
    const int n = 1 + static_cast<int>(rng.Below(60));
    // Densities up to near-complete exclusion, skewed so that both outcomes are common.
    const double density = std::pow(rng.NextUnit(), 0.5) * (n <= 8 ? 0.8 : 0.97);
    const ExclusionGraph g = Graph(n, [&](int, int) { return rng.NextUnit() < density; });
    roster::DrawOptions options;
    options.step_budget = 20'000;  // keeps the tight cases quick; they take the fallback
    const auto out = DrawAssignment(g, rng, options);
    if (n <= 8) {
      ASSERT_EQ(out.ok, !AllValid(g).empty()) << "n=" << n << " round " << round;
    }
    if (out.ok) {
      ++feasible;
      uniform += out.method == DrawMethod::kUniform;
      ASSERT_TRUE(roster::IsValidAssignment(g, out.receiver_of)) << "round " << round;
    } else {
      ++infeasible;
      EXPECT_EQ(out.method, DrawMethod::kNone);
      ExpectProvesInfeasible(g, out.obstruction);
      EXPECT_FALSE(out.obstruction.Describe().empty());
    }
  }
  EXPECT_GT(feasible, 300);
  EXPECT_GT(infeasible, 300);
  EXPECT_GT(uniform, 100);
  EXPECT_LT(uniform, feasible);  // some fell back to the matching
}

TEST(DrawEngine, DrawsAreUniformOverAllValidAssignments) {
  // Chi-square over the enumerated valid assignments of small rosters with exclusions.
  const std::vector<std::set<std::pair<int, int>>> forbidden = {
      {},
      {{0, 1}, {1, 0}, {2, 3}},
      {{0, 1}, {1, 0}, {2, 3}, {3, 2}, {4, 5}, {0, 5}, {5, 1}},
  };
  Xoshiro256 rng(7);
  for (std::size_t i = 0; i < forbidden.size(); ++i) {
    const auto& f = forbidden[i];
    const ExclusionGraph g = Graph(4 + static_cast<int>(i), [&](int u, int v) {
      return f.contains({u, v});
    });
    const auto valid = AllValid(g);
    ASSERT_GT(valid.size(), 2u);
    std::map<std::vector<int>, int> counts;
    const int per_cell = 300;
    for (int d = 0; d < per_cell * static_cast<int>(valid.size()); ++d) {
      const auto out = DrawAssignment(g, rng);
      ASSERT_TRUE(out.ok && out.method == DrawMethod::kUniform);
      ++counts[out.receiver_of];
    }
    ASSERT_EQ(counts.size(), valid.size());
    double chi2 = 0;
    for (const auto& v : valid) chi2 += std::pow(counts[v] - per_cell, 2) / per_cell;
    // Upper 0.1% point of chi-square (Wilson-Hilferty).
    const double df = static_cast<double>(valid.size()) - 1, a = 2.0 / (9.0 * df);
    const double critical = df * std::pow(1 - a + 3.09 * std::sqrt(a), 3);
    EXPECT_LT(chi2, critical) << "n=" << g.size() << " with " << valid.size() << " assignments";
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

TEST(DrawEngine, TightBudgetFallsBackToAValidRandomisedMatching) {
  Xoshiro256 rng(3);
  // Each participant may draw only the next one, or the one after: few valid assignments.
  const int n = 40;
  const ExclusionGraph g =
      Graph(n, [](int u, int v) { return v != (u + 1) % n && v != (u + 2) % n; });
  roster::DrawOptions options;
  options.step_budget = 10'000;
  std::set<std::vector<int>> seen;
  for (int i = 0; i < 20; ++i) {
    const auto out = DrawAssignment(g, rng, options);
    ASSERT_TRUE(out.ok && out.method == DrawMethod::kMatching);
    EXPECT_TRUE(roster::IsValidAssignment(g, out.receiver_of));
    seen.insert(out.receiver_of);
  }
  EXPECT_GT(seen.size(), 1u);  // randomised, not one fixed answer
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
  EXPECT_EQ(out.method, DrawMethod::kUniform);
  EXPECT_TRUE(roster::IsValidAssignment(g, out.receiver_of));
  EXPECT_EQ(attempts_seen, out.attempts);
  EXPECT_GT(attempts_seen, 1);  // the window gets its turns while sampling
}

}  // namespace
