#include "drawing/exact_sampler.h"

#include <bit>
#include <limits>

#include "drawing/draw_engine.h"

namespace roster {

namespace {

int Lowest(std::uint32_t set) { return std::countr_zero(set); }

}  // namespace

ExactSampler::ExactSampler(const ExclusionGraph& graph, const DrawRules& rules)
    : n_(graph.size()),
      single_loop_(rules.single_loop),
      // A swapped pair is a cycle of two.
      min_cycle_(rules.no_mutual ? 3 : 2) {
  const std::uint32_t full = (std::uint32_t{1} << n_) - 1;
  out_.assign(static_cast<std::size_t>(n_), 0);
  for (int u = 0; u < n_; ++u)
    for (int v = 0; v < n_; ++v)
      if (graph.Allowed(u, v)) out_[u] |= std::uint32_t{1} << v;

  const std::size_t sets = std::size_t{1} << n_;
  paths_.assign(sets * static_cast<std::size_t>(n_ > 0 ? n_ : 1), 0);
  cycles_.assign(sets, 0);
  for (std::uint32_t set = 1; set <= full && n_ > 0; ++set) {
    const int low = Lowest(set);
    if (set == (std::uint32_t{1} << low)) {
      paths_[set * n_ + low] = 1;
      continue;
    }
    std::uint64_t closing = 0;
    for (std::uint32_t rest = set & (set - 1); rest; rest &= rest - 1) {
      const int end = Lowest(rest);
      const std::uint32_t before = set & ~(std::uint32_t{1} << end);
      std::uint64_t count = 0;
      for (std::uint32_t w = before; w; w &= w - 1) {
        const int prev = Lowest(w);
        if (out_[prev] >> end & 1) count += paths_[before * n_ + prev];
      }
      paths_[set * n_ + end] = count;
      if (out_[end] >> low & 1) closing += count;
    }
    if (std::popcount(set) >= min_cycle_) cycles_[set] = closing;
  }

  if (single_loop_) {
    // With two people the only loop is a swapped pair, which min_cycle_ already rules out.
    total_ = n_ >= 2 ? cycles_[full] : 0;
    return;
  }
  covers_.assign(sets, 0);
  covers_[0] = 1;
  for (std::uint32_t set = 1; set <= full; ++set) {
    const std::uint32_t low_bit = set & (~set + 1);
    const std::uint32_t others = set ^ low_bit;
    std::uint64_t count = 0;
    // Every sub-set of `others`, together with the lowest member, is the lowest one's cycle.
    for (std::uint32_t sub = others;; sub = (sub - 1) & others) {
      const std::uint32_t cycle = sub | low_bit;
      if (cycles_[cycle]) count += cycles_[cycle] * covers_[set ^ cycle];
      if (sub == 0) break;
    }
    covers_[set] = count;
  }
  total_ = covers_[full];
}

std::uint64_t ExactSampler::PickBelow(Random& random, std::uint64_t bound) const {
  const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t limit = max - (max % bound + 1) % bound;
  for (;;) {
    const std::uint64_t x = random.NextU64();
    if (x <= limit) return x % bound;
  }
}

// A uniform Hamiltonian cycle through `set`, traced backwards from a uniformly chosen last
// member of the path that starts at the lowest one.
void ExactSampler::SampleCycle(std::uint32_t set, Random& random,
                               std::vector<int>& receiver_of) const {
  const int low = Lowest(set);
  std::uint64_t pick = PickBelow(random, cycles_[set]);
  int end = -1;
  for (std::uint32_t rest = set & (set - 1); rest; rest &= rest - 1) {
    const int v = Lowest(rest);
    if (!(out_[v] >> low & 1)) continue;
    const std::uint64_t c = paths_[set * n_ + v];
    if (pick < c) {
      end = v;
      break;
    }
    pick -= c;
  }
  receiver_of[end] = low;
  std::uint32_t path = set;
  while (end != low) {
    const std::uint32_t before = path & ~(std::uint32_t{1} << end);
    pick = PickBelow(random, paths_[path * n_ + end]);
    for (std::uint32_t w = before; w; w &= w - 1) {
      const int prev = Lowest(w);
      if (!(out_[prev] >> end & 1)) continue;
      const std::uint64_t c = paths_[before * n_ + prev];
      if (pick < c) {
        receiver_of[prev] = end;
        end = prev;
        break;
      }
      pick -= c;
    }
    path = before;
  }
}

std::vector<int> ExactSampler::Sample(Random& random) const {
  std::vector<int> receiver_of(static_cast<std::size_t>(n_), -1);
  const std::uint32_t full = (std::uint32_t{1} << n_) - 1;
  if (single_loop_) {
    SampleCycle(full, random, receiver_of);
    return receiver_of;
  }
  for (std::uint32_t left = full; left;) {
    const std::uint32_t low_bit = left & (~left + 1);
    const std::uint32_t others = left ^ low_bit;
    std::uint64_t pick = PickBelow(random, covers_[left]);
    for (std::uint32_t sub = others;; sub = (sub - 1) & others) {
      const std::uint32_t cycle = sub | low_bit;
      const std::uint64_t c = cycles_[cycle] * covers_[left ^ cycle];
      if (pick < c) {
        SampleCycle(cycle, random, receiver_of);
        left ^= cycle;
        break;
      }
      pick -= c;
      if (sub == 0) break;  // unreachable while the counts are consistent
    }
  }
  return receiver_of;
}

}  // namespace roster
