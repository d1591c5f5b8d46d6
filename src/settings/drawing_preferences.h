#pragma once
// The drawing options the organiser chose in Tools > Drawing Options, kept in the settings
// store between sessions.

#include "settings/settings_store.h"

namespace mail {

inline constexpr char kValueDrawAvoidYears[] = "DrawAvoidYears";
inline constexpr char kValueDrawSingleLoop[] = "DrawSingleLoop";
inline constexpr char kValueDrawNoMutual[] = "DrawNoMutual";
inline constexpr int kMaxAvoidYears = 5;

struct DrawingPreferences {
  int avoid_years = 0;  // 0..kMaxAvoidYears
  bool single_loop = false;
  bool no_mutual = false;
};

// Missing or unusable values read as the defaults (the documented drawing).
DrawingPreferences LoadDrawingPreferences(SettingsStore& store);
void SaveDrawingPreferences(SettingsStore& store, const DrawingPreferences& preferences);

}  // namespace mail
