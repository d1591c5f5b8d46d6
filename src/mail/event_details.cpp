#include "mail/event_details.h"

#include <array>
#include <fstream>
#include <sstream>
#include <system_error>

#include "settings/registry.h"

namespace mail {

namespace fs = std::filesystem;

namespace {

struct Field {
  const char* key;         // in the roster's file
  const char* value_name;  // in the settings
  std::string EventDetails::*member;
};

constexpr std::array<Field, 4> kFields = {{
    {"Budget", "EventBudget", &EventDetails::Budget},
    {"Date", "EventDate", &EventDetails::Date},
    {"Place", "EventPlace", &EventDetails::Place},
    {"ReplyBy", "EventReplyBy", &EventDetails::ReplyBy},
}};

// One line per field: a line break typed into a field must not start another field.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

}  // namespace

fs::path EventDetailsPath(const fs::path& roster_file) {
  fs::path p = roster_file;
  p += ".event";
  return p;
}

std::optional<EventDetails> LoadRosterEventDetails(const fs::path& roster_file) {
  if (roster_file.empty()) return std::nullopt;
  std::ifstream in(EventDetailsPath(roster_file), std::ios::binary);
  if (!in) return std::nullopt;
  EventDetails event;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    for (const Field& f : kFields)
      if (line.compare(0, eq, f.key) == 0 && eq == std::string(f.key).size())
        event.*f.member = line.substr(eq + 1);
  }
  return event;
}

bool SaveRosterEventDetails(const fs::path& roster_file, const EventDetails& event) {
  const fs::path path = EventDetailsPath(roster_file);
  fs::path temp = path;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (const Field& f : kFields) out << f.key << '=' << OneLine(event.*f.member) << "\r\n";
    out.flush();
    if (!out) {
      std::error_code ec;
      fs::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) fs::remove(temp, ec);
  return !ec;
}

EventDetails LoadDefaultEventDetails(SettingsStore& store) {
  EventDetails event;
  for (const Field& f : kFields) {
    const RegistryValue v = LoadRegistryValue(store, f.value_name);
    if (const auto* s = std::get_if<std::string>(&v)) event.*f.member = *s;
  }
  return event;
}

void SaveDefaultEventDetails(SettingsStore& store, const EventDetails& event) {
  for (const Field& f : kFields)
    SaveRegistryValue(store, f.value_name, OneLine(event.*f.member), kTypeString);
}

EventDetails EventDetailsFor(const fs::path& roster_file, SettingsStore& store) {
  if (auto own = LoadRosterEventDetails(roster_file)) return *own;
  return LoadDefaultEventDetails(store);
}

}  // namespace mail
