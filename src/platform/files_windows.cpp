#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "platform/files.h"

namespace platform {

std::FILE* CreateNewFile(const std::filesystem::path& path, bool) {
  // Files under the user's profile inherit its access list, which admits the owner, the system
  // and administrators only, so owner-only needs nothing more there; CREATE_NEW refuses a file
  // that is already there.
  HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = ::GetLastError();
    errno = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? EEXIST : EIO;
    return nullptr;
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(h);
    ::DeleteFileW(path.c_str());
    return nullptr;
  }
  std::FILE* f = ::_fdopen(fd, "wb");
  if (!f) {
    ::_close(fd);
    ::DeleteFileW(path.c_str());
  }
  return f;
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
  return ::_wfopen(path.c_str(), L"rb");
}

bool SyncToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const intptr_t h = ::_get_osfhandle(::_fileno(file));
  return h != -1 && ::FlushFileBuffers(reinterpret_cast<HANDLE>(h)) != 0;
}

bool MoveIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool SyncFolder(const std::filesystem::path&) { return true; }

int OpenForAppend(const std::filesystem::path& path) {
  return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_APPEND | _O_BINARY, 0600);
}

long WriteSome(int fd, const char* data, std::size_t size) {
  return ::_write(fd, data, static_cast<unsigned>(size));
}

bool SyncFile(int fd) { return ::_commit(fd) == 0; }

void CloseFile(int fd) { ::_close(fd); }

void RestrictFolderToOwner(const std::filesystem::path&) {}

bool IsWritableRegularFile(const std::filesystem::path& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE))
    return false;
  HANDLE h =
      ::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(h);
  return true;
}

}  // namespace platform
