#pragma once
// One file of the station's queue: records appended whole, one write each, read back by
// offset. On opening, the records are checked from the start and the file is cut after
// the last whole one, so a tail torn by a crash is gone before anything is appended.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "station/queue/QueueRecord.h"

namespace korvane::station {

class QueueSegment {
 public:
  // Opens or creates path, whose first record has sequence number firstSeq. Nothing,
  // with *error, when it cannot be opened or read; *tornBytes: what was cut off.
  static std::unique_ptr<QueueSegment> Open(const std::string& path, std::uint64_t firstSeq, std::string* error,
                                            std::uint64_t* tornBytes);
  ~QueueSegment();
  QueueSegment(const QueueSegment&) = delete;
  QueueSegment& operator=(const QueueSegment&) = delete;

  // Appends one record with the next sequence number lastSeq() + 1 (or firstSeq() for an
  // empty segment), which must be seq. False with *error when it could not be written
  // whole; the file is then cut back to its records.
  bool Append(std::uint64_t seq, std::string_view payload, std::string* error);

  struct Read {
    std::uint64_t seq = 0;
    std::uint64_t next = 0;  // offset of the following record
    std::string payload;     // left empty when only the header was asked for
  };
  // The record at offset (within bytes()); nothing when it cannot be read or is damaged.
  std::optional<Read> ReadAt(std::uint64_t offset, bool withPayload) const;

  // Data written since the last sync to disk; false with *error when that fails.
  bool Sync(std::string* error);
  // Deletes the file; the object is then only good for destruction.
  void Remove();

  const std::string& path() const { return path_; }
  std::uint64_t firstSeq() const { return firstSeq_; }
  std::uint64_t count() const { return count_; }
  std::uint64_t lastSeq() const { return firstSeq_ + count_ - 1; }  // count() > 0
  std::uint64_t bytes() const { return bytes_; }

 private:
  QueueSegment(std::string path, int fd, std::uint64_t firstSeq)
      : path_(std::move(path)), fd_(fd), firstSeq_(firstSeq) {}
  bool Scan(std::string* error, std::uint64_t* tornBytes);

  std::string path_;
  int fd_ = -1;
  std::uint64_t firstSeq_ = 0;
  std::uint64_t count_ = 0;
  std::uint64_t bytes_ = 0;
  bool dirty_ = false;
};

}  // namespace korvane::station
