#include "platform/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "platform/Reasons.h"

namespace korvane::platform {
namespace {

const TextPair& KindName(mode_t mode) {
  if (S_ISDIR(mode)) return reasons::kDirectory;
  if (S_ISFIFO(mode)) return reasons::kFifo;
  if (S_ISCHR(mode)) return reasons::kCharDevice;
  if (S_ISBLK(mode)) return reasons::kBlockDevice;
  if (S_ISSOCK(mode)) return reasons::kSocket;
  return reasons::kSpecialFile;
}

// The file a save really replaces: path itself, or the file a symbolic link names.
bool ResolveTarget(const std::string& path, std::string* target, std::string* error, int language) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
    *target = path;
    return true;
  }
  char resolved[PATH_MAX];
  if (!::realpath(path.c_str(), resolved)) {
    *error = reasons::kDanglingLink(language);
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

bool WriteAll(int fd, std::string_view bytes, std::string* error, int language) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *error = n < 0 ? SystemErrorText(errno, language) : reasons::kNothingWritten(language);
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

std::optional<std::string> ReadWholeFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string ReadProblem(const std::string& path, int language) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return SystemErrorText(errno, language);
  if (S_ISDIR(st.st_mode)) return SystemErrorText(EISDIR, language);
  if (::access(path.c_str(), R_OK) != 0) return SystemErrorText(errno, language);
  return SystemErrorText(EIO, language);
}

std::string NotRegularReason(unsigned mode, int language) {
  return FormatReason(reasons::kNotRegular, language, KindName(mode)(language));
}

bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (const bool same = fs::equivalent(a, b, ec); !ec) return same;
  const fs::path ca = fs::weakly_canonical(fs::absolute(a, ec), ec);
  if (ec) return false;
  const fs::path cb = fs::weakly_canonical(fs::absolute(b, ec), ec);
  return !ec && ca == cb;
}

std::string WriteTargetProblem(const std::string& path, int language) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    return S_ISREG(st.st_mode) ? std::string() : NotRegularReason(st.st_mode, language);
  const int code = errno;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return reasons::kDanglingLink(language);
  // Not there yet: it will be created (a missing folder is reported by the write).
  return code == ENOENT ? std::string() : SystemErrorText(code, language);
}

bool SaveFileReplacing(const std::string& path, std::string_view bytes, std::string* error, int language) {
  std::string reason, target;
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (!(reason = WriteTargetProblem(path, language)).empty()) return fail(reason);
  if (!ResolveTarget(path, &target, &reason, language)) return fail(reason);

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temporary = TemporaryNameFor(target);
    // 0666 less the umask, as a new file would get.
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST && errno != EINTR) return fail(SystemErrorText(errno, language));
  }
  if (fd < 0) return fail(reasons::kNoTemporaryName(language));

  struct stat old {};
  bool ok = true;
  if (::stat(target.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
    ok = false;
    reason = SystemErrorText(errno, language);
  }
  ok = ok && WriteAll(fd, bytes, &reason, language);
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    reason = SystemErrorText(errno, language);
  }
  // close reports what a delayed write (e.g. on a network file system) found.
  if (::close(fd) != 0 && ok) {
    ok = false;
    reason = SystemErrorText(errno, language);
  }
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
    ok = false;
    reason = SystemErrorText(errno, language);
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    return fail(reason);
  }
  SyncFolder(target);
  return true;
}

}  // namespace korvane::platform
