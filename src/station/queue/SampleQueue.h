#pragma once
// The station's queue of samples the broker has not acknowledged yet: one SQLite
// database, queue.db in the buffer folder, one row per sample (SampleRows.h).
//
// Appended samples wait in memory and are written in one transaction at least every
// Sync (once a second) or as soon as a batch has gathered; one acknowledged before that
// never touches the disk. Every commit is synced and checkpointed at once, so a kill -9
// or a power cut loses at most the samples since the last Sync, and a damaged frame of
// the write-ahead log at most the last commit. A mark beside the database (QueueMark.h)
// tells afterwards how many samples such a stop or a log cut short cost.
//
// The file keeps a reserve of free pages (QueueReserve.h): a disk that fills up still
// takes samples until the reserve is used; only then do they wait in memory, in order
// (bounded), and are published all the same, until the disk takes writes again.
//
// Bounded: when the rows would grow beyond the bound, the oldest go, counted. Nothing
// else unsent is ever deleted. A damaged row (its checksum) costs only its sample; a
// damaged part of the file only the rows in it: every row that can still be read
// (QueueSalvage.h) is copied into a fresh database and the damaged file is kept beside
// it. A file SQLite cannot open at all is moved aside (kept) and a fresh queue starts.
// The queue says what happened, and how many samples it cost, in the station's log.
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QByteArray>

class QSqlQuery;

#include "station/queue/QueueMark.h"
#include "station/queue/SampleRows.h"
#include "store/Database.h"

namespace korvane::station {

class StationLog;
struct EarlierQueue;

struct QueueLimits {
  std::int64_t maxBytes = std::int64_t{100} << 20;  // the rows on disk together
  std::int64_t memoryBytes = 8 << 20;               // JSON waiting in memory while the disk refuses
  std::int64_t batchBytes = 512 << 10;              // written at once, without waiting for Sync
  // Room kept in the file for a full disk (about 2 h of 32 modules at the 2 s poll),
  // made at the start and, after it was used, a step at each Sync.
  std::int64_t reserveBytes = std::int64_t{32} << 20;
  std::int64_t reserveStep = 1 << 20;
  // The write-ahead log is checkpointed, and the mark synced, after a commit of new
  // rows when this much has passed since the last time: at once by default, so that the
  // log holds no more than the last commit and the file has grown to what it holds
  // before the disk may fill (under the log the file grows at the checkpoint).
  std::chrono::milliseconds checkpointEvery{0};
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
  // Writes what waits in memory, forgets acknowledged rows and tops up the reserve;
  // false while the disk refuses (the log says so once, and again when it takes
  // samples again).
  bool Sync();
  // Syncs and lets the database go (the destructor does the same).
  void Close();

  std::uint64_t Pending() const;
  std::size_t MemorySamples() const { return memory_.size(); }
  std::int64_t DiskBytes() const { return diskBytes_; }
  // What the reserve on disk holds now.
  std::int64_t ReserveBytes() const { return reserveHeld_; }
  std::string DatabasePath() const { return folder_ + "/queue.db"; }

 private:
  struct Row {
    QueuedSample sample;
    QByteArray stored;  // the compressed JSON, made for the first write
  };
  // kNoRoom: the batch would grow the file, which the disk has no room for.
  enum class Written { kDone, kRefused, kDamaged, kNoRoom };
  // At the start; again while the queue keeps to memory; after a rebuild.
  enum class Opening { kStart, kRetry, kRebuilt };
  // The rows a rebuild reads, and up to where they count as lost when missing.
  struct Span {
    std::int64_t from = 0;
    std::int64_t end = 0;      // rows at or beyond it are not read
    std::int64_t counted = 0;  // missing rows below it are counted as lost
    std::int64_t rows = -1;    // the rows in [from, counted) when known
    // False when nothing tells where the queue was (no mark): the rows found tell it.
    // A bounded span may be empty, when every row had been acknowledged.
    bool bounded = true;
  };

  bool OpenDatabase(Opening opening, std::string* error);
  void Tune();
  bool Inspect();
  // SQLite's check of the samples' table: "ok", or what it found.
  std::string CheckSamples();
  bool ReadCounts(std::int64_t* rows, std::int64_t* first, std::int64_t* last, std::int64_t* bytes);
  void AccountForStop();
  Span StartSpan() const;
  void ImportEarlier(const EarlierQueue& earlier);
  Written Write(std::string* why);
  Written WriteBatch(std::string* why);
  // The mark after a commit; synced to disk when sync (a power cut may leave it behind
  // otherwise, a kill -9 does not).
  void Committed(bool sync = true);
  // Gives the file its own number, and the mark the same (QueueMark.h).
  void StampFile();
  // now: whether due or not.
  void CheckpointIfDue(bool now = false);
  std::int64_t BatchLimit() const;
  // Below this room to grow, commits keep inside the file.
  std::int64_t TightRoom() const;
  bool UseReserve();
  void TopUpReserve(bool whole);
  bool FillFromDisk(std::string* why);
  bool AllLost(std::int64_t from, std::int64_t end) const;
  void Rebuild(const std::string& why, const Span& span, bool atStart);
  // Rows in [from, end) that have does not mark, read from the page images of file and
  // its log, inserted with insert (a prepared INSERT in an open transaction); their
  // number, and the highest sequence number among them in *last.
  std::uint64_t TakeFromPages(const std::string& file, std::int64_t from, std::int64_t end, std::vector<bool>& have,
                              QSqlQuery& insert, std::int64_t* last);
  // The rows of the end of the queue a write-ahead log cut short took with it, from its
  // pages; and those of a file SQLite could not open at all, moved aside to file.
  void RecoverTail(const CommittedMark& mark);
  void RecoverAside(const std::string& file);
  std::string MoveAside(const char* kind);
  void NoteGaps(std::int64_t from, std::int64_t end);
  void NoteLost(std::int64_t seq);
  void AdvanceHead(std::int64_t to);
  void DropFromMemory();
  void Refused(const std::string& what);
  void MarkProgress();

  StationLog& log_;
  std::string folder_;
  QueueLimits limits_;
  store::Database db_;
  QueueMark mark_;
  bool markWorks_ = false;
  bool stamped_ = false;        // the mark holds the open file's number
  bool refused_ = false;        // the last write or open failed
  bool reserveShort_ = false;   // the disk has no room to make the whole reserve
  bool reserveInUse_ = false;   // samples went into the reserve
  std::int64_t head_ = 1;       // first unacknowledged sequence number
  std::int64_t nextSeq_ = 1;    // given to the next append
  std::int64_t diskFirst_ = 1;  // rows before it are deleted
  std::int64_t diskEnd_ = 1;    // rows from it on are in memory
  std::int64_t diskBytes_ = 0;
  std::int64_t diskRows_ = 0;
  std::int64_t reserveHeld_ = 0;
  std::int64_t pageSize_ = 4096;
  std::chrono::steady_clock::time_point lastCheckpoint_{};
  bool uncheckpointed_ = false;  // a commit since the last checkpoint
  std::deque<Row> memory_;
  std::int64_t memoryBytes_ = 0;
  std::set<std::int64_t> lost_;  // unacknowledged sequence numbers whose samples are gone
  std::int64_t nextRead_ = 1;
  std::deque<Row> readBuffer_;  // read from disk, not handed out yet
  std::uint64_t droppedInMemory_ = 0;
};

}  // namespace korvane::station
