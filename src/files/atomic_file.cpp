#include "files/atomic_file.h"

#include <cstdio>
#include <system_error>

#include "platform/files.h"

namespace files {

namespace fs = std::filesystem;

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  return platform::ReplaceFileAtomically(path, bytes);
}

bool ReadWholeFile(const fs::path& path, std::string& bytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size > kMaxReadBytes) return false;
  std::FILE* f = platform::OpenForReading(path);
  if (!f) return false;
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(size));
  char buf[1 << 16];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    bytes.append(buf, n);
    if (bytes.size() > kMaxReadBytes) break;  // grew while we read
  }
  bool ok = !std::ferror(f) && bytes.size() <= kMaxReadBytes;
  std::fclose(f);
  return ok;
}

}  // namespace files
