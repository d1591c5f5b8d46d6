#pragma once
// Where the program keeps its files unless told otherwise, shared by the desktop program and
// hollymoor-cli so both read and write the same lists, archive, session log and settings.
// Call after the application's name and organisation are set.

#include <filesystem>

namespace app {

inline constexpr const char* kApplicationName = "Hollymoor";
inline constexpr const char* kOrganizationName = "Hollymoor";

struct DefaultLocations {
  std::filesystem::path data_dir;     // "Saved", "History", "smtp_session.log"
  std::filesystem::path config_file;  // the settings store
};

// The data folder is created unless create_data_dir is false.
DefaultLocations DefaultPaths(bool create_data_dir = true);

}  // namespace app
