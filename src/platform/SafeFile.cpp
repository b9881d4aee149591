#include "platform/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::platform {
namespace {

std::string SystemError(int code) { return std::strerror(code); }

const char* KindName(mode_t mode) {
  if (S_ISDIR(mode)) return "directory";
  if (S_ISFIFO(mode)) return "FIFO";
  if (S_ISCHR(mode)) return "character device";
  if (S_ISBLK(mode)) return "block device";
  if (S_ISSOCK(mode)) return "socket";
  return "special file";
}

// The file a save really replaces: path itself, or the file a symbolic link names.
bool ResolveTarget(const std::string& path, std::string* target, std::string* error) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
    *target = path;
    return true;
  }
  char resolved[PATH_MAX];
  if (!::realpath(path.c_str(), resolved)) {
    *error = "symbolic link to a missing file";
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

bool WriteAll(int fd, std::string_view bytes, std::string* error) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *error = n < 0 ? SystemError(errno) : "nothing written";
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
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

std::string WriteTargetProblem(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    return S_ISREG(st.st_mode) ? std::string() : std::string("not a regular file (") + KindName(st.st_mode) + ")";
  const int code = errno;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return "symbolic link to a missing file";
  // Not there yet: it will be created (a missing folder is reported by the write).
  return code == ENOENT ? std::string() : SystemError(code);
}

bool SaveFileReplacing(const std::string& path, std::string_view bytes, std::string* error) {
  std::string reason, target;
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (!(reason = WriteTargetProblem(path)).empty()) return fail(reason);
  if (!ResolveTarget(path, &target, &reason)) return fail(reason);

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = TemporaryNameFor(target);
    // 0666 less the umask, as a new file would get.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST && errno != EINTR) return fail(SystemError(errno));
  }
  if (fd < 0) return fail("no temporary file name is free");

  struct stat old {};
  bool ok = true;
  if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
    ok = false;
    reason = SystemError(errno);
  }
  ok = ok && WriteAll(fd, bytes, &reason);
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    reason = SystemError(errno);
  }
  // close reports what a delayed write (e.g. on a network file system) found.
  if (::close(fd) != 0 && ok) {
    ok = false;
    reason = SystemError(errno);
  }
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    reason = SystemError(errno);
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return fail(reason);
  }
  SyncFolder(target);
  return true;
}

}  // namespace korvane::platform
