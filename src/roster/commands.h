#pragma once
// Enabled state, caption, tool tip and image of every command, keyed by menu-item name
// ("mnuSave") or toolbar key ("SAVE"). The window binds its actions to these entries;
// roster code only ever touches this table.

#include <functional>
#include <map>
#include <string>

namespace roster {

struct CommandState {
  bool enabled = true;
  std::string caption;
  std::string tool_tip;
  int image = 0;  // 1-based index into the toolbar's image list; 0 = none
};

class Commands {
 public:
  // Creates or replaces an entry.
  void Define(const std::string& name, CommandState state);
  bool Has(const std::string& name) const { return states_.count(name) != 0; }

  bool Enabled(const std::string& name) const;
  void SetEnabled(const std::string& name, bool on);
  const std::string& Caption(const std::string& name) const;
  void SetCaption(const std::string& name, std::string caption);
  const std::string& ToolTip(const std::string& name) const;
  void SetToolTip(const std::string& name, std::string tip);
  int Image(const std::string& name) const;
  void SetImage(const std::string& name, int image);

  const std::map<std::string, CommandState>& All() const { return states_; }
  void SetListener(std::function<void(const std::string&)> changed) { changed_ = std::move(changed); }

 private:
  CommandState& Entry(const std::string& name);
  void Changed(const std::string& name);

  std::map<std::string, CommandState> states_;
  std::function<void(const std::string&)> changed_;
};

}  // namespace roster
