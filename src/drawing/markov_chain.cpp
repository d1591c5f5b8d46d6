#include <algorithm>
#include <numeric>

#include "drawing/sampling.h"

namespace roster {

namespace {

// Three distinct participants, uniformly; n >= 3. No draw is retried, so one step of the
// walk uses a fixed, finite set of random values.
void PickThree(Random& random, int n, int& a, int& b, int& c) {
  a = static_cast<int>(random.Below(static_cast<std::uint32_t>(n)));
  b = static_cast<int>(random.Below(static_cast<std::uint32_t>(n - 1)));
  b += b >= a;
  c = static_cast<int>(random.Below(static_cast<std::uint32_t>(n - 2)));
  c += c >= std::min(a, b);
  c += c >= std::max(a, b);
}

// The walk over assignments made of any cycles: swap the receivers of two givers, or rotate
// the receivers of three. Each move's reverse is proposed as often as the move itself.
class PermutationWalk {
 public:
  PermutationWalk(const ExclusionGraph& graph, bool no_mutual, std::vector<int>& receiver_of)
      : graph_(graph), no_mutual_(no_mutual), to_(receiver_of), from_(receiver_of.size()) {
    for (std::size_t g = 0; g < to_.size(); ++g) from_[to_[g]] = static_cast<int>(g);
  }

  // Proposes one move; `keep(before, after)` may refuse it, given the number of swapped pairs
  // around the touched givers before and after.
  template <typename Keep>
  void Step(Random& random, Keep keep) {
    const int n = graph_.size();
    int a, b, c;
    PickThree(random, n, a, b, c);
    const bool rotate = random.Below(2) == 1;
    const int ra = to_[a], rb = to_[b], rc = to_[c];
    const int new_a = rb, new_b = rotate ? rc : ra, new_c = rotate ? ra : rc;
    if (!graph_.Allowed(a, new_a) || !graph_.Allowed(b, new_b) ||
        (rotate && !graph_.Allowed(c, new_c)))
      return;
    const int before = no_mutual_ ? Mutual(a, b, c) : 0;
    Set(a, new_a);
    Set(b, new_b);
    Set(c, new_c);
    const int after = no_mutual_ ? Mutual(a, b, c) : 0;
    if (!keep(before, after)) {
      Set(a, ra);
      Set(b, rb);
      Set(c, rc);
    }
  }

  std::vector<int>& to() { return to_; }
  std::vector<int>& from() { return from_; }

  int CountMutual() const {
    int count = 0;
    for (std::size_t g = 0; g < to_.size(); ++g) count += to_[to_[g]] == static_cast<int>(g);
    return count / 2;
  }

 private:
  void Set(int giver, int receiver) {
    to_[giver] = receiver;
    from_[receiver] = giver;
  }
  // Swapped pairs with a member among the givers a, b, c (each counted once).
  int Mutual(int a, int b, int c) const {
    int count = 0;
    const int people[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
      const int g = people[i], r = to_[g];
      if (to_[r] != g) continue;
      // Counted at g unless its partner is one of the earlier ones.
      bool seen = false;
      for (int k = 0; k < i; ++k) seen |= people[k] == r;
      count += !seen;
    }
    return count;
  }

