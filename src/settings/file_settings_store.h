#pragma once
// The settings store as a small text file in the user's config folder:
//
//   ; Hollymoor settings
//   SMTPServer="smtp.example.com:587"
//   UseSMTP=1
//
// A quoted value is a string (with \\ \" \n \r \t \xHH escapes), a bare decimal number a
// 32-bit integer; any other value is kept as it stands and reads as a value of unknown type.
// Every write replaces the file atomically (temporary file + rename) with mode 0600, since it
// holds the password's Base64 text. A missing file is created, with its folder, on the first
// write; a file that exists but may not be written refuses access to reads and writes alike.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "settings/settings_store.h"

namespace mail {

class FileSettingsStore : public SettingsStore {
 public:
  explicit FileSettingsStore(std::filesystem::path path) : path_(std::move(path)) {}
  int OpenKey(std::unique_ptr<SettingsKey>* key) override;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The file's text for these values, and back; exposed for tests and tools.
using SettingsEntries = std::vector<std::pair<std::string, StoredValue>>;
std::string FormatSettingsFile(const SettingsEntries& entries);
SettingsEntries ParseSettingsFile(const std::string& text);

}  // namespace mail
