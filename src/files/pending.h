#pragma once
// Re-sending from an archive's ledger: the people it does not record as reached.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "files/ledger.h"
#include "roster/roster.h"

namespace files {

// Marks, on the roster loaded from `archive` in re-send mode, everyone whose message the
// archive's ledger does not record as accepted (unconfirmed ones too: a second message is
// better than none). Returns the people marked, in order; nothing, with `error` set and no
// marks changed, when the ledger is missing, unreadable, records no deliveries or names
// people the roster does not hold.
std::optional<std::vector<LedgerEntry>> MarkPending(roster::Roster& roster,
                                                    const std::filesystem::path& archive,
                                                    std::string& error);

// Marks who no message of the drawing reached, on the roster loaded from `archive` (its newest
// version) in re-send mode. A changed drawing's versions each record their own runs, so every
// version's ledger counts there, each giver's newest record winning; a first archive's ledger
// is read as MarkPending reads it. Returns the rows marked; nothing, with `error` set, when no
// ledger can tell.
std::optional<std::vector<int>> MarkPendingOfEveryVersion(roster::Roster& roster,
                                                          const std::filesystem::path& archive,
                                                          std::string& error);

}  // namespace files