  const ExclusionGraph& graph_;
  bool no_mutual_;
  std::vector<int>& to_;
  std::vector<int> from_;
};

// The walk over single loops. A move takes a stretch of up to a few people and either cuts
// it out, closes the gap and puts it back after somebody else, or turns it round in place.
// Every move keeps one loop and its reverse (the stretch put back, or turned round again) is
// proposed as often. A place inside the stretch or just before it leaves the loop as it was,
// so the walk may stand still; without that, three people would swap between their two loops
// forever. Both kinds of move are needed: with households, stretches moved alone keep an
// invariant (the order's parity) and reach only half of the loops. Now and then a block
// move redraws several gifts at once, for rosters too tight for stretches alone.
void WalkLoops(const ExclusionGraph& graph, const DrawRules& rules, Random& random,
               std::int64_t steps, std::vector<int>& to) {
  const int n = graph.size();
  if (n < 3) return;  // two people have one loop at most
  const auto un = static_cast<std::uint32_t>(n);
  const int longest = LoopStretchLimit(n);
  std::vector<int> from(to.size());
  for (int g = 0; g < n; ++g) from[to[g]] = g;
  const auto link = [&](int giver, int receiver) {
    to[giver] = receiver;
    from[receiver] = giver;
  };
  int stretch[kMaxLoopStretch];
  BlockMove block(graph, rules);
  const std::uint32_t odds = BlockMoveOdds(n);
  for (std::int64_t s = 0; s < steps; ++s) {
    if (random.Below(odds) == 0) {
      block.Step(random, to, from);
      continue;
    }
    const int x = static_cast<int>(random.Below(un));
    const int length = 1 + static_cast<int>(random.Below(static_cast<std::uint32_t>(longest)));
    stretch[0] = x;
    for (int i = 1; i < length; ++i) stretch[i] = to[stretch[i - 1]];
    const int y = stretch[length - 1], p = from[x], q = to[y];
    if (random.Below(2) == 1) {  // turn round: p -> y ... x -> q
      bool allowed = graph.Allowed(p, y) && graph.Allowed(x, q);
      for (int i = length - 1; i > 0 && allowed; --i)
        allowed = graph.Allowed(stretch[i], stretch[i - 1]);
      if (!allowed) continue;
      link(p, y);
      for (int i = length - 1; i > 0; --i) link(stretch[i], stretch[i - 1]);
      link(x, q);
      continue;
    }
    const int a = static_cast<int>(random.Below(un));
    if (a == p || std::find(stretch, stretch + length, a) != stretch + length) continue;
    const int b = to[a];
    if (!graph.Allowed(p, q) || !graph.Allowed(a, x) || !graph.Allowed(y, b)) continue;
    link(p, q);
    link(a, x);
    link(y, b);
  }
}

// Joins the cycles of an assignment into one loop: swapping the receivers of two givers in
// different cycles joins those cycles.
bool JoinCycles(const ExclusionGraph& graph, Random& random,
                std::chrono::steady_clock::time_point deadline, std::int64_t max_tries,
                std::vector<int>& to) {
  const int n = graph.size();
  std::vector<int> cycle_of(static_cast<std::size_t>(n), -1);
  std::vector<std::vector<int>> cycles;
  for (int s = 0; s < n; ++s) {
    if (cycle_of[s] >= 0) continue;
    cycles.emplace_back();
    for (int v = s; cycle_of[v] < 0; v = to[v]) {
      cycle_of[v] = static_cast<int>(cycles.size()) - 1;
      cycles.back().push_back(v);
    }
  }
  std::vector<int> live(cycles.size());
  std::iota(live.begin(), live.end(), 0);
  std::int64_t tries = 0;
  while (live.size() > 1) {
    // The smallest cycle is the hardest to join; try it first.
    std::sort(live.begin(), live.end(),
              [&](int x, int y) { return cycles[x].size() < cycles[y].size(); });
    const int small = live.front();
    bool joined = false;
    for (int t = 0; t < 4 * n + 64 && !joined; ++t) {
      if (++tries == max_tries) return false;
      if ((tries & 1023) == 0 && std::chrono::steady_clock::now() > deadline) return false;
      const auto& members = cycles[small];
      const int a = members[random.Below(static_cast<std::uint32_t>(members.size()))];
      const int b = static_cast<int>(random.Below(static_cast<std::uint32_t>(n)));
      if (cycle_of[b] == small) continue;
      if (!graph.Allowed(a, to[b]) || !graph.Allowed(b, to[a])) continue;
      std::swap(to[a], to[b]);
      const int big = cycle_of[b];
      for (int v : cycles[small]) cycle_of[v] = big;
      cycles[big].insert(cycles[big].end(), cycles[small].begin(), cycles[small].end());
      cycles[small].clear();
      live.erase(live.begin());
      joined = true;
    }
    if (!joined) return false;
  }
  return true;
}

}  // namespace

bool RepairForRules(const ExclusionGraph& graph, const DrawRules& rules, Random& random,
                    std::chrono::steady_clock::time_point deadline, std::int64_t max_tries,
                    std::vector<int>& receiver_of) {
  const int n = graph.size();
  if (rules.single_loop) {
    if (rules.no_mutual && n <= 2) return false;
    return JoinCycles(graph, random, deadline, max_tries, receiver_of);
  }
  if (!rules.no_mutual) return true;
  if (n < 3) return false;  // one or two people: the only assignments are swaps or none
  PermutationWalk walk(graph, true, receiver_of);
  // Moves that never add swapped pairs; sideways moves keep the search from sticking.
  for (std::int64_t s = 0;; ++s) {
    if ((s & 4095) == 0) {
      if (walk.CountMutual() == 0) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
    }
    if (max_tries > 0 && s == max_tries) return false;
    walk.Step(random, [](int before, int after) { return after <= before; });
  }
}

void WalkValidAssignments(const ExclusionGraph& graph, const DrawRules& rules, Random& random,
                          std::int64_t steps, std::vector<int>& receiver_of) {
  if (rules.single_loop) {
    WalkLoops(graph, rules, random, steps, receiver_of);
    return;
  }
  const int n = graph.size();
  if (n < 3) return;  // at most one assignment
  PermutationWalk walk(graph, rules.no_mutual, receiver_of);
  BlockMove block(graph, rules);
  const std::uint32_t odds = BlockMoveOdds(n);
  for (std::int64_t s = 0; s < steps; ++s) {
    if (random.Below(odds) == 0)
      block.Step(random, walk.to(), walk.from());
    else
      walk.Step(random, [](int, int after) { return after == 0; });
  }
}

}  // namespace roster
