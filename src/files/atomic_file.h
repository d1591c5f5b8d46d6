#pragma once
// Whole-file reads and writes for list files and logs.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// Writes through a temporary file in the target's folder that is renamed over the target
// once complete, so a failed write never leaves a half-written file in place of an earlier
// one. Returns false on any failure (the temporary file is removed).
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Larger files are refused rather than read: no roster comes near this size.
inline constexpr std::uintmax_t kMaxReadBytes = 256u * 1024 * 1024;

// Reads a regular file whole. False for a missing file, a folder, a device or pipe (which
// could block), a file above kMaxReadBytes, or a read error.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace files
