#pragma once
// The station's queue of messages the broker has not acknowledged yet: append-only
// segment files in the buffer folder (whole records with checksums), read in order,
// released from the front as acknowledgements come, synced to disk in batches.
//
// Bounded: when the files would grow beyond the bound, the oldest segment goes and
// Append says how many unacknowledged records went with it. When the disk refuses a
// write (full, or a size limit), records wait in memory (bounded too) after those on
// disk, and move to disk once it takes writes again; the order stays.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "station/queue/QueueSegment.h"

namespace korvane::station {

struct QueueLimits {
  std::int64_t maxBytes = std::int64_t{100} << 20;  // all segment files together
  std::int64_t segmentBytes = 0;                    // 0: maxBytes / 16 within 4 KiB..8 MiB
  std::int64_t memoryBytes = 8 << 20;               // records waiting while the disk refuses
};

struct QueuedRecord {
  std::uint64_t seq = 0;
  std::string payload;
};

class SampleQueue {
 public:
  SampleQueue() = default;
  ~SampleQueue();
  SampleQueue(const SampleQueue&) = delete;
  SampleQueue& operator=(const SampleQueue&) = delete;

  struct OpenReport {
    std::uint64_t records = 0;    // unacknowledged records found
    std::uint64_t tornBytes = 0;  // cut off damaged or incomplete ends
  };
  // Opens the queue in folder (made when missing) and locks it against a second station.
  // False with *error when the folder cannot be made, locked or read.
  bool Open(const std::string& folder, const QueueLimits& limits, OpenReport* report, std::string* error);

  struct AppendResult {
    std::uint64_t seq = 0;
    std::uint64_t dropped = 0;  // unacknowledged records that went to keep the bound
    bool onDisk = true;         // false: the disk refused it; diskError says why
    std::string diskError;
  };
  AppendResult Append(std::string_view payload);

  // The record after the last one read; nothing when all have been read.
  std::optional<QueuedRecord> Next();
  // Reading starts again at the first unacknowledged record (after a reconnect).
  void Rewind();
  // Records before seq are acknowledged: they may go.
  void Release(std::uint64_t seq);
  // Written records and the acknowledged position to disk; false with *error.
  bool Sync(std::string* error);
  // Syncs and lets the folder go (the destructor does the same).
  void Close();

  std::uint64_t Pending() const { return nextSeq_ - head_; }
  std::int64_t DiskBytes() const { return diskBytes_; }
  std::size_t MemoryRecords() const { return memory_.size(); }

 private:
  bool AppendToDisk(std::uint64_t seq, std::string_view payload, AppendResult& result);
  std::uint64_t DropOldestSegment();
  QueueSegment* FindSegment(std::uint64_t firstSeq) const;
  std::string SegmentPath(std::uint64_t firstSeq) const;
  void RemoveReleasedSegments();

  std::string folder_;
  QueueLimits limits_;
  int lockFd_ = -1;
  std::deque<std::unique_ptr<QueueSegment>> segments_;
  std::int64_t diskBytes_ = 0;
  std::deque<QueuedRecord> memory_;
  std::int64_t memoryBytes_ = 0;
  std::uint64_t head_ = 0;     // first unacknowledged sequence number
  std::uint64_t nextSeq_ = 0;  // given to the next append
  bool headDirty_ = false;
  struct Reader {
    std::uint64_t segment = 0;  // first sequence number of its segment
    std::uint64_t offset = 0;
    std::uint64_t nextSeq = 0;
  } reader_;
};

}  // namespace korvane::station
