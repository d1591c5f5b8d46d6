// The drawing engine against the blind draw it replaces, side by side in one process.
//
// Reference: givers in row order, random candidates with replacement, a giver gives up after
// 102 candidates and the whole drawing restarts, at most 101 attempts. It is reimplemented
// here only as a yardstick; its "already drawn" test uses a flag per receiver instead of a
// scan of the result column, so its times are far lower than the original procedure's, and
// only its success rate is comparable.
//
// Prints a Markdown table: success rate over the runs and median time per drawing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/quiet_ui.h"
#include "drawing/draw_engine.h"
#include "roster/roster.h"

namespace {

using bench::Median;
using NullUi = roster::QuietUi;

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 21;

// Forbidden receivers per giver, 0-based.
using Lists = std::vector<std::vector<int>>;

Lists RandomExclusions(int n, int per_person, roster::Random& rng) {
  Lists lists(static_cast<std::size_t>(n));
  if (n <= 1) return lists;
  const int k = std::min(per_person, n - 2);  // keep a drawing possible
  for (int g = 0; g < n; ++g) {
    auto& l = lists[g];
    while (static_cast<int>(l.size()) < k) {
      const int c = static_cast<int>(rng.Below(static_cast<std::uint32_t>(n)));
      if (c != g && std::find(l.begin(), l.end(), c) == l.end()) l.push_back(c);
    }
  }
  return lists;
}

// Households of 2 to 4 people who must not draw each other.
Lists Households(int n, roster::Random& rng) {
  Lists lists(static_cast<std::size_t>(n));
  for (int first = 0; first < n;) {
    const int size = std::min(n - first, 2 + static_cast<int>(rng.Below(3)));
    for (int a = first; a < first + size; ++a)
      for (int b = first; b < first + size; ++b)
        if (a != b) lists[a].push_back(b);
    first += size;
  }
  return lists;
}

bool BlindDraw(const Lists& lists, roster::Random& rng, std::vector<int>& receiver_of) {
  const int n = static_cast<int>(lists.size());
  std::vector<char> taken(static_cast<std::size_t>(n));
  receiver_of.assign(static_cast<std::size_t>(n), -1);
  for (int restart = 0; restart <= 100; ++restart) {
    std::fill(taken.begin(), taken.end(), 0);
    bool complete = true;
    for (int g = 0; g < n && complete; ++g) {
      const auto& excluded = lists[g];
      for (int tries = 0;; ++tries) {
        const float r = static_cast<float>(rng.NextUnit());
        int c = static_cast<int>(r * static_cast<float>(n));
        if (c >= n) c = n - 1;  // single precision can round up to n
        if (!taken[c] && c != g &&
            std::find(excluded.begin(), excluded.end(), c) == excluded.end()) {
          taken[c] = 1;
          receiver_of[g] = c;
          break;
        }
        if (tries >= 101) {
          complete = false;
          break;
        }
      }
    }
    if (complete) return true;
  }
  return false;
}

roster::ExclusionGraph ToGraph(const Lists& lists) {
  roster::ExclusionGraph g(static_cast<int>(lists.size()));
  for (int u = 0; u < static_cast<int>(lists.size()); ++u)
    for (int v : lists[u]) g.Forbid(u, v);
  g.Finish();
  return g;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Row {
  int n;
  std::string exclusions;
  int ours_ok = 0, ours_uniform = 0, ref_ok = 0;
  std::vector<double> ours_ms = {}, ref_ms = {};
};

// The whole Calculate & View path on the grid at the 16-bit limit: reading 32,767 exclusion
// lists, the draw, writing column 4, and turning the numbers into names.
void FullRosterRow(roster::Random& rng) {
  NullUi ui;
  roster::Roster r(ui);
  r.SetupGrid();
  r.SetRandom(std::make_unique<roster::Xoshiro256>(5));
  const int n = roster::kMaxParticipants;
  const Lists lists = RandomExclusions(n, 5, rng);
  for (int i = 0; i < n; ++i) {
    std::string list;
    for (int c : lists[i]) list += (list.empty() ? "" : ",") + std::to_string(c + 1);
    r.AddParticipant(list, "P" + std::to_string(i + 1), "", "", false);
  }
  std::vector<double> draw_ms, view_ms;
  int ok = 0;
  for (int run = 0; run < kRuns; ++run) {
    auto t0 = Clock::now();
    ok += r.CalculateDrawing();
    auto t1 = Clock::now();
    r.UpdateSecretSantaInfo(true);
    auto t2 = Clock::now();
    draw_ms.push_back(Ms(t1 - t0));
    view_ms.push_back(Ms(t2 - t0));
  }
  std::printf("\nOn the roster grid, %d participants with 5 random exclusions each, %d runs:\n\n",
              n, kRuns);
  std::printf("| operation | success | median ms |\n|---|---|---|\n");
  std::printf("| CalculateDrawing (read lists, draw, write column 4) | %d/%d | %.1f |\n", ok, kRuns,
              Median(draw_ms));
  std::printf("| CalculateDrawing + UpdateSecretSantaInfo(true) | %d/%d | %.1f |\n", ok, kRuns,
              Median(view_ms));
}

}  // namespace

int main() {
  roster::Xoshiro256 rng(20261205);
  std::vector<Row> rows;
  for (int n : {10, 100, 300, 1000, 10000, 32767}) {
    for (int kind : {0, 2, 5, -1}) {
      Row row{n, kind < 0 ? "households 2-4" : std::to_string(kind) + " random"};
      for (int run = 0; run < kRuns; ++run) {
        const Lists lists = kind < 0 ? Households(n, rng) : RandomExclusions(n, kind, rng);

        auto t0 = Clock::now();
        const roster::ExclusionGraph graph = ToGraph(lists);
        const roster::DrawOutcome out = roster::DrawAssignment(graph, rng);
        row.ours_ms.push_back(Ms(Clock::now() - t0));
        if (out.ok && roster::IsValidAssignment(graph, out.receiver_of)) ++row.ours_ok;
        row.ours_uniform += out.method == roster::DrawMethod::kUniform;

        std::vector<int> receivers;
        t0 = Clock::now();
        const bool ref = BlindDraw(lists, rng, receivers);
        row.ref_ms.push_back(Ms(Clock::now() - t0));
        if (ref && roster::IsValidAssignment(graph, receivers)) ++row.ref_ok;
      }
      rows.push_back(std::move(row));
    }
  }
  std::printf(
      "%d runs per row; time per drawing, median; engine time includes building the "
      "exclusion graph.\n\n",
      kRuns);
  std::printf(
      "| N | exclusions per person | engine success | engine uniform | engine ms "
      "| blind draw success | blind draw ms |\n|---|---|---|---|---|---|---|\n");
  for (const Row& r : rows)
    std::printf("| %d | %s | %d%% | %d%% | %.3f | %d%% | %.3f |\n", r.n, r.exclusions.c_str(),
                100 * r.ours_ok / kRuns, 100 * r.ours_uniform / kRuns, Median(r.ours_ms),
                100 * r.ref_ok / kRuns, Median(r.ref_ms));
  FullRosterRow(rng);
  return 0;
}
