#include "files/list_document.h"

#include "files/list_file.h"

namespace files {

void ListDocument::Reset(const roster::Roster& roster, std::filesystem::path path) {
  path_ = std::move(path);
  saved_ = FormatParticipantFile(roster, false);
}

bool ListDocument::Modified(const roster::Roster& roster) const {
  return FormatParticipantFile(roster, false) != saved_;
}

std::filesystem::path WithListExtension(std::filesystem::path path) {
  if (!path.empty() && !path.filename().has_extension()) path += kListExtension;
  return path;
}

}  // namespace files
