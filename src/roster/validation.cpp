#include "roster/validation.h"

#include "core/tr.h"

namespace roster {

bool ValidateUserName(Ui& ui, const std::string& name) {
  if (!name.empty() && name.find('"') == std::string::npos) return true;
  ui.MsgBox(
      core::Tr("Roster",
               "Invalid User Name Entry:\nUser Name can not contain any of these characters [\"]"),
      mb::kCritical);
  return false;
}

bool ValidateEmailAddress(Ui& ui, const std::string& address) {
  // Positions are 1-based, 0 meaning "not found", as the rule is stated that way.
  const std::size_t length = address.size();
  const std::size_t at_index = address.find('@');
  const std::size_t a = at_index == std::string::npos ? 0 : at_index + 1;
  std::size_t d = 0;
  if (a > 2) {
    std::size_t dot = address.find('.', a - 1);
    d = dot == std::string::npos ? 0 : dot + 1;
  }
  if (d < a + 1 || length < 6 || a < 2) {
    ui.MsgBox(core::Tr("Roster", "Invalid Email Address Entry"), mb::kCritical);
    return false;
  }
  return true;
}

std::string RemoveSubstring(std::string& text, const std::string& piece) {
  if (piece.empty()) return text;
  for (std::size_t p; (p = text.find(piece)) != std::string::npos;) text.erase(p, piece.size());
  return text;
}

}  // namespace roster
