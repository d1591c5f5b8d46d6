#pragma once
// Reading a list file for a command: the desktop program's reader with the load options the
// dialog offers by default (clear, add participants, keep their exclusions), nothing asked.

#include <filesystem>
#include <memory>
#include <string>

#include "app/cli/context.h"
#include "roster/roster.h"

namespace cli {

// A roster with the grid and the message footer set up as at start-up.
std::unique_ptr<roster::Roster> NewRoster(ConsoleUi& ui);

// Reads `path` into the roster (re_send: the archive reader of re-send mode). A file that
// cannot be read ends the command with kExitBadInput and the reader's own message.
void LoadRoster(Context& ctx, roster::Roster& roster, const std::filesystem::path& path,
                bool re_send);

// "Name" or "row N" when the name is empty, for messages about a participant.
std::string Describe(const roster::Roster& roster, int row);

// Why no drawing exists, naming the participants ("nobody can give to Cat"); empty when one
// does.
std::string NoDrawingReason(const roster::Roster& roster);

}  // namespace cli
