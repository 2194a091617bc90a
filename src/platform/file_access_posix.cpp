// Files on POSIX systems: open(2) with O_NONBLOCK so a FIFO cannot block
// the program, fsync(2) of the file and of its folder around rename(2),
// and flock(2) so that a writer's temporary file is never taken for a
// leftover while the writer runs.

#include "file_access_impl.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik::platform {
namespace {

namespace fs = std::filesystem;

std::error_code LastError() { return {errno, std::generic_category()}; }

bool WriteAll(int fd, const char *data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The rename is only durable once the folder's entry is on the disk too.
void SyncFolder(const fs::path &target) {
  const fs::path folder =
      target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// A new temporary file, locked. A leftover search may remove the file
// between its creation and the lock; then it has no name any more and the
// next name is tried.
int CreateLocked(const fs::path &target, fs::path &temp, std::error_code &ec) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    temp = TemporaryNameFor(target);
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST)
        continue;
      ec = LastError();
      return -1;
    }
    struct stat st;
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
      return fd;
    ::close(fd);
  }
  ec = std::make_error_code(std::errc::file_exists);
  return -1;
}

} // namespace

std::FILE *OpenRegularFile(const fs::path &path) {
  const int fd =
      ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return nullptr;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0)
    ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  std::FILE *file = ::fdopen(fd, "rb");
  if (file == nullptr)
    ::close(fd);
  return file;
}

std::error_code WriteAndReplace(const fs::path &target,
                                const Contents &contents) {
  std::error_code ec;
  fs::path temp;
  const int fd = CreateLocked(target, temp, ec);
  if (fd < 0)
    return ec;
  bool ok = contents([&](const char *data, std::size_t size) {
    if (WriteAll(fd, data, size))
      return true;
    ec = LastError();
    return false;
  });
  if (ok && ::fsync(fd) != 0) {
    ec = LastError();
    ok = false;
  }
  if (!ok && !ec)
    ec = std::make_error_code(std::errc::io_error);
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
    ec = LastError();
    ok = false;
  }
  if (!ok)
    ::unlink(temp.c_str());
  ::close(fd); // the lock goes only now that the temporary name is gone
  if (ok)
    SyncFolder(target);
  return ok ? std::error_code() : ec;
}

// A writer holds its file locked until it is renamed; a file nobody holds
// is one whose writer died.
void RemoveIfAbandoned(const fs::path &leftover) {
  const int fd =
      ::open(leftover.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0)
    return;
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
      ::flock(fd, LOCK_EX | LOCK_NB) == 0)
    ::unlink(leftover.c_str());
  ::close(fd);
}

} // namespace orvik::platform
