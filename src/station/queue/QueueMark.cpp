#include "station/queue/QueueMark.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace korvane::station {
namespace {

constexpr char kMagic[8] = {'K', 'V', 'Q', 'M', 'A', 'R', 'K', '1'};
constexpr int kSize = 64;
constexpr int kCommittedAt = 8;  // head, end, rows, CRC
constexpr int kProgressAt = 40;  // appended end, released head, CRC

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

QueueMark::~QueueMark() { Close(); }

bool QueueMark::Open(const std::string& path, std::string* why) {
  Close();
  committed_.reset();
  appendedEnd_.reset();
  releasedHead_.reset();
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

bool QueueMark::Progress(std::int64_t appendedEnd, std::int64_t releasedHead) {
  if (fd_ < 0) return false;
  unsigned char p[20];
  Put64(p, appendedEnd);
  Put64(p + 8, releasedHead);
  Put32(p + 16, Crc(p, 16));
  return WriteAll(fd_, p, sizeof p, kProgressAt);
}

}  // namespace korvane::station
