#include "drawing/draw_engine.h"

#include <numeric>

namespace roster {

namespace {

// Uniform random permutations, each rejected at its first forbidden placement. Stopping
// early is still exactly uniform: whether a permutation is rejected is decided by the
// prefix already drawn, so an accepted one is a uniform permutation conditioned on being
// valid. The array is not reset between tries; a fresh uniform shuffle of any arrangement
// is uniform.
bool SampleUniform(const ExclusionGraph& graph, Random& random, const DrawOptions& options,
                   std::int64_t budget, DrawOutcome& out) {
  const int n = graph.size();
  std::vector<int> p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  std::int64_t next_attempt = options.steps_per_attempt;
  while (out.steps < budget) {
    if (out.steps >= next_attempt) {
      next_attempt = out.steps + options.steps_per_attempt;
      ++out.attempts;
      if (options.on_attempt) options.on_attempt();
    }
    ++out.permutations;
    int i = 0;
    for (; i < n; ++i) {
      const int j = i + static_cast<int>(random.Below(static_cast<std::uint32_t>(n - i)));
      std::swap(p[i], p[j]);
      if (!graph.Allowed(i, p[i])) break;
    }
    out.steps += (i < n) ? i + 1 : n;
    if (i == n) {
      out.receiver_of = std::move(p);
      return true;
    }
  }
  return false;
}

}  // namespace

DrawOutcome DrawAssignment(const ExclusionGraph& graph, Random& random,
                           const DrawOptions& options) {
  DrawOutcome out;
  const int n = graph.size();
  ++out.attempts;
  if (options.on_attempt) options.on_attempt();

  // Feasibility first, so the sampler never spends its budget on a hopeless roster.
  if (const int v = UndrawableReceiver(graph); v >= 0) {
    out.obstruction.kind = Obstruction::Kind::kUndrawableReceiver;
    out.obstruction.receiver = v;
    return out;
  }
  Matching matching = MaximumMatching(graph, random);
  if (matching.size < n) {
    out.obstruction = FindObstruction(graph, matching);
    return out;
  }

  const std::int64_t budget =
      options.step_budget > 0 ? options.step_budget : 8'000'000 + 512 * std::int64_t{n};
  out.ok = true;
  if (SampleUniform(graph, random, options, budget, out)) {
    out.method = DrawMethod::kUniform;
  } else {
    out.method = DrawMethod::kMatching;
    out.receiver_of = std::move(matching.receiver_of);
  }
  return out;
}

bool IsValidAssignment(const ExclusionGraph& graph, const std::vector<int>& receiver_of) {
  const int n = graph.size();
  if (static_cast<int>(receiver_of.size()) != n) return false;
  std::vector<char> taken(static_cast<std::size_t>(n), 0);
  for (int g = 0; g < n; ++g) {
    const int r = receiver_of[g];
    if (r < 0 || r >= n || taken[r] || !graph.Allowed(g, r)) return false;
    taken[r] = 1;
  }
  return true;
}

}  // namespace roster
