#pragma once
// Where the event details are remembered: in a small file next to the roster file they were
// last used with, and in the settings as the default for rosters without one.

#include <filesystem>
#include <optional>

#include "mail/send_values.h"
#include "settings/settings_store.h"

namespace mail {

// "party.hmr" -> "party.hmr.event".
std::filesystem::path EventDetailsPath(const std::filesystem::path& roster_file);

// The details remembered for a roster file; nothing when it has none (or they cannot be read).
std::optional<EventDetails> LoadRosterEventDetails(const std::filesystem::path& roster_file);
// False when the file could not be written; an earlier one then stays whole.
bool SaveRosterEventDetails(const std::filesystem::path& roster_file, const EventDetails& event);

// The default details in the settings (empty fields when none were saved).
EventDetails LoadDefaultEventDetails(SettingsStore& store);
void SaveDefaultEventDetails(SettingsStore& store, const EventDetails& event);

// What the send dialog starts with: the roster's own details, else the default.
EventDetails EventDetailsFor(const std::filesystem::path& roster_file, SettingsStore& store);

}  // namespace mail
