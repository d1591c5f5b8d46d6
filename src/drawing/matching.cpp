#include "drawing/matching.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "core/tr.h"

namespace roster {

void ExclusionGraph::Forbid(int giver, int receiver) {
  if (giver < 0 || giver >= n_ || receiver < 0 || receiver >= n_ || giver == receiver) return;
  pending_.emplace_back(giver, receiver);
}

void ExclusionGraph::Finish() {
  std::sort(pending_.begin(), pending_.end());
  pending_.erase(std::unique(pending_.begin(), pending_.end()), pending_.end());
  offsets_.assign(static_cast<std::size_t>(n_) + 1, 0);
  targets_.clear();
  targets_.reserve(pending_.size());
  for (const auto& [giver, receiver] : pending_) {
    ++offsets_[static_cast<std::size_t>(giver) + 1];
    targets_.push_back(receiver);
  }
  for (int i = 0; i < n_; ++i) offsets_[i + 1] += offsets_[i];
  pending_.clear();
  pending_.shrink_to_fit();
}

ExclusionGraph ExclusionGraph::With(std::span<const std::pair<int, int>> more) const {
  ExclusionGraph out(n_);
  out.pending_.reserve(targets_.size() + more.size());
  for (int g = 0; g < n_; ++g)
    for (int r : Forbidden(g)) out.pending_.emplace_back(g, r);
  for (const auto& [g, r] : more) out.Forbid(g, r);
  out.Finish();
  return out;
}

ExclusionGraph ExclusionGraph::Reversed() const {
  ExclusionGraph out(n_);
  out.pending_.reserve(targets_.size());
  for (int g = 0; g < n_; ++g)
    for (int r : Forbidden(g)) out.pending_.emplace_back(r, g);
  out.Finish();
  return out;
}

std::span<const int> ExclusionGraph::Forbidden(int giver) const {
  if (giver < 0 || giver >= n_ || offsets_.empty()) return {};
  return {targets_.data() + offsets_[giver],
          static_cast<std::size_t>(offsets_[giver + 1] - offsets_[giver])};
}

bool ExclusionGraph::Allowed(int giver, int receiver) const {
  if (giver == receiver) return false;
  std::span<const int> f = Forbidden(giver);
  if (f.size() <= 16) return std::find(f.begin(), f.end(), receiver) == f.end();
  return !std::binary_search(f.begin(), f.end(), receiver);
}

namespace {

std::string Join(const std::vector<int>& indices, const std::function<std::string(int)>& name) {
  std::string out;
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i > 0) out += (i + 1 == indices.size()) ? core::Tr("Drawing", " and ") : std::string(", ");
    out += name(indices[i]);
  }
  return out;
}

std::vector<int> Shuffled(int n, Random& random) {
  std::vector<int> v(static_cast<std::size_t>(n));
  std::iota(v.begin(), v.end(), 0);
  for (int i = n - 1; i > 0; --i)
    std::swap(v[i], v[random.Below(static_cast<std::uint32_t>(i) + 1)]);
  return v;
}

// Breadth-first search over the complement graph. Unvisited receivers sit in one array;
// expanding a giver walks that array, takes every receiver it may draw and skips the ones
// it may not. Each receiver is taken once per search and each skip is paid for by one
// forbidden pair, so a whole search costs O(n + forbidden pairs).
class ComplementSearch {
 public:
  explicit ComplementSearch(const ExclusionGraph& graph)
      : graph_(graph), mark_(static_cast<std::size_t>(graph.size()), 0) {}

  void Reset(const std::vector<int>& receiver_order) {
    unvisited_ = receiver_order;
    count_ = unvisited_.size();
  }

  template <typename Fn>
  void Expand(int giver, Fn on_receiver) {
    ++stamp_;
    for (int f : graph_.Forbidden(giver)) mark_[f] = stamp_;
    mark_[giver] = stamp_;
    std::size_t i = 0;
    while (i < count_) {
      const int v = unvisited_[i];
      if (mark_[v] == stamp_) {
        ++i;
        continue;
      }
      unvisited_[i] = unvisited_[--count_];
      on_receiver(v);
    }
  }

