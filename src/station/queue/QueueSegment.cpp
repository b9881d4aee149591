#include "station/queue/QueueSegment.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::station {
namespace {

bool ReadFully(int fd, char* out, std::size_t size, std::uint64_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, out + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::unique_ptr<QueueSegment> QueueSegment::Open(const std::string& path, std::uint64_t firstSeq, std::string* error,
                                                 std::uint64_t* tornBytes) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  if (fd < 0) {
    *error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  std::unique_ptr<QueueSegment> segment(new QueueSegment(path, fd, firstSeq));
  if (!segment->Scan(error, tornBytes)) return nullptr;
  return segment;
}

QueueSegment::~QueueSegment() {
  if (fd_ >= 0) ::close(fd_);
}

bool QueueSegment::Scan(std::string* error, std::uint64_t* tornBytes) {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    *error = path_ + ": " + std::strerror(errno);
    return false;
  }
  const auto size = static_cast<std::uint64_t>(st.st_size);
  std::uint64_t offset = 0;
  while (offset + kRecordHeaderBytes <= size) {
    const auto record = ReadAt(offset, true);
    // A record must be whole, intact and the next in sequence; the first that is not
    // ends the segment.
    if (!record || record->next > size || record->seq != firstSeq_ + count_) break;
    offset = record->next;
    ++count_;
  }
  *tornBytes = size - offset;
  if (offset < size && ::ftruncate(fd_, static_cast<off_t>(offset)) != 0) {
    *error = path_ + ": cannot cut off a damaged end: " + std::strerror(errno);
    return false;
  }
  bytes_ = offset;
  return true;
}

bool QueueSegment::Append(std::uint64_t seq, std::string_view payload, std::string* error) {
  const std::string record = EncodeRecord(seq, payload);
  std::size_t done = 0;
  while (done < record.size()) {
    const ssize_t n = ::write(fd_, record.data() + done, record.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      *error = n < 0 ? std::strerror(errno) : "nothing was written";
      // Only whole records stay: a reader never meets the part that was written.
      if (::ftruncate(fd_, static_cast<off_t>(bytes_)) != 0) *error += std::string("; ") + std::strerror(errno);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  if (count_ == 0) firstSeq_ = seq;
  ++count_;
  bytes_ += record.size();
  dirty_ = true;
  return true;
}

std::optional<QueueSegment::Read> QueueSegment::ReadAt(std::uint64_t offset, bool withPayload) const {
  char head[kRecordHeaderBytes];
  if (!ReadFully(fd_, head, sizeof head, offset)) return std::nullopt;
  const auto header = DecodeRecordHeader(head);
  if (!header) return std::nullopt;
  Read read{header->seq, offset + kRecordHeaderBytes + header->length, {}};
  if (withPayload) {
    read.payload.resize(header->length);
    if (!ReadFully(fd_, read.payload.data(), header->length, offset + kRecordHeaderBytes) ||
        !RecordIntact(*header, read.payload))
      return std::nullopt;
  }
  return read;
}

bool QueueSegment::Sync(std::string* error) {
  if (!dirty_) return true;
  if (::fdatasync(fd_) != 0) {
    *error = path_ + ": " + std::strerror(errno);
    return false;
  }
  dirty_ = false;
  return true;
}

void QueueSegment::Remove() {
  ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace korvane::station
