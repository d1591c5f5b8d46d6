#include "settings/drawing_preferences.h"

#include <algorithm>

#include "settings/registry.h"

namespace mail {

namespace {

int ReadInt(SettingsStore& store, const char* name, int fallback) {
  const RegistryValue v = LoadRegistryValue(store, name);
  if (const auto* i = std::get_if<int32_t>(&v)) return *i;
  return fallback;
}

}  // namespace

DrawingPreferences LoadDrawingPreferences(SettingsStore& store) {
  DrawingPreferences p;
  const int years = ReadInt(store, kValueDrawAvoidYears, 0);
  p.avoid_years = years >= 0 && years <= kMaxAvoidYears ? years : 0;
  p.single_loop = ReadInt(store, kValueDrawSingleLoop, 0) == 1;
  p.no_mutual = ReadInt(store, kValueDrawNoMutual, 0) == 1;
  return p;
}

void SaveDrawingPreferences(SettingsStore& store, const DrawingPreferences& p) {
  SaveRegistryValue(store, kValueDrawAvoidYears, std::clamp(p.avoid_years, 0, kMaxAvoidYears),
                    kTypeInt32);
  SaveRegistryValue(store, kValueDrawSingleLoop, p.single_loop ? 1 : 0, kTypeInt32);
  SaveRegistryValue(store, kValueDrawNoMutual, p.no_mutual ? 1 : 0, kTypeInt32);
}

}  // namespace mail
