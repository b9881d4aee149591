#include "platform/SafeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Reasons.h"
#include "platform/StagedFile.h"
#include "platform/Texts.h"

namespace korvane::platform {
namespace {

const Text& KindName(mode_t mode) {
  if (S_ISDIR(mode)) return reasons::kDirectory;
  if (S_ISFIFO(mode)) return reasons::kFifo;
  if (S_ISCHR(mode)) return reasons::kCharDevice;
  if (S_ISBLK(mode)) return reasons::kBlockDevice;
  if (S_ISSOCK(mode)) return reasons::kSocket;
  return reasons::kSpecialFile;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // Only a regular file is opened: opening a serial device alone can change its
  // lines. O_NONBLOCK: should one be swapped in meanwhile, the open still never waits
  // (a FIFO without a writer would).
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return std::nullopt;
  std::optional<std::string> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= static_cast<off_t>(kMaxInputBytes)) {
    // One bounded read: a file that grew past the limit meanwhile is refused as well.
    std::string buffer(kMaxInputBytes + 1, '\0');
    std::size_t got = 0;
    bool error = false;
    while (got < buffer.size()) {
      const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        error = n < 0;
        break;
      }
      got += static_cast<std::size_t>(n);
    }
    if (!error && got <= kMaxInputBytes) {
      buffer.resize(got);
      bytes = std::move(buffer);
    }
  }
  ::close(fd);
  return bytes;
}

std::string ReadProblem(const std::string& path, Language language) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return SystemErrorText(errno, language);
  if (S_ISDIR(st.st_mode)) return SystemErrorText(EISDIR, language);
  if (!S_ISREG(st.st_mode)) return NotRegularReason(st.st_mode, language);
  if (st.st_size > static_cast<off_t>(kMaxInputBytes)) return Tr(language, reasons::kTooLarge);
  if (::access(path.c_str(), R_OK) != 0) return SystemErrorText(errno, language);
  return SystemErrorText(EIO, language);
}

std::string NotRegularReason(unsigned mode, Language language) {
  return FormatReason(reasons::kNotRegular, language, Tr(language, KindName(mode)));
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

std::string WriteTargetProblem(const std::string& path, Language language) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    return S_ISREG(st.st_mode) ? std::string() : NotRegularReason(st.st_mode, language);
  const int code = errno;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return Tr(language, reasons::kDanglingLink);
  // Not there yet: it will be created (a missing folder is reported by the write).
  return code == ENOENT ? std::string() : SystemErrorText(code, language);
}

std::string OutputTargetProblem(const std::string& path, Language language) {
  if (std::string problem = WriteTargetProblem(path, language); !problem.empty()) return problem;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    // A regular file: opened for writing, without truncating it, and closed again.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return SystemErrorText(errno, language);
    ::close(fd);
    return {};
  }
  // A new file: its folder must take one. A file made and removed again is the only
  // test that holds for every user and file system.
  StagedFile probe(language);
  if (!probe.Open(path)) return probe.error();
  return {};
}

std::optional<TargetProblem> OutputTargetsProblem(const std::vector<std::string>& paths, Language language) {
  for (std::size_t i = 0; i < paths.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j)
      if (SameFile(paths[i], paths[j]))
        return TargetProblem{paths[i], FormatReason(reasons::kSameFile, language, paths[j])};
    if (std::string reason = OutputTargetProblem(paths[i], language); !reason.empty())
      return TargetProblem{paths[i], std::move(reason)};
  }
  return std::nullopt;
}

bool SaveFileReplacing(const std::string& path, std::string_view bytes, std::string* error, Language language) {
  StagedFile file(language);
  if (file.Open(path) && file.Write(bytes) && file.Commit() && file.Close()) return true;
  file.Close();
  if (error) *error = file.error();
  return false;
}

}  // namespace korvane::platform
