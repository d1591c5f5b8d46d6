#pragma once
// The drawing engine: a valid assignment whenever one can be found, uniformly random over all
// valid assignments (exactly, or measurably close to it), and a proof when none exists.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/random.h"
#include "drawing/matching.h"

namespace roster {

// Rules beyond the exclusions that an organiser may ask for.
struct DrawRules {
  bool no_mutual = false;    // nobody gives to the person who gives to them
  bool single_loop = false;  // the gifts run as one loop through everybody

  bool Any() const { return no_mutual || single_loop; }
};

// How a drawing was made.
enum class DrawMethod {
  kNone,         // nothing was drawn; see the obstruction (or the search ran out of time)
  kExact,        // counted and sampled over subsets: exactly uniform
  kRejection,    // random permutations until a valid one: exactly uniform
  kMarkovChain,  // a random walk over valid assignments, long enough to be close to uniform
};

// "exactly uniform" or "approximately uniform"; empty for kNone.
std::string UniformityText(DrawMethod method);

struct DrawOptions {
  DrawRules rules;
  // Candidate placements the rejection sampler may try; 0 chooses 150,000,000 (about a
  // second), enough for 10 random exclusions each at 32,767 participants most of the time.
  std::int64_t step_budget = 0;
  // Rosters up to this size are counted exactly; lower it to exercise the other methods.
  int exact_limit = 16;
  // Proposals of the random walk per participant and per natural log of the roster size.
  double chain_factor = 40;
  // Wall-clock limit for finding a starting assignment that obeys the rules when random
  // sampling did not find one; past it the drawing is reported as not found.
  double search_seconds = 5;
  // The same limit in moves tried (0: none), for results that must not depend on the clock.
  std::int64_t search_steps = 0;
  // Called at the start of every attempt. An attempt is a slice of about this many steps,
  // so the caller can keep a window alive.
  std::int64_t steps_per_attempt = 1 << 16;
  std::function<void()> on_attempt;
};

struct DrawOutcome {
  bool ok = false;
  DrawMethod method = DrawMethod::kNone;
  std::vector<int> receiver_of;   // giver -> receiver, 0-based; empty unless ok
  Obstruction obstruction;        // why not, when proven (kind kNone otherwise)
  bool timed_out = false;         // not ok and not proven: the search gave up
  std::int64_t permutations = 0;  // random permutations started by the sampler
  std::int64_t steps = 0;         // placements they made
  std::int64_t chain_steps = 0;   // proposals of the random walk
  int attempts = 0;               // on_attempt calls
};

DrawOutcome DrawAssignment(const ExclusionGraph& graph, Random& random,
                           const DrawOptions& options = {});

// True when receiver_of is a valid assignment for graph (and the rules).
bool IsValidAssignment(const ExclusionGraph& graph, const std::vector<int>& receiver_of,
                       const DrawRules& rules = {});

// Whether a drawing exists under the rules: proven either way, or unknown.
struct Existence {
  enum class Answer { kExists, kImpossible, kUnknown };
  Answer answer = Answer::kUnknown;
  Obstruction obstruction;  // the reason, for kImpossible
  std::string how;          // how existence was shown, for kExists
};
Existence CheckExistence(const ExclusionGraph& graph, Random& random,
                         const DrawOptions& options = {});

}  // namespace roster
