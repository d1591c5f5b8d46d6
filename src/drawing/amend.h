#pragma once
// Changes to a drawing that has already been sent: a late joiner and a drop-out. Both keep
// every exclusion and change as few givers as possible, because each changed giver gets a
// new message that contradicts the one already in their inbox.
//
// Indices are 0-based, as in the drawing engine.

#include <string>
#include <vector>

#include "core/random.h"
#include "drawing/matching.h"

namespace roster {

// Why a change could not be made.
enum class AmendFailure {
  kNone,
  kTooFew,         // the amended drawing would have fewer than two participants
  kNoGiver,        // nobody may give to the newcomer
  kNoReceiver,     // the newcomer may give to none of the current receivers
  kNoPlace,        // givers and receivers exist, but never as one pair G -> R
  kReceiverStuck,  // nobody left may give to the leaver's receiver
  kNoChain,        // no way to pass the leaver's receiver on without breaking an exclusion
  kBadInput,       // the assignment given is not a valid drawing of the graph
};

struct AmendOutcome {
  bool ok = false;
  AmendFailure failure = AmendFailure::kNone;
  std::vector<int> receiver_of;  // the amended assignment (indices as described per function)
  std::vector<int> changed;      // givers whose receiver is new, ascending, same indices
  int places = 0;                // joins: how many valid places the newcomer had
};

// A plain-language reason for a failure; `who` names the participant concerned (the
// newcomer, or the leaver).
std::string DescribeAmendFailure(AmendFailure failure, const std::string& who);

// Splices a newcomer into the drawing. `graph` covers the old participants 0..n-1 and the
// newcomer as index n; `receiver_of` is the current drawing of the n. A giver G whose receiver
// is R is chosen uniformly among those with G -> newcomer and newcomer -> R allowed; G then
// gives to the newcomer and the newcomer to R. The result has n + 1 entries.
AmendOutcome SpliceJoiner(const ExclusionGraph& graph, const std::vector<int>& receiver_of,
                          Random& random);

// Takes `leaver` out of the drawing. `graph` and `receiver_of` cover everybody, the leaver
// included. The leaver's giver takes over the leaver's receiver when allowed; otherwise the
// fewest givers change (ties broken at random). The result leaves the leaver out: indices
// above `leaver` move down by one, in receiver_of and in changed alike.
AmendOutcome RemoveFromDrawing(const ExclusionGraph& graph, const std::vector<int>& receiver_of,
                               int leaver, Random& random);

// The graph without one participant, indices above it moved down by one.
ExclusionGraph WithoutParticipant(const ExclusionGraph& graph, int leaver);

}  // namespace roster
