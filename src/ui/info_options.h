#pragma once
// The command line's informational options, answered before any window (or display) exists.

#include <iosfwd>

namespace ui {

enum class InfoOption { kNone, kVersion, kHelp };

// The first informational option among the arguments (none after "--").
InfoOption AskedInfoOption(int argc, char** argv);

// "--version" and "--help" (also "-h") print to `out` and return the exit status; -1 means
// none was given and the program should go on. Other arguments are left to Qt. The help is in
// the language of the translation installed (core::Tr).
int HandleInfoOptions(int argc, char** argv, std::ostream& out);
int HandleInfoOptions(int argc, char** argv);

}  // namespace ui
