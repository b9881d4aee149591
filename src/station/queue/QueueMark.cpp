#include "station/queue/QueueMark.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace korvane::station {
namespace {

constexpr char kMagic[8] = {'K', 'V', 'Q', 'M', 'A', 'R', 'K', '1'};
constexpr int kSize = 64;
constexpr int kCommittedAt = 8;  // head, end, rows, CRC
constexpr int kProgressAt = 40;  // appended end, released head, CRC
constexpr int kFileIdAt = 60;

void Put64(unsigned char* at, std::int64_t v) {
  for (int i = 0; i < 8; ++i) at[i] = static_cast<unsigned char>(static_cast<std::uint64_t>(v) >> (8 * i));
}
void Put32(unsigned char* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(v >> (8 * i));
}
std::int64_t Get64(const unsigned char* at) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = v << 8 | at[i];
  return static_cast<std::int64_t>(v);
}
std::uint32_t Get32(const unsigned char* at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | at[i];
  return v;
}
std::uint32_t Crc(const unsigned char* at, int size) {
  return static_cast<std::uint32_t>(crc32(0L, at, static_cast<uInt>(size)));
}

bool WriteAll(int fd, const unsigned char* data, int size, int at) {
  return ::pwrite(fd, data, static_cast<std::size_t>(size), at) == size;
}

}  // namespace

std::optional<std::uint32_t> QueueFileId(const std::string& databasePath) {
  const int fd = ::open(databasePath.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return std::nullopt;
  unsigned char h[72] = {};
  const bool read = ::pread(fd, h, sizeof h, 0) == sizeof h;
  ::close(fd);
  if (!read || std::memcmp(h, "SQLite format 3", 16) != 0) return std::nullopt;
  return std::uint32_t{h[68]} << 24 | std::uint32_t{h[69]} << 16 | std::uint32_t{h[70]} << 8 | h[71];
}

QueueMark::~QueueMark() { Close(); }

bool QueueMark::Open(const std::string& path, std::string* why) {
  Close();
  committed_.reset();
  appendedEnd_.reset();
  releasedHead_.reset();
  fileId_ = 0;
  busy_ = false;
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    *why = path + ": " + std::strerror(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    *why = path + " is not a regular file";
    ::close(fd);
    return false;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    busy_ = errno == EWOULDBLOCK;
    *why = path + ": " + std::strerror(errno);
    ::close(fd);
    return false;
  }
  unsigned char bytes[kSize] = {};
  const ssize_t n = ::pread(fd, bytes, kSize, 0);
  if (n == kSize && std::memcmp(bytes, kMagic, sizeof kMagic) == 0) {
    const unsigned char* c = bytes + kCommittedAt;
    if (Crc(c, 24) == Get32(c + 24)) committed_ = CommittedMark{Get64(c), Get64(c + 8), Get64(c + 16)};
    const unsigned char* p = bytes + kProgressAt;
    if (Crc(p, 16) == Get32(p + 16)) {
      appendedEnd_ = Get64(p);
      releasedHead_ = Get64(p + 8);
    }
    fileId_ = Get32(bytes + kFileIdAt);
  }
  // A new file, or one cut short, gets the whole record at once, so that later writes
  // only overwrite: a full disk does not stop them.
  if (n != kSize) {
    std::memset(bytes, 0, sizeof bytes);
    std::memcpy(bytes, kMagic, sizeof kMagic);
    if (!WriteAll(fd, bytes, kSize, 0) || ::fdatasync(fd) != 0) {
      *why = path + ": " + std::strerror(errno);
      ::close(fd);
      return false;
    }
  }
  fd_ = fd;
  return true;
}

void QueueMark::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool QueueMark::Committed(const CommittedMark& mark, bool sync) {
  if (fd_ < 0) return false;
  unsigned char c[28];
  Put64(c, mark.head);
  Put64(c + 8, mark.end);
  Put64(c + 16, mark.rows);
  Put32(c + 24, Crc(c, 24));
  return WriteAll(fd_, c, sizeof c, kCommittedAt) && (!sync || ::fdatasync(fd_) == 0);
}

void QueueMark::Forget() {
  committed_.reset();
  appendedEnd_.reset();
  releasedHead_.reset();
}

bool QueueMark::SetFileId(std::uint32_t id) {
  if (fd_ < 0) return false;
  if (id == fileId_) return true;
  unsigned char b[4];
  Put32(b, id);
  if (!WriteAll(fd_, b, sizeof b, kFileIdAt) || ::fdatasync(fd_) != 0) return false;
  fileId_ = id;
  return true;
}

bool QueueMark::Progress(std::int64_t appendedEnd, std::int64_t releasedHead) {
  if (fd_ < 0) return false;
  unsigned char p[20];
  Put64(p, appendedEnd);
  Put64(p + 8, releasedHead);
  Put32(p + 16, Crc(p, 16));
  return WriteAll(fd_, p, sizeof p, kProgressAt);
}

}  // namespace korvane::station
