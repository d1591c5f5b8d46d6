#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "platform/files.h"

namespace platform {

namespace {

std::string RandomSuffix() {
  static std::mt19937_64 gen{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string s;
  for (int i = 0; i < 10; ++i) s += kDigits[gen() % 36];
  return s;
}

// A file beside the target that did not exist before, so no one else's file is overwritten.
std::FILE* CreateTemp(const std::filesystem::path& target, std::filesystem::path& temp) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    temp = target;
    temp += ".tmp-" + RandomSuffix();
    if (std::FILE* f = CreateNewFile(temp, true)) return f;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

}  // namespace

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temp;
  std::FILE* f = CreateTemp(path, temp);
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = ok && SyncToDisk(f);  // the data is on disk before the name points at it
  ok = std::fclose(f) == 0 && ok;
  ok = ok && MoveIntoPlace(temp, path);
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(temp, ec);
    return false;
  }
  // Without this a crash soon after could bring back the earlier file, or none.
  return SyncFolder(path.parent_path());
}

}  // namespace platform
