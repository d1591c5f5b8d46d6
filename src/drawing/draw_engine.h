#pragma once
// The drawing engine: a valid assignment whenever one exists, uniformly random over all
// valid assignments when that is affordable, and a proof when none exists.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/random.h"
#include "drawing/matching.h"

namespace roster {

// Which case a drawing fell into.
enum class DrawMethod {
  kNone,      // no valid assignment exists; see the obstruction
  kUniform,   // rejection sampling: every valid assignment was equally likely
  kMatching,  // the sampling budget ran out (very tight exclusions): a randomised maximum
              // matching, valid but not uniform
};

struct DrawOptions {
  // Candidate placements the rejection sampler may try before falling back; 0 chooses
  // 8,000,000 + 512 per participant, which at 32,767 participants with 5 random exclusions
  // each is about ten times what a drawing needs on average.
  std::int64_t step_budget = 0;
  // Called at the start of every attempt. An attempt is a slice of about this many
  // placements (at least one whole permutation), so the caller can keep a window alive.
  std::int64_t steps_per_attempt = 1 << 16;
  std::function<void()> on_attempt;
};

struct DrawOutcome {
  bool ok = false;
  DrawMethod method = DrawMethod::kNone;
  std::vector<int> receiver_of;   // giver -> receiver, 0-based; empty unless ok
  Obstruction obstruction;        // why not, unless ok
  std::int64_t permutations = 0;  // random permutations started by the sampler
  std::int64_t steps = 0;         // placements they made
  int attempts = 0;               // on_attempt calls
};

DrawOutcome DrawAssignment(const ExclusionGraph& graph, Random& random,
                           const DrawOptions& options = {});

// True when receiver_of is a valid assignment for graph.
bool IsValidAssignment(const ExclusionGraph& graph, const std::vector<int>& receiver_of);

}  // namespace roster
