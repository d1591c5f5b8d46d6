#include <numeric>

#include "drawing/sampling.h"

namespace roster {

namespace {

// Whether the attempt reached its end; `steps` counts the placements it made.
using Attempt = bool (*)(const ExclusionGraph&, bool, Random&, std::vector<int>&, int&);

// A uniform random permutation, placed giver by giver. Stopping at the first broken rule is
// still exactly uniform: whether a permutation is refused is decided by the prefix already
// drawn, so an accepted one is a uniform permutation conditioned on being valid. The array is
// not reset between tries; a fresh uniform shuffle of any arrangement is uniform.
bool PermutationAttempt(const ExclusionGraph& graph, bool no_mutual, Random& random,
                        std::vector<int>& p, int& steps) {
  const int n = graph.size();
  for (int i = 0; i < n; ++i) {
    const int j = i + static_cast<int>(random.Below(static_cast<std::uint32_t>(n - i)));
    std::swap(p[i], p[j]);
    steps = i + 1;
    if (!graph.Allowed(i, p[i])) return false;
    // A swapped pair shows when its later giver is placed.
    if (no_mutual && p[i] < i && p[p[i]] == i) return false;
  }
  return true;
}

// A uniform random loop: a random order of everybody after participant 0, followed round.
// Every loop is one such order, each equally likely.
bool LoopAttempt(const ExclusionGraph& graph, bool, Random& random, std::vector<int>& order,
                 int& steps) {
  const int n = graph.size();
  for (int i = 1; i < n; ++i) {
    const int j = i + static_cast<int>(random.Below(static_cast<std::uint32_t>(n - i)));
    std::swap(order[i], order[j]);
    steps = i;
    if (!graph.Allowed(order[i - 1], order[i])) return false;
  }
  return graph.Allowed(order[n - 1], order[0]);
}

}  // namespace

bool SampleByRejection(const ExclusionGraph& graph, Random& random, const DrawOptions& options,
                       std::int64_t budget, DrawOutcome& out) {
  const int n = graph.size();
  if (n == 0) {
    out.receiver_of.clear();
    return !options.rules.single_loop;
  }
  std::vector<int> p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  const bool loop = options.rules.single_loop;
  // In a loop of three or more nobody can draw their own giver; two people only swap.
  if (loop && options.rules.no_mutual && n <= 2) return false;
  const Attempt attempt = loop ? LoopAttempt : PermutationAttempt;
  std::int64_t next_attempt = out.steps + options.steps_per_attempt;
  const std::int64_t end = out.steps + budget;
  while (out.steps < end) {
    if (out.steps >= next_attempt) {
      next_attempt = out.steps + options.steps_per_attempt;
      ++out.attempts;
      if (options.on_attempt) options.on_attempt();
    }
    ++out.permutations;
    int steps = 0;
    const bool done = attempt(graph, options.rules.no_mutual, random, p, steps);
    out.steps += std::max(steps, 1);
    if (!done) continue;
    if (loop) {
      out.receiver_of.assign(static_cast<std::size_t>(n), 0);
      for (int i = 0; i < n; ++i) out.receiver_of[p[i]] = p[(i + 1) % n];
    } else {
      out.receiver_of = std::move(p);
    }
    return true;
  }
  return false;
}

}  // namespace roster
