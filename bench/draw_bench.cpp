// The drawing engine against the blind draw it replaces, side by side in one process.
//
// Reference: givers in row order, random candidates with replacement, a giver gives up after
// 102 candidates and the whole drawing restarts, at most 101 attempts. It is reimplemented
// here only as a yardstick; its "already drawn" test uses a flag per receiver instead of a
// scan of the result column, so its times are far lower than the original procedure's, and
// only its success rate is comparable.
//
// Prints a Markdown table: success rate over the runs and median time per drawing. With
// --options: the drawing options, avoiding earlier drawings, and how close the random walk
// comes to uniform; with --walk: only the last.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <numeric>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/quiet_ui.h"
#include "drawing/draw_engine.h"
#include "drawing/past_pairs.h"
#include "drawing/walk_distance.h"
#include "roster/roster.h"

namespace {

using bench::Median;
using NullUi = roster::QuietUi;

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 21;
constexpr int kOptionRuns = 11;

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

// Households of exactly `size` people who must not draw each other.
Lists FixedHouseholds(int n, int size) {
  Lists lists(static_cast<std::size_t>(n));
  for (int first = 0; first < n; first += size)
    for (int a = first; a < std::min(n, first + size); ++a)
      for (int b = first; b < std::min(n, first + size); ++b)
        if (a != b) lists[a].push_back(b);
  return lists;
}

double CpuMs(std::clock_t from) {
  return 1000.0 * static_cast<double>(std::clock() - from) / CLOCKS_PER_SEC;
}

// The options at the sizes organisers meet, with processor time (the machine the figures
// come from is shared, so wall time says more about the neighbours than about the engine).
void OptionRows(roster::Random& rng) {
  std::printf("\nDrawing options, %d runs per row; processor time per drawing, median:\n\n",
              kOptionRuns);
  std::printf(
      "| N | exclusions | option | success | exactly uniform | median ms |\n"
      "|---|---|---|---|---|---|\n");
  const roster::DrawRules loop{false, true}, no_mutual{true, false};
  struct Case {
    int n;
    int kind;  // random exclusions per person; -k: households of k
    roster::DrawRules rules;
    const char* option;
  };
  std::vector<Case> cases;
  for (int n : {100, 1000, 32767})
    for (int kind : {5, -4, -8})
      for (const auto& [rules, name] :
           {std::pair{loop, "single loop"}, std::pair{no_mutual, "no swapped pairs"}})
        cases.push_back({n, kind, rules, name});
  cases.push_back({32767, 10, {}, "none"});
  for (const Case& c : cases) {
    int ok = 0, exact = 0;
    std::vector<double> ms;
    for (int run = 0; run < kOptionRuns; ++run) {
      const Lists lists =
          c.kind > 0 ? RandomExclusions(c.n, c.kind, rng) : FixedHouseholds(c.n, -c.kind);
      const std::clock_t t0 = std::clock();
      const roster::ExclusionGraph graph = ToGraph(lists);
      roster::DrawOptions options;
      options.rules = c.rules;
      const roster::DrawOutcome out = roster::DrawAssignment(graph, rng, options);
      ms.push_back(CpuMs(t0));
      ok += out.ok && roster::IsValidAssignment(graph, out.receiver_of, c.rules);
      exact += roster::UniformityText(out.method) == "exactly uniform";
    }
    const std::string exclusions = c.kind > 0 ? std::to_string(c.kind) + " random"
                                              : "households of " + std::to_string(-c.kind);
    std::printf("| %d | %s | %s | %d/%d | %d/%d | %.1f |\n", c.n, exclusions.c_str(), c.option, ok,
                kOptionRuns, exact, kOptionRuns, Median(ms));
  }
}

// Avoiding five earlier drawings at 1,000 participants: matching the archived pairs to the
// roster by address, and the drawing under them.
void PastYearsRow(roster::Random& rng) {
  const int n = 1000;
  std::vector<roster::Person> people;
  for (int i = 0; i < n; ++i)
    people.push_back({"Person " + std::to_string(i), "p" + std::to_string(i) + "@example.org"});
  std::vector<roster::PastDrawing> years;
  roster::ExclusionGraph none(n);
  none.Finish();
  for (int y = 0; y < 5; ++y) {
    const auto out = roster::DrawAssignment(none, rng);
    roster::PastDrawing past{std::to_string(y), {}};
    for (int g = 0; g < n; ++g) past.pairs.push_back({people[g], people[out.receiver_of[g]]});
    years.push_back(std::move(past));
  }
  std::vector<double> ms;
  int ok = 0;
  for (int run = 0; run < kOptionRuns; ++run) {
    const Lists lists = RandomExclusions(n, 5, rng);
    const std::clock_t t0 = std::clock();
    std::vector<std::pair<int, int>> avoid;
    for (const auto& past : years)
      for (const auto& pair : roster::MatchPastPairs(people, past)) avoid.push_back(pair);
    const roster::ExclusionGraph graph = ToGraph(lists).With(avoid);
    const auto out = roster::DrawAssignment(graph, rng);
    ms.push_back(CpuMs(t0));
    ok += out.ok && roster::IsValidAssignment(graph, out.receiver_of);
  }
  std::printf(
      "\nAvoiding 5 earlier drawings at %d participants with 5 random exclusions each "
      "(matching by address included): %d/%d, median %.1f ms\n",
      n, ok, kOptionRuns, Median(ms));
}

// Everybody may give only to one of the `k` people before them in a circle.
Lists BeforeThem(int n, int k) {
  Lists lists(static_cast<std::size_t>(n));
  for (int g = 0; g < n; ++g)
    for (int r = 0; r < n; ++r)
      if (r != g && (g - r + n) % n > k) lists[g].push_back(r);
  return lists;
}

// How close the random walk comes to uniform, computed exactly (the walk's transition
// matrix over every valid assignment, from the worst start) on small rosters, tight ones
// included, for each option.
void ChainDistanceRows(roster::Random& rng) {
  std::printf(
      "\nThe random walk's distance from uniform, exact, from the worst start "
      "(total variation distance):\n\n");
  std::printf(
      "| roster | option | valid assignments | moves symmetric | walk length | distance after "
      "the walk | steps to reach 0.01 |\n|---|---|---|---|---|---|---|\n");
  struct Instance {
    std::string name;
    Lists lists;
  };
  std::vector<Instance> instances = {
      {"6, three couples", FixedHouseholds(6, 2)},
      {"7, households of 3", FixedHouseholds(7, 3)},
      {"8, households of 4", FixedHouseholds(8, 4)},
      {"8, each to one of the 3 before them", BeforeThem(8, 3)},
  };
  for (const auto& [n, k] : {std::pair{7, 2}, {7, 3}, {8, 2}, {8, 3}, {8, 4}, {9, 4}, {9, 5}})
    instances.push_back({std::to_string(n) + ", " + std::to_string(k) + " random exclusions each",
                         RandomExclusions(n, k, rng)});
  for (const Instance& inst : instances) {
    const roster::ExclusionGraph g = ToGraph(inst.lists);
    for (const roster::DrawRules rules :
         {roster::DrawRules{}, roster::DrawRules{true, false}, roster::DrawRules{false, true}}) {
      const char* option = rules.single_loop ? "single loop"
                           : rules.no_mutual ? "no swapped pairs"
                                             : "none";
      std::string error;
      const auto d = roster::MeasureWalkDistance(g, rules, error, {}, 1500);
      if (!d) {
        std::printf("| %s | %s | (%s) | | | | |\n", inst.name.c_str(), option, error.c_str());
        continue;
      }
      std::printf("| %s | %s | %zu | %s | %lld | %.1e | %lld |\n", inst.name.c_str(), option,
                  d->assignments, d->symmetric ? "yes" : "no", static_cast<long long>(d->steps),
                  d->distance, static_cast<long long>(d->mixing_steps));
    }
  }
}
}  // namespace

int main(int argc, char** argv) {
  roster::Xoshiro256 rng(20261205);
  if (argc > 1 && std::string(argv[1]) == "--walk") {
    ChainDistanceRows(rng);
    return 0;
  }
  if (argc > 1 && std::string(argv[1]) == "--options") {
    OptionRows(rng);
    PastYearsRow(rng);
    ChainDistanceRows(rng);
    return 0;
  }
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
        row.ours_uniform += roster::UniformityText(out.method) == "exactly uniform";

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
