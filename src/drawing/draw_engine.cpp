#include "drawing/draw_engine.h"

#include <algorithm>
#include <cmath>

#include "core/tr.h"
#include "drawing/exact_sampler.h"
#include "drawing/sampling.h"

namespace roster {

namespace {

constexpr std::int64_t kDefaultStepBudget = 150'000'000;
// Sampling small rosters by rejection first is cheaper than counting when it succeeds soon.
constexpr std::int64_t kQuickStepBudget = 20'000;

// Proofs that hold whatever the rules: Hall's condition. Fills the obstruction and returns
// false when it fails; the matching is kept as a start for the random walk.
bool HallHolds(const ExclusionGraph& graph, Random& random, Matching& matching, DrawOutcome& out) {
  if (const int v = UndrawableReceiver(graph); v >= 0) {
    out.obstruction.kind = Obstruction::Kind::kUndrawableReceiver;
    out.obstruction.receiver = v;
    return false;
  }
  matching = MaximumMatching(graph, random);
  if (matching.size < graph.size()) {
    out.obstruction = FindObstruction(graph, matching);
    return false;
  }
  return true;
}

// Proofs that hold for the rules alone or cheaply: a closed group rules out a single loop;
// two people can only swap.
bool RulesMayHold(const ExclusionGraph& graph, const DrawRules& rules, DrawOutcome& out) {
  if (rules.single_loop) {
    out.obstruction = FindClosedGroup(graph);
    if (out.obstruction.kind != Obstruction::Kind::kNone) return false;
  }
  return true;
}

Obstruction::Kind CountedOut(const DrawRules& rules) {
  return rules.single_loop ? Obstruction::Kind::kNoSingleLoop
                           : Obstruction::Kind::kOnlySwappedPairs;
}

}  // namespace

std::int64_t WalkLength(int n, const DrawOptions& options) {
  return static_cast<std::int64_t>(options.chain_factor * n * std::log(std::max(n, 1))) + 2'000;
}

std::string UniformityText(DrawMethod method) {
  switch (method) {
    case DrawMethod::kExact:
    case DrawMethod::kRejection:
      return "exactly uniform";
    case DrawMethod::kMarkovChain:
      return "approximately uniform";
    case DrawMethod::kNone:
      break;
  }
  return {};
}

DrawOutcome DrawAssignment(const ExclusionGraph& graph, Random& random,
                           const DrawOptions& options) {
  DrawOutcome out;
  const int n = graph.size();
  const DrawRules& rules = options.rules;
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<std::int64_t>(
                                             std::max(0.0, options.search_seconds) * 1000));
  ++out.attempts;
  if (options.on_attempt) options.on_attempt();

  // Feasibility first, so no sampler spends its budget on a hopeless roster.
  Matching matching;
  if (!HallHolds(graph, random, matching, out) || !RulesMayHold(graph, rules, out)) return out;

  const std::int64_t budget = options.step_budget > 0 ? options.step_budget : kDefaultStepBudget;
  if (n <= options.exact_limit && n <= kExactSamplerMaxParticipants) {
    if (SampleByRejection(graph, random, options, std::min(budget, kQuickStepBudget), out)) {
      out.ok = true;
      out.method = DrawMethod::kRejection;
      return out;
    }
    const ExactSampler counter(graph, rules);
    if (counter.Count() == 0) {
      out.obstruction.kind = CountedOut(rules);
      return out;
    }
    out.ok = true;
    out.method = DrawMethod::kExact;
    out.receiver_of = counter.Sample(random);
    return out;
  }

  if (SampleByRejection(graph, random, options, budget, out)) {
    out.ok = true;
    out.method = DrawMethod::kRejection;
    return out;
  }

  // Start the walk from the matching, changed to obey the rules.
  std::vector<int> start = std::move(matching.receiver_of);
  if (!RepairForRules(graph, rules, random, deadline, options.search_steps, start)) {
    out.timed_out = true;
    return out;
  }
  out.chain_steps = WalkLength(n, options);
  WalkValidAssignments(graph, rules, random, out.chain_steps, start);
  out.ok = true;
  out.method = DrawMethod::kMarkovChain;
  out.receiver_of = std::move(start);
  return out;
}

bool IsValidAssignment(const ExclusionGraph& graph, const std::vector<int>& receiver_of,
                       const DrawRules& rules) {
  const int n = graph.size();
  if (static_cast<int>(receiver_of.size()) != n) return false;
  std::vector<char> taken(static_cast<std::size_t>(n), 0);
  for (int g = 0; g < n; ++g) {
    const int r = receiver_of[g];
    if (r < 0 || r >= n || taken[r] || !graph.Allowed(g, r)) return false;
    taken[r] = 1;
  }
  for (int g = 0; g < n && rules.no_mutual; ++g)
    if (receiver_of[receiver_of[g]] == g) return false;
  if (rules.single_loop && n > 0) {
    int length = 1;
    for (int v = receiver_of[0]; v != 0; v = receiver_of[v]) ++length;
    if (length != n) return false;
  }
  return true;
}

Existence CheckExistence(const ExclusionGraph& graph, Random& random, const DrawOptions& options) {
  Existence result;
  const int n = graph.size();
  const DrawRules& rules = options.rules;
  if (rules.Any() && n >= 3) {
    // Everybody may give to and receive from at least half the others: a loop through
    // everybody exists (Ghouila-Houri), and a loop of three or more has no swapped pair.
    std::vector<int> excluded_by(static_cast<std::size_t>(n), 0);
    int worst = 0;
    for (int u = 0; u < n; ++u) {
      worst = std::max(worst, static_cast<int>(graph.Forbidden(u).size()));
      for (int v : graph.Forbidden(u)) ++excluded_by[v];
    }
    for (int v = 0; v < n; ++v) worst = std::max(worst, excluded_by[v]);
    if (2 * (n - 1 - worst) >= n) {
      result.answer = Existence::Answer::kExists;
      result.how =
          core::Tr("Drawing", "everybody may give to and receive from at least half of the others");
      return result;
    }
  }
  const DrawOutcome drawn = DrawAssignment(graph, random, options);
  if (drawn.ok) {
    result.answer = Existence::Answer::kExists;
    result.how = core::Tr("Drawing", "a drawing was found");
  } else if (drawn.obstruction.kind != Obstruction::Kind::kNone) {
    result.answer = Existence::Answer::kImpossible;
    result.obstruction = drawn.obstruction;
  }
  return result;
}

}  // namespace roster