 private:
  const ExclusionGraph& graph_;
  std::vector<std::uint32_t> mark_;
  std::uint32_t stamp_ = 0;
  std::vector<int> unvisited_;
  std::size_t count_ = 0;
};

void GreedyStart(const ExclusionGraph& graph, Random& random, Matching& m) {
  const int n = graph.size();
  std::vector<int> pool = Shuffled(n, random);
  std::size_t left = pool.size();
  for (int u : Shuffled(n, random)) {
    // A few random picks are enough almost always; what they miss the augmenting phase finds.
    for (int t = 0; t < 8 && left > 0; ++t) {
      const std::size_t idx = random.Below(static_cast<std::uint32_t>(left));
      const int v = pool[idx];
      if (!graph.Allowed(u, v)) continue;
      m.receiver_of[u] = v;
      m.giver_of[v] = u;
      ++m.size;
      pool[idx] = pool[--left];
      break;
    }
  }
}

}  // namespace

Matching MaximumMatching(const ExclusionGraph& graph, Random& random) {
  const int n = graph.size();
  Matching m;
  m.receiver_of.assign(static_cast<std::size_t>(n), -1);
  m.giver_of.assign(static_cast<std::size_t>(n), -1);
  if (n == 0) return m;
  GreedyStart(graph, random, m);

  // Phases: one search from every free giver at once builds a forest of alternating paths;
  // every path to a free receiver that shares no giver with a path taken earlier in the same
  // phase is flipped. A phase that reaches no free receiver proves the matching maximum.
  ComplementSearch search(graph);
  const std::vector<int> receiver_order = Shuffled(n, random);
  std::vector<int> parent_of_receiver(static_cast<std::size_t>(n));
  std::vector<int> parent_of_giver(static_cast<std::size_t>(n));
  std::vector<int> used(static_cast<std::size_t>(n), 0);
  std::vector<int> queue;
  std::vector<int> ends;
  for (int phase = 1; m.size < n; ++phase) {
    queue.clear();
    ends.clear();
    for (int u : receiver_order)  // any random order of givers will do
      if (m.receiver_of[u] < 0) {
        queue.push_back(u);
        parent_of_giver[u] = -1;
      }
    search.Reset(receiver_order);
    for (std::size_t qi = 0; qi < queue.size(); ++qi) {
      const int u = queue[qi];
      search.Expand(u, [&](int v) {
        parent_of_receiver[v] = u;
        const int w = m.giver_of[v];
        if (w < 0) {
          ends.push_back(v);
        } else {
          parent_of_giver[w] = v;
          queue.push_back(w);
        }
      });
    }
    if (ends.empty()) break;
    for (int end : ends) {
      bool free_path = true;
      for (int x = end;;) {
        const int u = parent_of_receiver[x];
        if (used[u] == phase) {
          free_path = false;
          break;
        }
        x = parent_of_giver[u];
        if (x < 0) break;
      }
      if (!free_path) continue;
      for (int x = end;;) {
        const int u = parent_of_receiver[x];
        used[u] = phase;
        const int previous = parent_of_giver[u];
        m.receiver_of[u] = x;
        m.giver_of[x] = u;
        if (previous < 0) break;
        x = previous;
      }
      ++m.size;
    }
  }
  return m;
}

