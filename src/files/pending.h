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

}  // namespace files
