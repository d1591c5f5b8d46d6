#pragma once
// Checks the participant dialogs make before anything is written to the roster.

#include <string>

#include "core/ui_port.h"

namespace roster {

// True when the name is usable; otherwise shows the two-line message and returns false.
bool ValidateUserName(Ui& ui, const std::string& name);
// True when the address passes the program's (deliberately loose) test; otherwise shows the
// message and returns false.
bool ValidateEmailAddress(Ui& ui, const std::string& address);
// Removes every occurrence of piece from text (text is changed too) and returns the result.
std::string RemoveSubstring(std::string& text, const std::string& piece);

}  // namespace roster
