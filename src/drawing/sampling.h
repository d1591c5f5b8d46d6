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

// Proposals the walk makes in a drawing of n participants.
std::int64_t WalkLength(int n, const DrawOptions& options);

// Walks `steps` proposals from a valid assignment; every valid assignment is equally likely
// in the walk's long run (the proposals are symmetric and invalid ones are refused).
void WalkValidAssignments(const ExclusionGraph& graph, const DrawRules& rules, Random& random,
                          std::int64_t steps, std::vector<int>& receiver_of);

}  // namespace roster
