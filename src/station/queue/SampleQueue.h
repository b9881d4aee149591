#pragma once
// The station's queue of samples the broker has not acknowledged yet: one SQLite
// database, queue.db in the buffer folder, one row per sample with its time, address,
// JSON (compressed) and a CRC-32 that is checked before the sample is sent.
//
// Appended samples wait in memory and are written in one transaction at least every
// Sync (once a second) or as soon as a batch has gathered; one acknowledged before that
// never touches the disk. A kill -9, or the machine's crash (every commit is synced),
// loses at most the samples since the last Sync. When the disk refuses a transaction
// (full, a size limit) none of it stays: it is tried again at the next Sync, while the
// samples wait in memory in order (bounded) and are published all the same.
//
// Bounded: when the rows would grow beyond the bound, the oldest go. A damaged row
// (its checksum) costs only its sample; a damaged part of the file only the samples in
// it: the rest is copied into a fresh database and the damaged file is kept beside it.
// A file SQLite cannot open at all is moved aside (kept) and a fresh queue starts. The
// queue says what happened, and what it cost, in the station's log.
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>

#include <QByteArray>

#include "store/Database.h"

namespace korvane::station {

class StationLog;
struct EarlierQueue;

struct QueueLimits {
  std::int64_t maxBytes = std::int64_t{100} << 20;  // the rows on disk together
  std::int64_t memoryBytes = 8 << 20;               // JSON waiting in memory while the disk refuses
  std::int64_t batchBytes = 512 << 10;              // written at once, without waiting for Sync
};

struct QueuedSample {
  std::int64_t seq = 0;     // the order of the appends
  std::int64_t timeMs = 0;  // the sample's time, ms since 1970 UTC
  std::uint8_t address = 0;
  std::string json;
};

class SampleQueue {
 public:
  explicit SampleQueue(StationLog& log);
  ~SampleQueue();
  SampleQueue(const SampleQueue&) = delete;
  SampleQueue& operator=(const SampleQueue&) = delete;

  // Opens or makes the queue in folder (made when missing) and takes over what an
  // earlier version's queue left there, to be sent first. False, with *error, only when
  // the folder cannot be made or another station uses it: a database that cannot be
  // used is moved aside, or the queue keeps to memory until it can write again.
  bool Open(const std::string& folder, const QueueLimits& limits, std::string* error);

  // The sequence number of the sample, which waits in memory until the next write.
  std::int64_t Append(std::int64_t timeMs, std::uint8_t address, std::string json);

  // The sample after the last one read; nothing when all have been read.
  std::optional<QueuedSample> Next();
  // Reading starts again at the first unacknowledged sample (after a reconnect).
  void Rewind();
  // Samples before seq are acknowledged: they may go.
  void Release(std::int64_t seq);
  // Writes what waits in memory and forgets acknowledged rows; false while the disk
  // refuses (the log says so once, and again when it takes samples again).
  bool Sync();
  // Syncs and lets the database go (the destructor does the same).
  void Close();

  std::uint64_t Pending() const;
  std::size_t MemorySamples() const { return memory_.size(); }
  std::int64_t DiskBytes() const { return diskBytes_; }
  std::string DatabasePath() const { return folder_ + "/queue.db"; }

 private:
  struct Row {
    QueuedSample sample;
    QByteArray stored;  // the compressed JSON, made for the first write
  };
  enum class Written { kDone, kRefused, kDamaged };
  // At the start; again while the queue keeps to memory; after a rebuild.
  enum class Opening { kStart, kRetry, kRebuilt };

  bool OpenDatabase(Opening opening, std::string* error);
  bool ReadState(Opening opening);
  void ImportEarlier(const EarlierQueue& earlier);
  Written Write(std::string* why);
  Written WriteBatch(std::string* why);
  bool FillFromDisk(std::string* why);
  void Rebuild(const std::string& why);
  std::string MoveAside(const char* kind);
  void NoteGaps(std::int64_t from, std::int64_t end);
  void NoteLost(std::int64_t seq);
  void AdvanceHead(std::int64_t to);
  void DropFromMemory();
  void Refused(const std::string& what);

  StationLog& log_;
  std::string folder_;
  QueueLimits limits_;
  store::Database db_;
  bool refused_ = false;        // the last write or open failed
  std::int64_t head_ = 1;       // first unacknowledged sequence number
  std::int64_t nextSeq_ = 1;    // given to the next append
  std::int64_t diskFirst_ = 1;  // rows before it are deleted
  std::int64_t diskEnd_ = 1;    // rows from it on are in memory
  std::int64_t diskBytes_ = 0;
  std::deque<Row> memory_;
  std::int64_t memoryBytes_ = 0;
  std::set<std::int64_t> lost_;  // unacknowledged sequence numbers whose samples are gone
  std::int64_t nextRead_ = 1;
  std::deque<Row> readBuffer_;  // read from disk, not handed out yet
  std::uint64_t droppedInMemory_ = 0;
};

}  // namespace korvane::station
