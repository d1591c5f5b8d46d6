#include <algorithm>
#include <limits>

#include "drawing/sampling.h"

namespace roster {

namespace {

std::uint64_t Binomial(int n, int k) {
  std::uint64_t c = 1;
  for (int i = 1; i <= k; ++i) {
    c = c * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    if (c > std::numeric_limits<std::uint32_t>::max()) return c;
  }
  return c;
}

}  // namespace

BlockMove::BlockMove(const ExclusionGraph& graph, const DrawRules& rules)
    : graph_(graph), rules_(rules), k_(std::min(graph.size(), kMaxBlock)) {
  const int n = graph.size();
  sets_ = n >= 3 ? Binomial(n, k_) : 0;
  index_in_block_.assign(static_cast<std::size_t>(std::max(n, 0)), -1);
}

void BlockMove::PickBlock(Random& random) {
  const int n = graph_.size();
  if (sets_ <= std::numeric_limits<std::uint32_t>::max()) {
    // Small rosters: one draw of the set's rank, which keeps the walk's cases few enough to
    // be listed one by one when its distance from uniform is measured.
    std::uint64_t rank = random.Below(static_cast<std::uint32_t>(sets_));
    int left = k_, count = 0;
    for (int v = 0; left > 0; ++v) {
      const std::uint64_t with_v = Binomial(n - 1 - v, left - 1);
      if (rank < with_v) {
        block_[count++] = v;
        --left;
      } else {
        rank -= with_v;
      }
    }
    return;
  }
  // Floyd's sampling: each set of k_ givers equally likely, without retries.
  for (int j = n - k_, count = 0; j < n; ++j, ++count) {
    const int t = static_cast<int>(random.Below(static_cast<std::uint32_t>(j + 1)));
    block_[count] = std::find(block_, block_ + count, t) != block_ + count ? j : t;
  }
}

int BlockMove::IndexInBlock(int v) const { return index_in_block_[v]; }

void BlockMove::Search(const std::vector<int>& to, int i) {
  if (i == k_) {
    if (rules_.single_loop) {
      // Receiver j's stretch ends at block giver segment_end_[j], who now gives to
      // receivers_[choice_[segment_end_[j]]]: one loop when that map is one cycle.
      int j = 0, length = 0;
      do {
        j = choice_[segment_end_[j]];
        ++length;
      } while (j != 0);
      if (length != k_) return;
    }
    found_.insert(found_.end(), choice_, choice_ + k_);
    return;
  }
  const int giver = block_[i];
  for (int j = 0; j < k_; ++j) {
    if (used_[j]) continue;
    const int r = receivers_[j];
    if (!graph_.Allowed(giver, r)) continue;
    if (rules_.no_mutual) {
      const int m = IndexInBlock(r);
      // A receiver outside the block keeps its receiver; inside, only earlier ones are set.
      if (m < 0 ? to[r] == giver : m < i && receivers_[choice_[m]] == giver) continue;
    }
    used_[j] = true;
    choice_[i] = j;
    Search(to, i + 1);
    used_[j] = false;
  }
}

void BlockMove::Step(Random& random, std::vector<int>& to, std::vector<int>& from) {
  if (sets_ == 0) return;
  PickBlock(random);
  for (int i = 0; i < k_; ++i) {
    receivers_[i] = to[block_[i]];
    used_[i] = false;
    index_in_block_[block_[i]] = i;
  }
  if (rules_.single_loop) {
    // The loop without the block's gifts falls into k_ stretches, each from a receiver of
    // the block to a giver of it.
    for (int j = 0; j < k_; ++j) {
      int v = receivers_[j];
      while (IndexInBlock(v) < 0) v = to[v];
      segment_end_[j] = IndexInBlock(v);
    }
  }
  found_.clear();
  Search(to, 0);
  // The current arrangement is always among those found, so there is at least one.
  const auto options = static_cast<std::uint32_t>(found_.size() / static_cast<std::size_t>(k_));
  const int* pick = &found_[static_cast<std::size_t>(random.Below(options)) * k_];
  for (int i = 0; i < k_; ++i) {
    to[block_[i]] = receivers_[pick[i]];
    from[receivers_[pick[i]]] = block_[i];
    index_in_block_[block_[i]] = -1;
  }
}

}  // namespace roster
