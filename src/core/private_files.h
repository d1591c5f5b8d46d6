#pragma once
// Files that hold the drawing or the mail login stay readable by their owner alone,
// whatever the umask: the data folder is 0700, its files 0600. Where the platform has no
// such modes these succeed without changing anything.

#include <filesystem>

namespace core {

// Creates the folder and any missing parents, each new one 0700, and makes the folder
// itself 0700 when it already exists. False when it is not a folder afterwards.
bool EnsurePrivateFolder(const std::filesystem::path& folder);

// Creates the file (0600) or tightens an existing one to 0600, never through a symbolic
// link, so a later open for writing lands in a private regular file. False for a link,
// anything that is not a regular file, or a failure.
bool PreparePrivateFile(const std::filesystem::path& path);

// Opens a new file for writing: 0600, never an existing file or a link. -1 on failure
// (errno says why); on platforms without descriptors always -1.
int CreatePrivateFile(const std::filesystem::path& path);

}  // namespace core
