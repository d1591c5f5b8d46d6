#include "drawing/walk_distance.h"

#include <gtest/gtest.h>

namespace {

using roster::DrawRules;
using roster::ExclusionGraph;
using roster::MeasureWalkDistance;

ExclusionGraph Households(int n, int size) {
  ExclusionGraph g(n);
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      if (a != b && a / size == b / size) g.Forbid(a, b);
  g.Finish();
  return g;
}

// Three people, no exclusions: the two loops 0->1->2->0 and 0->2->1->0 are the only valid
// assignments. One step in eight redraws everybody's receiver at once (a block of three),
// which changes the loop with probability 1/2; of the twelve small moves, the three rotations
// in one direction turn one loop into the other and everything else would make someone draw
// themself. So the walk changes with probability 1/16 + 7/32 = 9/32 and is
// 0.5 * (14/32)^t from uniform after t steps: 0.018 after 4, 0.0080 after 5.
TEST(WalkDistance, MatchesTheDistanceWorkedOutByHand) {
  std::string error;
  const auto d = MeasureWalkDistance(ExclusionGraph(3), {}, error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->assignments, 2u);
  EXPECT_TRUE(d->symmetric);
  EXPECT_EQ(d->mixing_steps, 5);
  EXPECT_LT(d->distance, 1e-10);  // the floor of double-precision arithmetic
}

// The walk of a drawing is long enough to come within 0.01 of uniform, from any start, on
// tight rosters and under every option.
TEST(WalkDistance, EveryOptionComesWithinOnePercentOfUniform) {
  const ExclusionGraph couples = Households(6, 2), threes = Households(7, 3);
  for (const ExclusionGraph* g : {&couples, &threes})
    for (const DrawRules& rules : {DrawRules{}, DrawRules{true, false}, DrawRules{false, true}}) {
      std::string error;
      const auto d = MeasureWalkDistance(*g, rules, error);
      ASSERT_TRUE(d) << error;
      SCOPED_TRACE(testing::Message() << g->size() << " people, no-mutual " << rules.no_mutual
                                      << ", single loop " << rules.single_loop);
      EXPECT_GT(d->assignments, 10u);
      EXPECT_TRUE(d->symmetric);
      EXPECT_LT(d->distance, 0.01);
      EXPECT_GT(d->mixing_steps, 0);
      EXPECT_LT(d->mixing_steps, d->steps);
    }
}

// Eight people who may each give only to one of the three before them (each excludes 4 of
// the 7 others): swaps and rotations of three, or moving stretches of a loop, leave the valid
// assignments in separate islands here. Redrawing blocks of givers joins them.
TEST(WalkDistance, TheTightestRostersAreReachedWhole) {
  const int n = 8;
  ExclusionGraph g(n);
  for (int a = 0; a < n; ++a)
    for (int b = 0; b < n; ++b)
      if (a != b && (a - b + n) % n > 3) g.Forbid(a, b);
  g.Finish();
  for (const DrawRules& rules : {DrawRules{}, DrawRules{true, false}, DrawRules{false, true}}) {
    std::string error;
    const auto d = MeasureWalkDistance(g, rules, error);
    ASSERT_TRUE(d) << error;
    SCOPED_TRACE(testing::Message()
                 << "no-mutual " << rules.no_mutual << ", single loop " << rules.single_loop);
    EXPECT_GT(d->assignments, 20u);
    EXPECT_TRUE(d->symmetric);
    EXPECT_LT(d->distance, 0.01);
    EXPECT_GT(d->mixing_steps, 0);
    EXPECT_LT(d->mixing_steps, d->steps / 4);
  }
}

TEST(WalkDistance, RefusesRostersTooLargeToList) {
  std::string error;
  EXPECT_FALSE(MeasureWalkDistance(ExclusionGraph(10), {}, error));
  EXPECT_EQ(error, "more than 9 participants");
  EXPECT_FALSE(MeasureWalkDistance(ExclusionGraph(8), {}, error, {}, 100));
  EXPECT_EQ(error, "more than 100 valid assignments");
  EXPECT_FALSE(MeasureWalkDistance(Households(4, 4), {}, error));
  EXPECT_EQ(error, "no valid assignment");
}

}  // namespace
