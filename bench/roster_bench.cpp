// Roster operations at the 16-bit limit: building 32,767 participants with exclusion lists,
// removing the first (renumbers every row and rewrites every list) and the last, and
// recomputing the command states. Prints median wall time over several runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/quiet_ui.h"
#include "roster/roster.h"

namespace {

using bench::Median;
using bench::Millis;
using NullUi = roster::QuietUi;

constexpr int kParticipants = roster::kMaxParticipants;

// Each participant excludes up to five neighbours, as households and last year's pairs would.
void Fill(roster::Roster& r) {
  r.SetupGrid();
  for (int i = 1; i <= kParticipants; ++i) {
    r.AddParticipant(bench::NeighbourExclusions(i, kParticipants),
                     "Participant " + std::to_string(i), "p" + std::to_string(i) + "@example.org",
                     "a book", false);
  }
}

}  // namespace

int main() {
  constexpr int kRuns = 5;
  std::vector<double> add, remove_first, remove_last, update;
  for (int run = 0; run < kRuns; ++run) {
    NullUi ui;
    roster::Roster r(ui);
    add.push_back(Millis([&] { Fill(r); }));
    remove_first.push_back(Millis([&] {
      r.grid().SetRow(1);
      r.EditRow = 1;
      r.RemoveParticipant();
    }));
    remove_last.push_back(Millis([&] {
      int last = r.grid().Rows() - 1;
      r.grid().SetRow(last);
      r.EditRow = last;
      r.RemoveParticipant();
    }));
    update.push_back(Millis([&] { r.UpdateButtonEnables(false); }));
    if (r.grid().TextMatrix(1, roster::kColExclusions) != "2,3,8") {  // it was 1,3,4,9
      std::fprintf(stderr, "unexpected list after removal: %s\n",
                   r.grid().TextMatrix(1, roster::kColExclusions).c_str());
      return 1;
    }
  }
  std::printf("Roster operations, %d participants, median of %d runs\n", kParticipants, kRuns);
  std::printf("| operation | ms |\n|---|---|\n");
  std::printf("| add all (AddParticipant x %d) | %.1f |\n", kParticipants, Median(add));
  std::printf("| remove first participant | %.2f |\n", Median(remove_first));
  std::printf("| remove last participant | %.2f |\n", Median(remove_last));
  std::printf("| UpdateButtonEnables | %.4f |\n", Median(update));
  return 0;
}
