#pragma once
// The drawing archive: every sent drawing as a list file with results and an HTML log,
// named by the local time, in the folder "History" under the data folder.

#include <filesystem>
#include <string>

#include "core/clock.h"
#include "roster/roster.h"

namespace files {

inline constexpr const char* kHistoryFolder = "History";
inline constexpr const char* kSavedFolder = "Saved";
inline constexpr const char* kLogExtension = ".htm";

// The local time as "yyyymmdd-hhnn".
std::string DateTimeName(const roster::Clock& clock);

// Claims a name for a new archive in `folder`: "yyyymmdd-hhnn", or "yyyymmdd-hhnn_2", "_3"...
// when an archive of that minute exists. The claim is the archive's delivery ledger, created
// empty (mode 0600) and exclusively, so two programs archiving at once never share a name.
// Returns the folder / name without extension; empty when no name could be claimed.
std::filesystem::path ClaimArchiveName(const std::filesystem::path& folder,
                                       const roster::Clock& clock);

// Archives the roster with its hidden results under a newly claimed name in
// <data_dir>/History: the list file (.hmr), the HTML log (.htm) and an empty ledger.
// Disables both Calculate commands first. Called by Calculate & Send once the send options
// are confirmed, before any message leaves; failures are reported here and the caller goes
// on to send. Returns the list file's path, empty when the folder could not be used.
std::filesystem::path SaveDrawingHistory(roster::Roster& roster, const roster::Clock& clock,
                                         const std::filesystem::path& data_dir);

// A re-send archives nothing new: its drawing is in History already, and a second copy would
// count as one more drawing wherever past drawings are read. Disables both Calculate commands,
// as an archive does, and returns the ledger the re-send goes on in: the one beside `archive`.
// An empty ledger (a run that never began) is started with every participant not reached;
// an archive without one gets none (nothing tells who an earlier run reached): empty path.
std::filesystem::path ResendLedger(roster::Roster& roster, const std::filesystem::path& archive);

// The HTML log of the roster, lines ended by CR LF; `log_path` is named in its title.
// UTF-8, with a byte-order mark only when the log holds anything beyond ASCII.
std::string FormatHistoryLog(const roster::Roster& roster, const std::string& log_path);

// Writes the log to `log_path`, reporting a failure itself.
void WriteHistoryLog(roster::Roster& roster, const std::filesystem::path& log_path);

}  // namespace files
