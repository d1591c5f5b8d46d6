#pragma once
// Changes to a sent drawing (a late joiner, a drop-out) as new versions of its archive. The
// first archive is version 1; each change writes "<stem>-vN.hmr" and ".htm" beside it, whose
// log names the version it amends, and leaves every earlier file as it was.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/random.h"
#include "drawing/amend.h"
#include "roster/roster.h"

namespace files {

// "20261205-1807-v3.hmr" -> "20261205-1807.hmr"; other names stay as they are.
std::filesystem::path FirstArchiveVersion(const std::filesystem::path& archive);
// The version number a name carries (1 for the first archive).
int ArchiveVersion(const std::filesystem::path& archive);
// The newest existing version of the drawing `archive` belongs to (any version of it may be
// given); `archive` itself when no later one exists.
std::filesystem::path LatestArchiveVersion(const std::filesystem::path& archive);

// The log of the newest version of the drawing whose log `log` is; `log` itself when no later
// log exists.
std::filesystem::path LatestLogVersion(const std::filesystem::path& log);

// The hidden drawing of a roster loaded for re-sending (column 4), as 0-based receivers;
// nothing when some row has no receiver.
std::optional<std::vector<int>> ReadDrawing(const roster::Roster& roster);

// The givers of the roster (loaded from `latest`) whom no ledger of the drawing's versions
// records as reached: each giver's newest record counts, and a giver no ledger mentions was
// never sent to. Nothing, with `error` set, when no version has a readable ledger.
std::optional<std::vector<int>> UnreachedRows(const roster::Roster& roster,
                                              const std::filesystem::path& latest,
                                              std::string& error);

// The rows of the roster (loaded from `latest`) whose giver may have had a message from an
// earlier version naming another receiver: a re-sent message tells them it replaces that one.
std::vector<int> ReplacingRows(const roster::Roster& roster, const std::filesystem::path& latest);

struct DrawingChange {
  bool ok = false;
  bool bad_input = false;         // not ok because of the request itself, not the exclusions
  std::string reason;             // when not ok: why, in plain words
  std::vector<int> changed_rows;  // rows whose giver has a new receiver, ascending
};

// Adds the newcomer as the last row and splices them into the drawing; the roster is left
// unchanged when that is impossible.
DrawingChange JoinDrawing(roster::Roster& roster, const std::string& name, const std::string& email,
                          const std::string& notes, roster::Random& random);

// Removes the participant in `row` and mends the drawing with the fewest changes; the roster
// is left unchanged when that is impossible.
DrawingChange LeaveDrawing(roster::Roster& roster, int row, roster::Random& random);

// Writes the roster as the next version after the newest of `amended`'s drawing and returns
// its list file's path; nothing (after the writer's message) when it could not be written.
// The version's ledger starts with the givers `to_notify` as not yet reached, so that until
// their new messages are accepted no earlier ledger speaks for them.
std::optional<std::filesystem::path> WriteAmendedArchive(roster::Roster& roster,
                                                         const std::filesystem::path& amended,
                                                         const std::vector<int>& to_notify = {});

}  // namespace files
