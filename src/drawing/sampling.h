#pragma once
// The samplers behind DrawAssignment: rejection (exactly uniform) and a random walk over
// valid assignments (close to uniform), with the search that finds the walk's start.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "core/random.h"
#include "drawing/draw_engine.h"
#include "drawing/matching.h"

namespace roster {

// Random permutations (or random loops, for single_loop), each rejected at its first
// placement that breaks a rule, until one is valid or `budget` placements are spent.
// Counts into out.permutations, out.steps and out.attempts. True with out.receiver_of set.
bool SampleByRejection(const ExclusionGraph& graph, Random& random, const DrawOptions& options,
                       std::int64_t budget, DrawOutcome& out);

// Turns a valid assignment (a perfect matching) into one that also obeys the rules, by
// random moves that keep the exclusions; false when `deadline` passes or `max_tries` moves
// (0: no limit) were tried first.
bool RepairForRules(const ExclusionGraph& graph, const DrawRules& rules, Random& random,
                    std::chrono::steady_clock::time_point deadline, std::int64_t max_tries,
                    std::vector<int>& receiver_of);

// The longest stretch of a loop that one move of the single-loop walk carries elsewhere.
inline constexpr int kMaxLoopStretch = 4;
inline int LoopStretchLimit(int n) { return std::max(1, std::min(n - 2, kMaxLoopStretch)); }

// The walk's large move: the receivers of a random set of givers drawn afresh, uniformly
// among the rearrangements of those receivers that keep the assignment valid under the
// rules. Small moves alone do not connect every valid assignment of a tightly excluded
// roster; a whole set redrawn at once does, and for sets of everybody it is an exact draw.
// Every set is as likely as any other and both arrangements of a pair lie in one set's
// choices, so each move is as likely as its reverse.
inline constexpr int kMaxBlock = 6;

class BlockMove {
 public:
  BlockMove(const ExclusionGraph& graph, const DrawRules& rules);
  // `to` must be valid under the rules and `from` its inverse; both stay so.
  void Step(Random& random, std::vector<int>& to, std::vector<int>& from);

 private:
  void PickBlock(Random& random);
  int IndexInBlock(int v) const;
  void Search(const std::vector<int>& to, int i);

  const ExclusionGraph& graph_;
  DrawRules rules_;
  int k_;
  std::uint64_t sets_;
  int block_[kMaxBlock] = {};
  int receivers_[kMaxBlock] = {};
  int segment_end_[kMaxBlock] = {};
  int choice_[kMaxBlock] = {};
  bool used_[kMaxBlock] = {};
  std::vector<int> found_;           // k_ receiver indices per valid arrangement
  std::vector<int> index_in_block_;  // each giver's place in the block, -1 outside it
};

// One proposal in this many is a block move. A block move costs hundreds of small ones (a
// whole loop's length for single loops), so they are few, and rarer on large rosters, whose
// walk is long.
inline std::uint32_t BlockMoveOdds(int n) {
  return static_cast<std::uint32_t>(std::max(8, n / 16));
}

// Proposals the walk makes in a drawing of n participants.
std::int64_t WalkLength(int n, const DrawOptions& options);

// Walks `steps` proposals from a valid assignment; every valid assignment is equally likely
// in the walk's long run (the proposals are symmetric and invalid ones are refused).
void WalkValidAssignments(const ExclusionGraph& graph, const DrawRules& rules, Random& random,
                          std::int64_t steps, std::vector<int>& receiver_of);

}  // namespace roster
