#pragma once
// List files (".hmr"): one roster per file, one record per participant.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "files/file_dialogs.h"
#include "roster/roster.h"

namespace files {

inline constexpr const char* kListExtension = ".hmr";

// Writes rows 1..N; with include_results, field 4 carries the name of the participant whose
// row number column 4 holds. Reports a failure itself; an earlier file stays whole then.
// True when written.
bool SaveParticipantFile(roster::Roster& roster, const std::filesystem::path& path,
                         bool include_results);

// The name in the row whose number the "Secret Santa For" cell of `row` holds; empty when
// the cell names no data row (no drawing yet).
const std::string& ReceiverName(const roster::Grid& grid, int row);

// The bytes a list file of the roster holds (what SaveParticipantFile writes).
std::string FormatParticipantFile(const roster::Roster& roster, bool include_results);

// Reads a list file into the roster in four stages; true when the file was read completely.
// `dialogs` shows frmLoadFileOptions unless re_send.
bool LoadParticipantFile(roster::Roster& roster, FileDialogs& dialogs,
                         const std::filesystem::path& path, bool re_send);

// The same, reading the file's bytes through `open` each time a stage opens the file
// (nothing = the file cannot be opened); `shown_path` is what messages name.
using ListSource = std::function<std::optional<std::string>()>;
bool LoadParticipantSource(roster::Roster& roster, FileDialogs& dialogs, const ListSource& open,
                           const std::string& shown_path, bool re_send);

// The giver (matched by name) may no longer draw the receiver (matched by name).
void AddExclusionFromDrawing(roster::Roster& roster, const std::string& giver,
                             const std::string& receiver);

// Puts the receiver's number, hidden, into the giver's "Secret Santa For" cell.
void SetReSendInfo(roster::Roster& roster, const std::string& giver, const std::string& receiver);

}  // namespace files
