#include "drawing/amend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "drawing/draw_engine.h"

namespace {

using roster::AmendFailure;
using roster::ExclusionGraph;
using roster::Xoshiro256;

// A roster's exclusions kept as explicit pairs, so the graph can grow by one.
struct Roster {
  int n = 0;
  std::set<std::pair<int, int>> forbidden;

  ExclusionGraph Graph() const {
    ExclusionGraph g(n);
    for (auto [u, v] : forbidden) g.Forbid(u, v);
    g.Finish();
    return g;
  }
  void AddRandom(Xoshiro256& rng, double p) {
    const int k = n++;
    for (int v = 0; v < k; ++v) {
      if (rng.NextUnit() < p) forbidden.insert({k, v});
      if (rng.NextUnit() < p) forbidden.insert({v, k});
    }
  }
  void Remove(int d) {
    std::set<std::pair<int, int>> kept;
    for (auto [u, v] : forbidden)
      if (u != d && v != d) kept.insert({u > d ? u - 1 : u, v > d ? v - 1 : v});
    forbidden = std::move(kept);
    --n;
  }
};

// The fewest givers that must change, by brute force; -1 when no valid assignment exists.
// `before` maps each giver of the new graph to the receiver they had (-1: none to keep).
int FewestChanges(const ExclusionGraph& g, const std::vector<int>& before) {
  std::vector<int> p(static_cast<std::size_t>(g.size()));
  std::iota(p.begin(), p.end(), 0);
  int best = -1;
  do {
    if (!roster::IsValidAssignment(g, p)) continue;
    int changes = 0;
    for (std::size_t i = 0; i < p.size(); ++i) changes += p[i] != before[i];
    if (best < 0 || changes < best) best = changes;
  } while (std::next_permutation(p.begin(), p.end()));
  return best;
}

std::vector<int> Differing(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<int> out;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) out.push_back(static_cast<int>(i));
  return out;
}

TEST(AmendDrawing, JoinsAndLeavesKeepEveryExclusionAndChangeOnlyTheNamedGivers) {
  Xoshiro256 rng(19121);
  int joins = 0, leaves = 0, refused_joins = 0, refused_leaves = 0, chains = 0;
  for (int trial = 0; trial < 150; ++trial) {
    Roster r;
    const double p = 0.1 + 0.3 * rng.NextUnit();
    const int start = 3 + static_cast<int>(rng.Below(4));
    for (int i = 0; i < start; ++i) r.AddRandom(rng, p);
    auto drawn = roster::DrawAssignment(r.Graph(), rng);
    if (!drawn.ok) continue;
    std::vector<int> current = drawn.receiver_of;
    for (int step = 0; step < 8; ++step) {
      const bool join = r.n < 4 || (r.n < 8 && rng.Below(2) == 0);
      if (join) {
        Roster grown = r;
        grown.AddRandom(rng, p);
        const ExclusionGraph g = grown.Graph();
        const auto out = roster::SpliceJoiner(g, current, rng);
        std::vector<int> before = current;
        before.push_back(-1);
        if (!out.ok) {
          // Refused only when no giver G has G -> newcomer -> old receiver of G allowed.
          for (int giver = 0; giver < r.n; ++giver)
            EXPECT_FALSE(g.Allowed(giver, r.n) && g.Allowed(r.n, current[giver]));
          EXPECT_NE(roster::DescribeAmendFailure(out.failure, "Nia"), "");
          ++refused_joins;
          continue;
        }
        ASSERT_TRUE(roster::IsValidAssignment(g, out.receiver_of));
        EXPECT_EQ(Differing(out.receiver_of, before), out.changed);
        EXPECT_EQ(out.changed.size(), 2u);
        EXPECT_EQ(out.changed.back(), r.n);
        r = grown;
        current = out.receiver_of;
        ++joins;
      } else {
        const int d = static_cast<int>(rng.Below(static_cast<std::uint32_t>(r.n)));
        const auto out = roster::RemoveFromDrawing(r.Graph(), current, d, rng);
        Roster shrunk = r;
        shrunk.Remove(d);
        const ExclusionGraph g = shrunk.Graph();
        std::vector<int> before;
        for (int giver = 0; giver < r.n; ++giver)
          if (giver != d)
            before.push_back(current[giver] == d  ? -1
                             : current[giver] > d ? current[giver] - 1
                                                  : current[giver]);
        const int fewest = FewestChanges(g, before);
        if (!out.ok) {
          EXPECT_EQ(fewest, -1) << "refused although a drawing of the rest exists";
          ++refused_leaves;
          continue;
        }
        ASSERT_TRUE(roster::IsValidAssignment(g, out.receiver_of));
        EXPECT_EQ(Differing(out.receiver_of, before), out.changed);
        EXPECT_EQ(static_cast<int>(out.changed.size()), fewest);
        chains += out.changed.size() > 1;
        r = shrunk;
        current = out.receiver_of;
        ++leaves;
      }
    }
  }
  // The random rosters reach every branch.
  EXPECT_GT(joins, 100);
  EXPECT_GT(leaves, 100);
  EXPECT_GT(refused_joins, 0);
  EXPECT_GT(refused_leaves, 0);
  EXPECT_GT(chains, 10);
}

