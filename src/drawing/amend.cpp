#include "drawing/amend.h"

#include <algorithm>

#include "core/tr.h"

namespace roster {

namespace {

// True when receiver_of is a permutation of 0..n-1 that keeps every exclusion of the first n
// participants of the graph.
bool IsDrawingOf(const ExclusionGraph& graph, const std::vector<int>& receiver_of) {
  const int n = static_cast<int>(receiver_of.size());
  if (n > graph.size()) return false;
  std::vector<char> taken(receiver_of.size(), 0);
  for (int g = 0; g < n; ++g) {
    const int r = receiver_of[g];
    if (r < 0 || r >= n || taken[r] || !graph.Allowed(g, r)) return false;
    taken[r] = 1;
  }
  return true;
}

AmendOutcome Failed(AmendFailure failure) {
  AmendOutcome out;
  out.failure = failure;
  return out;
}

}  // namespace

std::string DescribeAmendFailure(AmendFailure failure, const std::string& who) {
  switch (failure) {
    case AmendFailure::kNone:
      return {};
    case AmendFailure::kTooFew:
      return core::Tr("Drawing", "a drawing needs at least two participants");
    case AmendFailure::kNoGiver:
      return core::Arg(core::Tr("Drawing", "every participant is excluded from giving to %1"),
                       {who});
    case AmendFailure::kNoReceiver:
      return core::Arg(core::Tr("Drawing", "%1 is excluded from giving to every participant"),
                       {who});
    case AmendFailure::kNoPlace:
      return core::Arg(
          core::Tr("Drawing", "no participant who may give to %1 has a receiver %1 may give to"),
          {who});
    case AmendFailure::kReceiverStuck:
      return core::Arg(
          core::Tr("Drawing", "once %1 leaves, nobody may give to the person %1 gives to"), {who});
    case AmendFailure::kNoChain:
      return core::Arg(core::Tr("Drawing",
                                "the gift %1 would have given cannot be passed on without "
                                "breaking an exclusion"),
                       {who});
    case AmendFailure::kBadInput:
      return core::Tr("Drawing",
                      "the archived drawing does not match the participants and their exclusions");
  }
  return {};
}

AmendOutcome SpliceJoiner(const ExclusionGraph& graph, const std::vector<int>& receiver_of,
                          Random& random) {
  const int n = static_cast<int>(receiver_of.size());
  if (graph.size() != n + 1 || !IsDrawingOf(graph, receiver_of))
    return Failed(AmendFailure::kBadInput);
  if (n < 2) return Failed(AmendFailure::kTooFew);
  const int newcomer = n;
  std::vector<int> places;
  bool any_giver = false, any_receiver = false;
  for (int g = 0; g < n; ++g) {
    const bool gives = graph.Allowed(g, newcomer);
    const bool takes = graph.Allowed(newcomer, receiver_of[g]);
    any_giver |= gives;
    any_receiver |= takes;
    if (gives && takes) places.push_back(g);
  }
  if (places.empty())
    return Failed(!any_giver      ? AmendFailure::kNoGiver
                  : !any_receiver ? AmendFailure::kNoReceiver
                                  : AmendFailure::kNoPlace);
  const int g = places[random.Below(static_cast<std::uint32_t>(places.size()))];
  AmendOutcome out;
  out.ok = true;
  out.places = static_cast<int>(places.size());
  out.receiver_of = receiver_of;
  out.receiver_of.push_back(receiver_of[g]);
  out.receiver_of[g] = newcomer;
  out.changed = {g, newcomer};
  return out;
}

AmendOutcome RemoveFromDrawing(const ExclusionGraph& graph, const std::vector<int>& receiver_of,
                               int leaver, Random& random) {
  const int n = static_cast<int>(receiver_of.size());
  if (graph.size() != n || leaver < 0 || leaver >= n || !IsDrawingOf(graph, receiver_of))
    return Failed(AmendFailure::kBadInput);
  if (n - 1 < 2) return Failed(AmendFailure::kTooFew);
  std::vector<int> giver_of(static_cast<std::size_t>(n));
  for (int g = 0; g < n; ++g) giver_of[receiver_of[g]] = g;
  const int first = giver_of[leaver];
  const int orphan = receiver_of[leaver];  // nobody gives to them once the leaver is gone

  // Every valid result contains a chain first -> old(c1), c1 -> old(c2), ..., ck -> orphan of
  // givers who lose their receiver to the one before them, and the chain alone is a valid
  // result; so a shortest chain (breadth first) is a smallest change. Searching the
  // complement keeps it near-linear: a giver is skipped only where an exclusion forbids it.
  std::vector<int> parent(static_cast<std::size_t>(n), -1);
  std::vector<int> unvisited;
  for (int y = 0; y < n; ++y)
    if (y != leaver && y != first) unvisited.push_back(y);
  for (std::size_t i = unvisited.size(); i > 1; --i)
    std::swap(unvisited[i - 1], unvisited[random.Below(static_cast<std::uint32_t>(i))]);
  std::vector<int> queue{first};
  int last = -1;
  for (std::size_t head = 0; head < queue.size() && last < 0; ++head) {
    const int x = queue[head];
    if (graph.Allowed(x, orphan)) {
      last = x;
      break;
    }
    for (std::size_t i = 0; i < unvisited.size();) {
      const int y = unvisited[i];
      if (graph.Allowed(x, receiver_of[y])) {
        parent[y] = x;
        queue.push_back(y);
        unvisited[i] = unvisited.back();
        unvisited.pop_back();
      } else {
        ++i;
      }
    }
  }
  if (last < 0) {
    bool drawable = false;
    for (int g = 0; g < n && !drawable; ++g) drawable = g != leaver && graph.Allowed(g, orphan);
    return Failed(drawable ? AmendFailure::kNoChain : AmendFailure::kReceiverStuck);
  }

  std::vector<int> next = receiver_of;
  next[last] = orphan;
  std::vector<int> changed{last};
  for (int y = last; parent[y] >= 0; y = parent[y]) {
    next[parent[y]] = receiver_of[y];
    changed.push_back(parent[y]);
  }
  auto shift = [leaver](int i) { return i > leaver ? i - 1 : i; };
  AmendOutcome out;
  out.ok = true;
  for (int g = 0; g < n; ++g)
    if (g != leaver) out.receiver_of.push_back(shift(next[g]));
  for (int g : changed) out.changed.push_back(shift(g));
  std::sort(out.changed.begin(), out.changed.end());
  return out;
}

ExclusionGraph WithoutParticipant(const ExclusionGraph& graph, int leaver) {
  const int n = graph.size();
  ExclusionGraph out(n > 0 ? n - 1 : 0);
  for (int g = 0; g < n; ++g) {
    if (g == leaver) continue;
    for (int r : graph.Forbidden(g))
      if (r != leaver) out.Forbid(g > leaver ? g - 1 : g, r > leaver ? r - 1 : r);
  }
  out.Finish();
  return out;
}

}  // namespace roster
