#pragma once
// File operations whose guarantees differ between operating systems.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string_view>

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

// Makes the entries of a folder (a file just made or renamed there) durable. Always true where
// the system makes the name durable with the file, as on Windows.
bool SyncFolder(const std::filesystem::path& folder);

// Writes `bytes` to a new owner-only file beside `path` and puts it in place of `path` in one
// step, on disk before this returns; an earlier file stays whole when anything fails. The new
// file is owner-only, which tightens an earlier one. False on failure (no temporary is left).
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Descriptor-level appends, for records that grow a few lines at a time and must reach the disk
// line by line. OpenForAppend creates a missing file owner-only; -1 on failure (errno says why).
int OpenForAppend(const std::filesystem::path& path);
// Writes up to `size` bytes at the end; the count written, or -1 (errno says why).
long WriteSome(int fd, const char* data, std::size_t size);
bool SyncFile(int fd);
void CloseFile(int fd);

// Limits a folder the program made to its owner (no-op where the user's profile folders are
// already private, as on Windows).
void RestrictFolderToOwner(const std::filesystem::path& folder);

// A plain file the current user may read and write (not marked read-only).
bool IsWritableRegularFile(const std::filesystem::path& path);

}  // namespace platform
