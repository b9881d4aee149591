#include "platform/AppendFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"

namespace korvane::platform {
namespace {

// Whether fd is still the file at path (not deleted, not replaced).
bool StillAtPath(int fd, const std::string& path, struct stat* open) {
  struct stat named {};
  return ::fstat(fd, open) == 0 && open->st_nlink != 0 && ::stat(path.c_str(), &named) == 0 &&
         named.st_ino == open->st_ino && named.st_dev == open->st_dev;
}

}  // namespace

bool AppendFile::Open(const std::string& path, bool truncate, std::string* error, Language language) {
  Close(false);
  if (const std::string problem = WriteTargetProblem(path, language); !problem.empty()) {
    *error = path + ": " + problem;
    return false;
  }
  // O_NONBLOCK: whatever sits at the path, the open itself never waits (a FIFO without
  // a reader would); only regular files are kept open. O_APPEND: every piece lands at
  // the end even if something else wrote meanwhile.
  const int flags = O_CREAT | O_APPEND | (truncate ? O_TRUNC : 0) | O_WRONLY | O_NONBLOCK | O_CLOEXEC;
  int fd;
  do {
    fd = ::open(path.c_str(), flags, 0644);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    *error = path + ": " + SystemErrorText(errno, language);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    *error = path + ": " + NotRegularReason(st.st_mode, language);
    return false;
  }
  fd_ = fd;
  path_ = path;
  return true;
}

bool AppendFile::Append(std::string_view piece, Language language, std::string* reason) {
  // A file deleted or replaced under the writer would take the pieces where nobody
  // finds them.
  struct stat open {};
  if (!StillAtPath(fd_, path_, &open)) {
    *reason = Tr(language, reasons::kFileGone);
    return false;
  }
  ssize_t n;
  do {
    n = ::write(fd_, piece.data(), piece.size());
  } while (n < 0 && errno == EINTR);
  if (n == static_cast<ssize_t>(piece.size())) return true;
  *reason = n < 0 ? SystemErrorText(errno, language) : Tr(language, reasons::kNothingWritten);
  // A part of a piece (full disk, file size limit) is taken back: the file ends with
  // the last whole piece.
  if (n > 0 && ::ftruncate(fd_, open.st_size) != 0) *reason += ", " + SystemErrorText(errno, language);
  return false;
}

void AppendFile::Close(bool removeIfEmpty) {
  if (fd_ >= 0 && removeIfEmpty) {
    // Unless something else took its place meanwhile.
    struct stat open {};
    struct stat named {};
    if (::fstat(fd_, &open) == 0 && open.st_size == 0 && ::stat(path_.c_str(), &named) == 0 &&
        named.st_ino == open.st_ino && named.st_dev == open.st_dev)
      ::unlink(path_.c_str());
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace korvane::platform
