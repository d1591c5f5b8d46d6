#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/files.h"

namespace platform {

std::FILE* CreateNewFile(const std::filesystem::path& path, bool owner_only) {
  const mode_t mode = owner_only ? S_IRUSR | S_IWUSR : 0666;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) return nullptr;
  // The umask may only take bits away, and 0600 is what an owner-only file must have.
  if (owner_only && ::fchmod(fd, S_IRUSR | S_IWUSR) != 0) {
    ::close(fd);
    ::unlink(path.c_str());
    return nullptr;
  }
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    ::close(fd);
    ::unlink(path.c_str());
  }
  return f;
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return std::fopen(path.c_str(), "rb");
}

bool SyncToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  while (::fsync(::fileno(file)) != 0)
    if (errno != EINTR) return false;
  return true;
}

bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

int OpenForAppend(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
}

long WriteSome(int fd, const char* data, std::size_t size) { return ::write(fd, data, size); }

bool SyncFile(int fd) { return ::fsync(fd) == 0; }

void CloseFile(int fd) { ::close(fd); }

void RestrictFolderToOwner(const std::filesystem::path& folder) {
  ::chmod(folder.c_str(), S_IRWXU);
}

bool IsWritableRegularFile(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) &&
         ::access(path.c_str(), R_OK | W_OK) == 0;
}

}  // namespace platform
