#pragma once
// Exact counting of the valid assignments of a small roster, and uniform sampling from the
// count. An assignment is a set of disjoint cycles covering everybody, so the count is built
// over subsets: Hamiltonian paths per subset, closed into cycles, combined into covers.
// Cost grows as 3^n, which is why it is kept to small rosters.

#include <cstdint>
#include <vector>

#include "core/random.h"
#include "drawing/matching.h"

namespace roster {

struct DrawRules;

// Largest roster the counter accepts.
inline constexpr int kExactSamplerMaxParticipants = 16;

class ExactSampler {
 public:
  // graph.size() must not exceed kExactSamplerMaxParticipants.
  ExactSampler(const ExclusionGraph& graph, const DrawRules& rules);

  // Number of valid assignments under the rules (saturates at UINT64_MAX, which rosters this
  // small never reach).
  std::uint64_t Count() const { return total_; }
  // A uniformly random valid assignment (giver -> receiver); Count() must be positive.
  std::vector<int> Sample(Random& random) const;

 private:
  std::uint64_t PickBelow(Random& random, std::uint64_t bound) const;
  void SampleCycle(std::uint32_t set, Random& random, std::vector<int>& receiver_of) const;

  int n_;
  bool single_loop_;
  int min_cycle_;
  std::vector<std::uint32_t> out_;     // allowed receivers of each giver, as a bit set
  std::vector<std::uint64_t> paths_;   // [set * n + end]: paths from the set's lowest member
  std::vector<std::uint64_t> cycles_;  // [set]: cycles through exactly the set
  std::vector<std::uint64_t> covers_;  // [set]: cycle covers of the set
  std::uint64_t total_ = 0;
};

}  // namespace roster
