#pragma once
// Which list file the roster stands for and whether it has changed since it was read or
// written, so that no edit is discarded without a question.

#include <filesystem>
#include <string>

#include "roster/roster.h"

namespace files {

class ListDocument {
 public:
  // The roster now matches `path` (empty: a list that has no file yet).
  void Reset(const roster::Roster& roster, std::filesystem::path path = {});
  // The roster stays as it is but no longer matches any file.
  void MarkChanged() { saved_ = "\x01"; }

  const std::filesystem::path& Path() const { return path_; }
  // What the title shows: the file name, or empty for a list without a file.
  std::string DisplayName() const { return path_.filename().string(); }
  // Compares what a save would write with what the file holds; marks, colours and drawing
  // results are not part of a list file, so they never count as changes.
  bool Modified(const roster::Roster& roster) const;

 private:
  std::filesystem::path path_;
  std::string saved_;
};

// The path with ".hmr" appended when the typed name has no extension, so Open List's
// filter finds the file again.
std::filesystem::path WithListExtension(std::filesystem::path path);

}  // namespace files
