#pragma once
// The command line's informational options, answered before any window (or display) exists.

#include <iosfwd>

namespace ui {

// "--version" and "--help" (also "-h") print to `out` and return the exit status; -1 means
// none was given and the program should go on. Other arguments are left to Qt.
int HandleInfoOptions(int argc, char** argv, std::ostream& out);
int HandleInfoOptions(int argc, char** argv);

}  // namespace ui
