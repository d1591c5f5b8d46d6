#include "files/pending.h"

#include "core/tr.h"
#include "files/amend_archive.h"

namespace files {

std::optional<std::vector<LedgerEntry>> MarkPending(roster::Roster& roster,
                                                    const std::filesystem::path& archive,
                                                    std::string& error) {
  const std::filesystem::path path = LedgerPathFor(archive);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    error = core::Arg(core::Tr("Ledger", "no delivery ledger beside [%1]"), {archive.string()});
    return std::nullopt;
  }
  std::optional<LedgerContents> contents = ReadLedger(path, error);
  if (!contents) return std::nullopt;
  if (contents->entries.empty()) {
    error = core::Arg(core::Tr("Ledger", "the delivery ledger [%1] records no deliveries"),
                      {path.string()});
    return std::nullopt;
  }
  const roster::Grid& grid = roster.grid();
  const std::vector<LedgerEntry> pending = NotAccepted(contents->entries);
  // Rows are checked by name before anything is marked: a ledger beside another drawing's
  // list must not pick people at random.
  for (const LedgerEntry& e : pending) {
    if (e.giver_row < 1 || e.giver_row > roster.ParticipantCount() ||
        grid.TextMatrix(e.giver_row, roster::kColName) != e.name) {
      error = core::Arg(
          core::Tr("Ledger",
                   "the delivery ledger [%1] names %2 in row %3, which [%4] does not hold"),
          {path.string(), e.name, std::to_string(e.giver_row), archive.string()});
      return std::nullopt;
    }
  }
  for (const LedgerEntry& e : pending) {
    if (roster.IsMarked(e.giver_row)) continue;
    roster.MSFlexGrid_MouseDown(e.giver_row, roster::kColName);
  }
  return pending;
}

std::optional<std::vector<int>> MarkPendingOfEveryVersion(roster::Roster& roster,
                                                          const std::filesystem::path& archive,
                                                          std::string& error) {
  std::vector<int> rows;
  if (ArchiveVersion(archive) == 1) {
    const auto marked = MarkPending(roster, archive, error);
    if (!marked) return std::nullopt;
    for (const LedgerEntry& e : *marked) rows.push_back(e.giver_row);
    return rows;
  }
  const auto unreached = UnreachedRows(roster, archive, error);
  if (!unreached) return std::nullopt;
  for (int row : *unreached)
    if (!roster.IsMarked(row)) roster.MSFlexGrid_MouseDown(row, roster::kColName);
  return unreached;
}

}  // namespace files
