#pragma once
// Earlier drawings read back from the archive folder, for the option that avoids their pairs.

#include <filesystem>
#include <string>
#include <vector>

#include "drawing/past_pairs.h"

namespace files {

// The pairs of one archived list file (giver and receiver by name and address); nothing when
// the file cannot be read or holds no results.
std::vector<std::pair<roster::Person, roster::Person>> ReadArchivedPairs(
    const std::filesystem::path& list_file);

// The newest `count` archived drawings with results in `folder` (newest first, by their
// date-stamped names), labelled by file name without the extension. Fewer when fewer exist.
// A drawing changed after it was sent counts once, with the pairs of its newest version.
std::vector<roster::PastDrawing> ReadPastDrawings(const std::filesystem::path& folder, int count);

}  // namespace files
