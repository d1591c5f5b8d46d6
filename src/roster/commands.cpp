#include "roster/commands.h"

namespace roster {

namespace {
const CommandState kUnknown{false, {}, {}, 0};
}

void Commands::Define(const std::string& name, CommandState state) {
  states_[name] = std::move(state);
  Changed(name);
}

CommandState& Commands::Entry(const std::string& name) { return states_[name]; }

void Commands::Changed(const std::string& name) {
  if (changed_) changed_(name);
}

bool Commands::Enabled(const std::string& name) const {
  auto it = states_.find(name);
  return it != states_.end() && it->second.enabled;
}

void Commands::SetEnabled(const std::string& name, bool on) {
  CommandState& s = Entry(name);
  if (s.enabled == on) return;
  s.enabled = on;
  Changed(name);
}

const std::string& Commands::Caption(const std::string& name) const {
  auto it = states_.find(name);
  return it != states_.end() ? it->second.caption : kUnknown.caption;
}

void Commands::SetCaption(const std::string& name, std::string caption) {
  CommandState& s = Entry(name);
  if (s.caption == caption) return;
  s.caption = std::move(caption);
  Changed(name);
}

const std::string& Commands::ToolTip(const std::string& name) const {
  auto it = states_.find(name);
  return it != states_.end() ? it->second.tool_tip : kUnknown.tool_tip;
}

void Commands::SetToolTip(const std::string& name, std::string tip) {
  CommandState& s = Entry(name);
  if (s.tool_tip == tip) return;
  s.tool_tip = std::move(tip);
  Changed(name);
}

int Commands::Image(const std::string& name) const {
  auto it = states_.find(name);
  return it != states_.end() ? it->second.image : 0;
}

void Commands::SetImage(const std::string& name, int image) {
  CommandState& s = Entry(name);
  if (s.image == image) return;
  s.image = image;
  Changed(name);
}

}  // namespace roster
