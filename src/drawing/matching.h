#pragma once
// Who may draw whom, kept implicit: only the forbidden pairs are stored, and searches walk
// the complement. At 32,767 participants the explicit "may draw" graph would hold about a
// billion arcs; the forbidden pairs are a few per person.
//
// Givers and receivers are 0-based indices (roster row - 1).

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/random.h"

namespace roster {

class ExclusionGraph {
 public:
  explicit ExclusionGraph(int n = 0) : n_(n) {}

  int size() const { return n_; }
  // "giver must not draw receiver". Out-of-range and self pairs are dropped (nobody ever
  // draws themselves anyway). Call Finish() after the last one.
  void Forbid(int giver, int receiver);
  void Finish();

  // This graph with more forbidden pairs (giver, receiver) added.
  ExclusionGraph With(std::span<const std::pair<int, int>> more) const;
  // Every pair reversed: who may not be drawn by whom.
  ExclusionGraph Reversed() const;

  // Sorted, without duplicates and without the giver itself.
  std::span<const int> Forbidden(int giver) const;
  bool Allowed(int giver, int receiver) const;
  std::int64_t ForbiddenPairs() const { return static_cast<std::int64_t>(targets_.size()); }

 private:
  int n_;
  std::vector<std::pair<int, int>> pending_;
  std::vector<std::int64_t> offsets_;
  std::vector<int> targets_;
};

// Why no valid assignment exists. Indices are 0-based.
struct Obstruction {
  enum class Kind {
    kNone,
    kUndrawableReceiver,  // everybody else excludes `receiver`
    kGiversShort,         // `givers` may draw only `receivers`, and there are fewer of those
    kClosedGroup,         // `givers` may give only among themselves: no single loop
    kNoSingleLoop,        // every possible assignment was counted; none is one loop
    kOnlySwappedPairs,    // every possible assignment was counted; each has a swapped pair
  };
  Kind kind = Kind::kNone;
  int receiver = -1;
  std::vector<int> givers;
  std::vector<int> receivers;

  // One English sentence naming participants by number (index + 1), for the command line.
  std::string Describe() const;
  // The same, naming participant i (0-based) by name(i).
  std::string Describe(const std::function<std::string(int)>& name) const;
};

// A maximum matching of givers to allowed receivers. Randomised: a random greedy start,
// completed by augmenting paths, so repeated calls give different matchings.
struct Matching {
  std::vector<int> receiver_of;  // giver -> receiver, -1 when unmatched
  std::vector<int> giver_of;     // receiver -> giver, -1 when unmatched
  int size = 0;
};
Matching MaximumMatching(const ExclusionGraph& graph, Random& random);

// Proof of infeasibility for a maximum matching that leaves a giver out: the givers reachable
// from that giver by alternating paths, and their allowed receivers (one fewer).
// Kind kNone when the matching is perfect.
Obstruction FindObstruction(const ExclusionGraph& graph, const Matching& matching);

// A proof that no single loop exists because some group may give only among itself (the
// permitted gifts do not connect everybody both ways); kind kNone when connected.
Obstruction FindClosedGroup(const ExclusionGraph& graph);

// A receiver that no giver may draw, or -1.
int UndrawableReceiver(const ExclusionGraph& graph);

}  // namespace roster
