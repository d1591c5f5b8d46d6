#include "files/pending.h"

namespace files {

std::optional<std::vector<LedgerEntry>> MarkPending(roster::Roster& roster,
                                                    const std::filesystem::path& archive,
                                                    std::string& error) {
  const std::filesystem::path path = LedgerPathFor(archive);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    error = "no delivery ledger beside [" + archive.string() + "]";
    return std::nullopt;
  }
  std::optional<LedgerContents> contents = ReadLedger(path, error);
  if (!contents) return std::nullopt;
  if (contents->entries.empty()) {
    error = "the delivery ledger [" + path.string() + "] records no deliveries";
    return std::nullopt;
  }
  const roster::Grid& grid = roster.grid();
  const std::vector<LedgerEntry> pending = NotAccepted(contents->entries);
  // Rows are checked by name before anything is marked: a ledger beside another drawing's
  // list must not pick people at random.
  for (const LedgerEntry& e : pending) {
    if (e.giver_row < 1 || e.giver_row > roster.ParticipantCount() ||
        grid.TextMatrix(e.giver_row, roster::kColName) != e.name) {
      error = "the delivery ledger [" + path.string() + "] names " + e.name + " in row " +
              std::to_string(e.giver_row) + ", which [" + archive.string() + "] does not hold";
      return std::nullopt;
    }
  }
  for (const LedgerEntry& e : pending) {
    if (roster.IsMarked(e.giver_row)) continue;
    roster.MSFlexGrid_MouseDown(e.giver_row, roster::kColName);
  }
  return pending;
}

}  // namespace files
