#pragma once
// File operations whose guarantees differ between operating systems.

#include <cstdio>
#include <filesystem>

namespace platform {

// Creates a file that must not exist yet, for writing in binary; with owner_only, readable and
// writable by its owner only. Null when it exists or cannot be made.
std::FILE* CreateNewFile(const std::filesystem::path& path, bool owner_only);

// Opens a file for reading in binary, whatever characters its name has. Null on failure.
std::FILE* OpenForReading(const std::filesystem::path& path);

// Flushes the stream and asks the system to put its data on disk before returning.
bool SyncToDisk(std::FILE* file);

// Puts `from` in place of `to` in one step, replacing any file there; readers see the old
// file or the new one, never neither. Both must be in the same folder.
bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to);

// Limits a folder the program made to its owner (no-op where the user's profile folders are
// already private, as on Windows).
void RestrictFolderToOwner(const std::filesystem::path& folder);

// A plain file the current user may read and write (not marked read-only).
bool IsWritableRegularFile(const std::filesystem::path& path);

}  // namespace platform
