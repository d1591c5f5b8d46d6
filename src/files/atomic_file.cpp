#include "files/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#include "platform/files.h"

#include "core/private_files.h"

namespace files {

namespace fs = std::filesystem;

namespace {

std::string RandomSuffix() {
  static std::mt19937_64 gen{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string s;
  for (int i = 0; i < 10; ++i) s += kDigits[gen() % 36];
  return s;
}

// Creates a new, not yet existing, file next to the target, readable by its owner alone
// (the rename carries that mode over to the target, tightening an earlier file).
std::FILE* CreateTemp(const fs::path& target, fs::path& temp) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    temp = target;
    temp += ".tmp-" + RandomSuffix();
    if (std::FILE* f = platform::CreateNewFile(temp, true)) return f;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
  fs::path temp;
  std::FILE* f = CreateTemp(path, temp);
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = ok && platform::SyncToDisk(f);  // the data is on disk before the name points at it
  ok = std::fclose(f) == 0 && ok;
  ok = ok && platform::MoveIntoPlace(temp, path);
  std::error_code ec;
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  // Without this a crash soon after could bring back the earlier file, or none.
  return core::SyncFolder(path.parent_path());
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
