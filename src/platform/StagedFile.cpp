#include "platform/StagedFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Reasons.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"

namespace korvane::platform {
namespace {

// The file a save really replaces: path itself, or the file a symbolic link names.
bool ResolveTarget(const std::string& path, std::string* target, std::string* error, Language language) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
    *target = path;
    return true;
  }
  char resolved[PATH_MAX];
  if (!::realpath(path.c_str(), resolved)) {
    *error = Tr(language, reasons::kDanglingLink);
    return false;
  }
  *target = resolved;
  return true;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& file) {
  // Makes the rename itself durable; a folder that cannot be synced changes nothing.
  const int dir = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

// A name next to path that nothing else uses: this process and a counter.
std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  const auto slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return folder + "." + name + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace

bool StagedFile::Fail(const std::string& why) {
  if (error_.empty()) error_ = why;
  return false;
}

bool StagedFile::Open(const std::string& path) {
  Close();
  error_.clear();
  size_ = 0;
  committed_ = false;
  if (const std::string problem = WriteTargetProblem(path, language_); !problem.empty()) return Fail(problem);
  std::string why;
  if (!ResolveTarget(path, &target_, &why, language_)) return Fail(why);
  for (int attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
    temporary_ = TemporaryNameFor(target_);
    // 0666 less the umask, as a new file would get.
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno != EEXIST && errno != EINTR) return Fail(SystemErrorText(errno, language_));
  }
  if (fd_ < 0) return Fail(Tr(language_, reasons::kNoTemporaryName));
  struct stat old {};
  if (::stat(target_.c_str(), &old) == 0 && ::fchmod(fd_, old.st_mode & 07777) != 0) {
    Fail(SystemErrorText(errno, language_));
    Close();
    return false;
  }
  return true;
}

bool StagedFile::Write(std::string_view piece) {
  if (fd_ < 0 || failed()) return Fail(Tr(language_, reasons::kNothingWritten));
  std::size_t done = 0;
  while (done < piece.size()) {
    const ssize_t n = ::write(fd_, piece.data() + done, piece.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      Fail(n < 0 ? SystemErrorText(errno, language_) : std::string(Tr(language_, reasons::kNothingWritten)));
      // The part that went in is taken back: the file ends with the last whole piece.
      if (done > 0 && ::ftruncate(fd_, size_) != 0) error_ += ", " + SystemErrorText(errno, language_);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  size_ += static_cast<std::int64_t>(piece.size());
  return true;
}

bool StagedFile::Commit() {
  if (fd_ < 0 || failed()) return Fail(Tr(language_, reasons::kNothingWritten));
  if (committed_) return true;
  if (::fsync(fd_) != 0) return Fail(SystemErrorText(errno, language_));
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail(SystemErrorText(errno, language_));
  committed_ = true;
  temporary_.clear();
  SyncFolder(target_);
  return true;
}

bool StagedFile::Close() {
  if (fd_ < 0) return !failed();
  bool ok = true;
  // close reports what a delayed write (e.g. on a network file system) found.
  if (committed_ && ::fsync(fd_) != 0) ok = Fail(SystemErrorText(errno, language_));
  if (::close(fd_) != 0 && ok) ok = Fail(SystemErrorText(errno, language_));
  fd_ = -1;
  if (!committed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  return ok && !failed();
}

}  // namespace korvane::platform
