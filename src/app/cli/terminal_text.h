#pragma once
// Texts from list files and servers on their way to a terminal or a shell.

#include <string>
#include <string_view>

namespace cli {

// Control characters shown as \xHH (C1 controls as \u00HH), so a name or a server reply
// cannot move the cursor, retitle the window or hide text. Line breaks stay when
// keep_line_breaks.
std::string TerminalSafe(std::string_view text, bool keep_line_breaks = false);

// One word for a POSIX shell that reads back as exactly `text`, whatever it holds: single
// quotes, with a quote inside written '\'' and other control characters than the line
// break produced by printf, so the printed command is safe to show and to paste.
std::string ShellQuote(std::string_view text);

}  // namespace cli
