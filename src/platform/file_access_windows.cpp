// Files on Windows: wide-character paths throughout, a flushed temporary
// file moved over the target with a write-through replace, retried while
// another program holds the target for a moment.

#include "file_access_impl.h"

#include <windows.h>

#include <sys/stat.h>

namespace orvik::platform {
namespace {

namespace fs = std::filesystem;

std::error_code Win32Error(DWORD code) {
  return {static_cast<int>(code), std::system_category()};
}

bool WriteAll(HANDLE h, const char *data, std::size_t size) {
  while (size > 0) {
    const DWORD want =
        size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    DWORD wrote = 0;
    if (!::WriteFile(h, data, want, &wrote, nullptr) || wrote == 0)
      return false;
    data += wrote;
    size -= wrote;
  }
  return true;
}

bool IsTransient(DWORD code) {
  return code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ||
         code == ERROR_LOCK_VIOLATION;
}

// A scanner or the host's own watcher may hold the target for a moment.
constexpr int kReplaceAttempts = 40;
constexpr DWORD kReplacePauseMs = 50;

bool MoveOver(const fs::path &temp, const fs::path &target, DWORD &error) {
  for (int attempt = 0; attempt < kReplaceAttempts; ++attempt) {
    if (::MoveFileExW(temp.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    error = ::GetLastError();
    if (!IsTransient(error))
      return false;
    ::Sleep(kReplacePauseMs);
  }
  return false;
}

// Leftovers younger than this may belong to a writer between closing its
// file and moving it into place.
constexpr ULONGLONG kLeftoverAgeMs = 10000;

} // namespace

std::FILE *OpenRegularFile(const fs::path &path) {
  std::FILE *file = ::_wfopen(path.c_str(), L"rb");
  if (file == nullptr)
    return nullptr;
  struct _stat64 st;
  if (::_fstat64(::_fileno(file), &st) != 0 ||
      (st.st_mode & _S_IFMT) != _S_IFREG) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

std::error_code WriteAndReplace(const fs::path &target,
                                const Contents &contents) {
  const fs::path temp = TemporaryNameFor(target);
  // No sharing: while it is being filled, no leftover search can remove it.
  const HANDLE h = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE)
    return Win32Error(::GetLastError());
  DWORD error = 0;
  bool ok = contents([&](const char *data, std::size_t size) {
    if (WriteAll(h, data, size))
      return true;
    error = ::GetLastError();
    return false;
  });
  if (ok && !::FlushFileBuffers(h)) {
    error = ::GetLastError();
    ok = false;
  }
  if (!::CloseHandle(h) && ok) {
    error = ::GetLastError();
    ok = false;
  }
  if (ok)
    ok = MoveOver(temp, target, error);
  if (!ok) {
    ::DeleteFileW(temp.c_str());
    return error != 0 ? Win32Error(error)
                      : std::make_error_code(std::errc::io_error);
  }
  return {};
}

// A running writer holds its file unshared, so the deletion fails; a file
// written to within the last seconds is left alone all the same.
void RemoveIfAbandoned(const fs::path &leftover) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExW(leftover.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes &
       (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
    return;
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME &t) {
    return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime;
  };
  const ULONGLONG age_ms = (ticks(now) - ticks(data.ftLastWriteTime)) / 10000;
  if (ticks(now) > ticks(data.ftLastWriteTime) && age_ms >= kLeftoverAgeMs)
    ::DeleteFileW(leftover.c_str());
}

} // namespace orvik::platform