TEST(AmendDrawing, TheNewcomersPlaceIsUniformOverTheValidOnes) {
  // Six people in one loop; the newcomer (6) may not give to 2 and 0 may not give to the
  // newcomer, which leaves four valid places: givers 2, 3, 4 and 5.
  Roster r;
  r.n = 7;
  r.forbidden = {{6, 2}, {0, 6}};
  const ExclusionGraph g = r.Graph();
  const std::vector<int> loop{1, 2, 3, 4, 5, 0};
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    Xoshiro256 rng(seed);
    std::map<int, int> seen;
    const int trials = 8000;
    for (int t = 0; t < trials; ++t) {
      const auto out = roster::SpliceJoiner(g, loop, rng);
      ASSERT_TRUE(out.ok);
      EXPECT_EQ(out.places, 4);
      ++seen[out.changed.front()];
    }
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen.begin()->first, 2);
    double chi2 = 0;
    for (auto [giver, count] : seen)
      chi2 += (count - trials / 4.0) * (count - trials / 4.0) / (trials / 4.0);
    EXPECT_LT(chi2, 16.27) << "seed " << seed;  // 3 degrees of freedom, p = 0.001
  }
}

TEST(AmendDrawing, FailuresNameTheirReason) {
  Xoshiro256 rng(5);
  // Everybody refuses to give to the newcomer.
  Roster r;
  r.n = 4;
  r.forbidden = {{0, 3}, {1, 3}, {2, 3}};
  auto out = roster::SpliceJoiner(r.Graph(), {1, 2, 0}, rng);
  EXPECT_EQ(out.failure, AmendFailure::kNoGiver);
  EXPECT_EQ(roster::DescribeAmendFailure(out.failure, "Nia"),
            "every participant is excluded from giving to Nia");
  // An assignment that breaks the graph's own exclusions is not taken as a drawing.
  r.forbidden = {{0, 1}};
  EXPECT_EQ(roster::SpliceJoiner(r.Graph(), {1, 2, 0}, rng).failure, AmendFailure::kBadInput);
  // Leaving a pair of two leaves nobody to give to.
  Roster two;
  two.n = 2;
  EXPECT_EQ(roster::RemoveFromDrawing(two.Graph(), {1, 0}, 0, rng).failure, AmendFailure::kTooFew);
  // 0 -> 1 -> 2 -> 0; when 1 leaves, 0 would give to 2, but only 0 could, and may not.
  Roster tri;
  tri.n = 3;
  tri.forbidden = {{0, 2}};
  out = roster::RemoveFromDrawing(tri.Graph(), {1, 2, 0}, 1, rng);
  EXPECT_EQ(out.failure, AmendFailure::kReceiverStuck);
}

TEST(AmendDrawing, ADropOutInALargeRosterChangesOneGiverWhenAllowed) {
  Xoshiro256 rng(77);
  const int n = 20000;
  ExclusionGraph g(n);
  for (int u = 0; u < n; ++u)
    for (int k = 0; k < 5; ++k) g.Forbid(u, static_cast<int>(rng.Below(n)));
  g.Finish();
  const auto drawn = roster::DrawAssignment(g, rng);
  ASSERT_TRUE(drawn.ok);
  int single = 0;
  for (int t = 0; t < 20; ++t) {
    const int d = static_cast<int>(rng.Below(n));
    const auto out = roster::RemoveFromDrawing(g, drawn.receiver_of, d, rng);
    ASSERT_TRUE(out.ok);
    ASSERT_TRUE(roster::IsValidAssignment(roster::WithoutParticipant(g, d), out.receiver_of));
    single += out.changed.size() == 1;
  }
  EXPECT_GE(single, 18);
}

}  // namespace