Obstruction FindObstruction(const ExclusionGraph& graph, const Matching& matching) {
  Obstruction out;
  const int n = graph.size();
  int start = -1;
  for (int u = 0; u < n && start < 0; ++u)
    if (matching.receiver_of[u] < 0) start = u;
  if (start < 0) return out;
  std::vector<int> order(static_cast<std::size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  ComplementSearch search(graph);
  search.Reset(order);
  out.kind = Obstruction::Kind::kGiversShort;
  out.givers.push_back(start);
  for (std::size_t qi = 0; qi < out.givers.size(); ++qi) {
    search.Expand(out.givers[qi], [&](int v) {
      out.receivers.push_back(v);
      // In a maximum matching every receiver reached here is taken; its giver joins the set.
      if (const int w = matching.giver_of[v]; w >= 0) out.givers.push_back(w);
    });
  }
  std::sort(out.givers.begin(), out.givers.end());
  std::sort(out.receivers.begin(), out.receivers.end());
  return out;
}

namespace {

// Everybody reachable from `start` by permitted gifts, sorted.
std::vector<int> Reachable(const ExclusionGraph& graph, int start) {
  std::vector<int> order(static_cast<std::size_t>(graph.size()));
  std::iota(order.begin(), order.end(), 0);
  ComplementSearch search(graph);
  search.Reset(order);
  std::vector<int> seen = {start};
  std::vector<char> in(order.size(), 0);
  in[start] = 1;
  for (std::size_t qi = 0; qi < seen.size(); ++qi) {
    search.Expand(seen[qi], [&](int v) {
      if (!in[v]) {
        in[v] = 1;
        seen.push_back(v);
      }
    });
  }
  std::sort(seen.begin(), seen.end());
  return seen;
}

}  // namespace

Obstruction FindClosedGroup(const ExclusionGraph& graph) {
  Obstruction out;
  const int n = graph.size();
  if (n < 2) return out;
  std::vector<int> group = Reachable(graph, 0);
  if (static_cast<int>(group.size()) < n) {
    out.kind = Obstruction::Kind::kClosedGroup;
    out.givers = std::move(group);
    return out;
  }
  // Those who cannot reach participant 0 give only among themselves.
  const std::vector<int> reaching = Reachable(graph.Reversed(), 0);
  if (static_cast<int>(reaching.size()) < n) {
    std::vector<char> in(static_cast<std::size_t>(n), 0);
    for (int v : reaching) in[v] = 1;
    out.kind = Obstruction::Kind::kClosedGroup;
    for (int v = 0; v < n; ++v)
      if (!in[v]) out.givers.push_back(v);
  }
  return out;
}

int UndrawableReceiver(const ExclusionGraph& graph) {
  const int n = graph.size();
  std::vector<int> excluded_by(static_cast<std::size_t>(n), 0);
  for (int u = 0; u < n; ++u)
    for (int v : graph.Forbidden(u)) ++excluded_by[v];
  for (int v = 0; v < n; ++v)
    if (excluded_by[v] == n - 1) return v;
  return -1;
}

std::string Obstruction::Describe() const {
  return Describe([](int i) {
    return core::Arg(core::Tr("Drawing", "participant %1"), {std::to_string(i + 1)});
  });
}

std::string Obstruction::Describe(const std::function<std::string(int)>& name) const {
  const auto who = [&](const std::vector<int>& people) {
    std::string text = Join(people, name);
    if (!text.empty())
      text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
  };
  switch (kind) {
    case Kind::kNone:
      return core::Tr("Drawing", "A valid drawing exists.");
    case Kind::kUndrawableReceiver:
      return core::Arg(core::Tr("Drawing", "Nobody may draw %1: everybody else excludes them."),
                       {name(receiver)});
    case Kind::kGiversShort:
      if (receivers.empty())
        return core::Arg(core::Tr("Drawing", "%1 may draw nobody."), {who(givers)});
      return core::Arg(core::Tr("Drawing", "%1 may draw only %2: %3 for %4 givers."),
                       {who(givers), Join(receivers, name), std::to_string(receivers.size()),
                        std::to_string(givers.size())});
    case Kind::kClosedGroup:
      return core::Arg(core::Tr("Drawing",
                                "%1 may give only among themselves, so no single loop can "
                                "include everybody."),
                       {who(givers)});
    case Kind::kNoSingleLoop:
      return core::Tr("Drawing",
                      "No single loop through everybody exists: every possible drawing was "
                      "counted.");
    case Kind::kOnlySwappedPairs:
      return core::Tr("Drawing",
                      "Every possible drawing has two people drawing each other: every "
                      "possible drawing was counted.");
  }
  return {};
}

}  // namespace roster
