// List files at the 16-bit limit: saving and opening a roster of 32,767 participants with
// exclusion lists and notes, opening an archived drawing with "Add New Exclusions based on
// results of previous drawing " checked, loading it for re-sending, and writing the archive
// (list file with results plus HTML log). Prints median wall time over several runs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/quiet_ui.h"
#include "files/history.h"
#include "files/list_file.h"
#include "roster/roster.h"

namespace {

using bench::Median;
using bench::Millis;
using NullUi = roster::QuietUi;

namespace fs = std::filesystem;

// Continue with the boxes as prepared, optionally checking "Add New Exclusions ...".
class Dialogs : public files::FileDialogs {
 public:
  std::optional<fs::path> ShowOpen(const files::FileDialogRequest&) override { return {}; }
  std::optional<fs::path> ShowSave(const files::FileDialogRequest&) override { return {}; }
  files::LoadOptions ShowLoadOptions(const files::LoadOptions& o) override {
    files::LoadOptions chosen = o;
    chosen.set_exclusions = set_exclusions && o.set_exclusions_enabled;
    return chosen;
  }
  bool set_exclusions = false;
};

constexpr int kParticipants = roster::kMaxParticipants;

// Up to five exclusions each; a drawing where participant i gives to i + 3 (cyclically).
void Fill(roster::Roster& r) {
  r.SetupGrid();
  for (int i = 1; i <= kParticipants; ++i) {
    r.AddParticipant(bench::NeighbourExclusions(i, kParticipants),
                     "Participant " + std::to_string(i), "p" + std::to_string(i) + "@example.org",
                     "a book, or \"tea\"", false);
    r.grid().SetTextMatrix(i, roster::kColResult, std::to_string((i + 2) % kParticipants + 1));
  }
}

bool Check(bool ok, const char* what) {
  if (!ok) std::fprintf(stderr, "unexpected result: %s\n", what);
  return ok;
}

}  // namespace

int main() {
  constexpr int kRuns = 5;
  const fs::path dir = fs::temp_directory_path() / "hm_files_bench";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path list = dir / "roster.hmr";
  std::vector<double> save, load, load_set, resend, archive;
  bool ok = true;
  std::uintmax_t list_bytes = 0, archive_bytes = 0;
  for (int run = 0; run < kRuns; ++run) {
    NullUi ui;
    roster::Roster source(ui);
    Fill(source);
    save.push_back(Millis([&] { files::SaveParticipantFile(source, list, false); }));
    list_bytes = fs::file_size(list);

    roster::ManualClock clock(std::chrono::system_clock::from_time_t(1'765'000'000 + run * 60));
    archive.push_back(Millis([&] { files::SaveDrawingHistory(source, clock, dir); }));
    const fs::path archived = dir / "History" / (files::DateTimeName(clock) + ".hmr");
    archive_bytes = fs::file_size(archived) +
                    fs::file_size(archived.parent_path() / (files::DateTimeName(clock) + ".htm"));

    Dialogs dialogs;
    roster::Roster loaded(ui);
    loaded.SetupGrid();
    load.push_back(Millis([&] { ok &= files::LoadParticipantFile(loaded, dialogs, list, false); }));
    ok &= Check(loaded.ParticipantCount() == kParticipants, "participants after open");
    ok &= Check(loaded.grid().TextMatrix(100, roster::kColExclusions) == "98,99,101,102,107",
                "exclusions after open");

    dialogs.set_exclusions = true;
    load_set.push_back(
        Millis([&] { ok &= files::LoadParticipantFile(loaded, dialogs, archived, false); }));
    ok &= Check(loaded.grid().TextMatrix(100, roster::kColExclusions) == "98,99,101,102,103,107",
                "exclusions from the previous drawing");

    roster::Roster again(ui);
    again.SetupGrid();
    resend.push_back(Millis([&] {
      again.ClearList();
      ok &= files::LoadParticipantFile(again, dialogs, archived, true);
    }));
    ok &= Check(again.grid().TextMatrix(100, roster::kColResult) == "103", "re-send result");
    ok &= Check(ui.boxes == 0, "no message boxes");
  }
  fs::remove_all(dir);
  std::printf("%d participants; list file %.1f MB, archive (list + log) %.1f MB; median of %d\n\n",
              kParticipants, list_bytes / 1e6, archive_bytes / 1e6, kRuns);
  std::printf("| operation | ms |\n|---|---|\n");
  std::printf("| save list (SaveParticipantFile) | %.1f |\n", Median(save));
  std::printf("| open list, default options (LoadParticipantFile) | %.1f |\n", Median(load));
  std::printf("| open archive with exclusions from results | %.1f |\n", Median(load_set));
  std::printf("| open archive for re-sending | %.1f |\n", Median(resend));
  std::printf("| archive a drawing (SaveDrawingHistory: list + log) | %.1f |\n", Median(archive));
  return ok ? 0 : 1;
}
