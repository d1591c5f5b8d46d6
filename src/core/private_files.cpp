#include "core/private_files.h"

#include <system_error>

#if __has_include(<unistd.h>) && !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define HM_POSIX_FILES 1
#endif

namespace core {

namespace fs = std::filesystem;

bool EnsurePrivateFolder(const fs::path& folder) {
  std::error_code ec;
#ifdef HM_POSIX_FILES
  if (folder.has_parent_path() && folder.parent_path() != folder &&
      !fs::exists(folder.parent_path(), ec))
    EnsurePrivateFolder(folder.parent_path());
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat st;
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  // Only a folder of ours is tightened; a shared parent named by the user is left alone.
  if (st.st_uid == ::geteuid() && (st.st_mode & 077) != 0) ::chmod(folder.c_str(), 0700);
  return true;
#else
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec);
#endif
}

bool PreparePrivateFile(const fs::path& path) {
#ifdef HM_POSIX_FILES
  const int fd =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok && (st.st_mode & 0777) != 0600) ok = ::fchmod(fd, 0600) == 0;
  ::close(fd);
  return ok;
#else
  std::error_code ec;
  return !fs::is_symlink(path, ec) && (!fs::exists(path, ec) || fs::is_regular_file(path, ec));
#endif
}

int CreatePrivateFile(const fs::path& path) {
#ifdef HM_POSIX_FILES
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  // The umask may only take bits away; make sure nothing else was left either.
  if (fd >= 0 && ::fchmod(fd, 0600) != 0) {
    ::close(fd);
    ::unlink(path.c_str());
    return -1;
  }
  return fd;
#else
  (void)path;
  return -1;
#endif
}

}  // namespace core
