#pragma once
// --avoid-years, --single-loop and --no-mutual of check, draw and send.

#include <vector>

#include "app/cli/args.h"
#include "app/cli/context.h"
#include "roster/roster.h"

namespace cli {

// The options as the three commands declare them.
const std::vector<OptionSpec>& DrawingOptionSpecs();

// Reads the options (and, for --avoid-years, the archived drawings) into the roster.
void ApplyDrawingChoices(Context& ctx, roster::Roster& roster);

// For check: one line per option given (and one for all of them together) saying whether a
// drawing exists under it. Returns kExitNoDrawing when one is proven impossible,
// kExitFailed when one is unknown within the time limit, else kExitOk.
int ReportDrawingChoices(Context& ctx, const roster::Roster& roster);

}  // namespace cli
