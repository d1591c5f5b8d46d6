// Feeds arbitrary bytes to the settings-file reader, as a hand-edited or damaged file would
// reach it, and checks that what it read survives being written and read again unchanged
// (values, types and order), so a save never loses or alters a value it did not touch.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/file_settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const mail::SettingsEntries first = mail::ParseSettingsFile(text);
  const mail::SettingsEntries again = mail::ParseSettingsFile(mail::FormatSettingsFile(first));
  if (again.size() != first.size()) std::abort();
  for (size_t i = 0; i < first.size(); ++i) {
    const auto& [name, value] = first[i];
    const auto& [name2, value2] = again[i];
    if (name != name2 || value.type != value2.type) std::abort();
    if (value.type == mail::kTypeInt32 ? value.number != value2.number : value.text != value2.text)
      std::abort();
  }
  return 0;
}
