#include "station/queue/SampleQueue.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/NumberText.h"
#include "station/log/StationLog.h"
#include "station/queue/EarlierQueue.h"
#include "station/queue/QueueReserve.h"
#include "store/SqlTrouble.h"

namespace korvane::station {
namespace {

constexpr int kReadBatch = 512;

std::string Count(std::uint64_t n) { return std::to_string(n); }

double Megabytes(std::int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

// SQLite's report on a damaged file, for one log line: its lines joined, without the
// heading it puts over them.
std::string OneLine(std::string report) {
  constexpr std::string_view kHeading = "*** in database main ***";
  if (const auto at = report.find(kHeading); at != std::string::npos) report.erase(at, kHeading.size());
  std::string line;
  for (const char c : report) {
    if (c != '\n')
      line += c;
    else if (!line.empty() && !line.ends_with("; "))
      line += "; ";
  }
  return line;
}

}  // namespace

SampleQueue::SampleQueue(StationLog& log) : log_(log) {}

SampleQueue::~SampleQueue() { Close(); }

bool SampleQueue::Open(const std::string& folder, const QueueLimits& limits, std::string* error) {
  folder_ = folder;
  limits_ = limits;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    *error = folder + ": " + ec.message();
    folder_.clear();
    return false;
  }
  const EarlierQueue earlier = FindEarlierQueue(folder);
  // An earlier version still running on the folder holds its lock file.
  int lock = -1;
  if (!earlier.files.empty()) {
    lock = ::open((folder + "/lock").c_str(), O_RDWR | O_CLOEXEC);
    if (lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
      ::close(lock);
      *error = folder + " is in use by another station";
      folder_.clear();
      return false;
    }
  }
  std::filesystem::remove(DatabasePath() + ".rebuilt", ec);  // left by a rebuild that did not end
  std::string why;
  markWorks_ = mark_.Open(folder_ + "/queue.mark", &why);
  // SQLite's own lock goes with any descriptor of the file this process closes; the
  // mark's lock stays for as long as the queue is open.
  if (mark_.busy()) {
    if (lock >= 0) ::close(lock);
    *error = folder + " is in use by another station";
    folder_.clear();
    return false;
  }
  if (!markWorks_)
    log_.Warning("queue: " + why + "; without it, what a crash costs cannot be told after the next start");
  // A mark beside another queue's file (one restored or copied in) would count its rows;
  // a file whose header is damaged is still the mark's.
  const auto fileId = QueueFileId(DatabasePath());
  if (markWorks_ && (mark_.committed() || mark_.appendedEnd()) && fileId && *fileId != mark_.fileId()) {
    log_.Warning("queue: " + folder_ +
                 "/queue.mark belongs to another queue file than queue.db and is not used; what a "
                 "crash before this start cost cannot be told");
    mark_.Forget();
  } else if (markWorks_ && !mark_.committed() && !mark_.appendedEnd() && fileId) {
    log_.Warning("queue: " + folder_ +
                 "/queue.mark is missing or damaged beside an existing queue.db; what a crash "
                 "before this start cost cannot be told");
  }
  const bool opened = OpenDatabase(Opening::kStart, error);
  if (opened && !earlier.files.empty()) ImportEarlier(earlier);
  if (lock >= 0) ::close(lock);
  if (!opened) {
    mark_.Close();
    folder_.clear();  // nothing to close
    return false;
  }
  if (Pending() > 0) log_.Info("queue: " + Count(Pending()) + " samples from before wait to be sent");
  Committed();
  MarkProgress();
  TopUpReserve(true);
  Rewind();
  return true;
}

bool SampleQueue::OpenDatabase(Opening opening, std::string* error) {
  stamped_ = false;
  store::OpenOptions options;
  options.busyTimeoutMs = 200;
  options.syncEveryCommit = true;
  options.exclusive = true;  // one station per folder
  store::Location location;
  location.path = DatabasePath();
  std::string aside;  // a file SQLite could not use, moved aside at the start
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string why;
    store::OpenFailure failure = store::OpenFailure::kNone;
    if (db_.Open(location, QueueMigrations(), options, &why, &failure)) {
      Tune();
      if (opening == Opening::kStart) {
        if (Inspect()) return true;
      } else {
        std::int64_t rows = 0, first = 0, last = 0, bytes = 0;
        // While the queue kept to memory, the file can only be the empty one a full disk
        // left, or a new one.
        if (ReadCounts(&rows, &first, &last, &bytes) && (opening == Opening::kRebuilt || rows == 0)) {
          diskRows_ = rows;
          diskBytes_ = bytes;
          if (!aside.empty()) RecoverAside(aside);
          return true;
        }
      }
      failure = store::OpenFailure::kNotDatabase;
      why = "its rows cannot be read";
    }
    if (failure == store::OpenFailure::kLocked) {
      if (error) *error = folder_ + " is in use by another station";
      if (opening != Opening::kStart) Refused("is in use by another station");
      return false;
    }
    std::error_code ec;
    // A file that holds something but cannot be used is kept for a person to look at;
    // the station goes on with a fresh queue. An empty one is what a full disk left.
    if (opening == Opening::kRetry || std::filesystem::file_size(location.path, ec) == 0 || ec) {
      db_.Close();
      Refused("cannot be opened (" + why + ")");
      return true;
    }
    const bool newer = failure == store::OpenFailure::kNewerSchema;
    const std::string movedTo = MoveAside(newer ? "newer" : "damaged");
    log_.Error("queue: " + location.path + " cannot be used (" + why + "): moved aside to " + movedTo +
               "; a fresh queue starts");
    // A newer program's file is its own to read; a damaged one is read page by page.
    if (opening == Opening::kStart && !newer) aside = movedTo;
    opening = Opening::kRetry;
  }
  return true;
}

void SampleQueue::Tune() {
  // The write-ahead log keeps the room of its largest commits: after each checkpoint
  // SQLite writes it from its start again without growing it, also on a full disk.
  QSqlQuery q(db_.handle());
  q.exec("PRAGMA journal_size_limit = 4194304");
  if (q.exec("PRAGMA page_size") && q.next()) pageSize_ = std::max<std::int64_t>(512, q.value(0).toLongLong());
  std::string why;
  if (!PrepareReserve(db_.handle(), &why)) log_.Debug("queue: no table for the reserve on disk: " + why);
}

bool SampleQueue::ReadCounts(std::int64_t* rows, std::int64_t* first, std::int64_t* last, std::int64_t* bytes) {
  QSqlQuery q(db_.handle());
  if (!q.exec("SELECT count(*), min(seq), max(seq), coalesce(sum(length(payload)), 0) FROM samples") || !q.next())
    return false;
  *rows = q.value(0).toLongLong();
  *first = q.value(1).toLongLong();
  *last = q.value(2).toLongLong();
  *bytes = q.value(3).toLongLong() + *rows * kRowOverhead;
  return true;
}

std::string SampleQueue::CheckSamples() {
  // The table of samples alone: the reserve's pages need no reading at every start.
  QSqlQuery q(db_.handle());
  if (!q.exec("PRAGMA quick_check(samples)")) return store::ErrorText(q.lastError());
  std::string result;
  for (int lines = 0; q.next() && lines < 5; ++lines)
    result += (result.empty() ? "" : "\n") + q.value(0).toString().toStdString();
  return result;
}

bool SampleQueue::Inspect() {
  // SQLite's own check sees a damaged page and keys out of order, which a search by
  // sequence number would take at their word.
  const std::string check = OneLine(CheckSamples());
  std::int64_t rows = 0, first = 0, last = 0, bytes = 0;
  if (check != "ok" || !ReadCounts(&rows, &first, &last, &bytes)) {
    Rebuild(check != "ok" ? "SQLite finds: " + check : "its rows cannot be read", StartSpan(), true);
    AccountForStop();
    return true;
  }
  diskRows_ = rows;
  diskBytes_ = bytes;
  if (rows > 0) {
    head_ = diskFirst_ = first;
    nextSeq_ = diskEnd_ = last + 1;
  }
  AccountForStop();
  // Gaps are samples an earlier run could not keep (and said so).
  if (diskRows_ != diskEnd_ - diskFirst_) NoteGaps(std::max(head_, diskFirst_), diskEnd_);
  return true;
}

void SampleQueue::NoteGaps(std::int64_t from, std::int64_t end) {
  QSqlQuery q(db_.handle());
  q.setForwardOnly(true);
  q.prepare("SELECT seq FROM samples WHERE seq >= ? AND seq < ? ORDER BY seq");
  q.addBindValue(SqlInteger(from));
  q.addBindValue(SqlInteger(end));
  std::int64_t expected = from;
  if (q.exec()) {
    while (q.next()) {
      const std::int64_t seq = q.value(0).toLongLong();
      for (; expected < seq; ++expected) NoteLost(expected);
      expected = seq + 1;
    }
  }
  for (; expected < end; ++expected) NoteLost(expected);
}

void SampleQueue::NoteLost(std::int64_t seq) {
  if (seq < head_ || seq >= nextSeq_) return;
  if (seq == head_)
    AdvanceHead(seq + 1);
  else
    lost_.insert(seq);
}

void SampleQueue::AdvanceHead(std::int64_t to) {
  // The head moves past what is gone right after it, so that lost_ holds only gaps.
  head_ = std::max(head_, std::min(to, nextSeq_));
  lost_.erase(lost_.begin(), lost_.lower_bound(head_));
  while (!lost_.empty() && *lost_.begin() == head_) {
    lost_.erase(lost_.begin());
    ++head_;
  }
}

bool SampleQueue::AllLost(std::int64_t from, std::int64_t end) const {
  from = std::max(from, head_);
  if (from >= end) return true;
  if (end - from > static_cast<std::int64_t>(lost_.size())) return false;
  return std::distance(lost_.lower_bound(from), lost_.lower_bound(end)) == end - from;
}

void SampleQueue::ImportEarlier(const EarlierQueue& earlier) {
  if (!db_.isOpen()) return;  // its files stay for the next start
  std::uint64_t ignored = 0, total = 0, damaged = 0;
  // They are older than anything here: their sequence numbers go before it.
  for (const std::string& segment : earlier.segments)
    total += ReadEarlierSegment(segment, earlier.head, &ignored).size();
  const std::int64_t first = (diskEnd_ > head_ ? head_ : nextSeq_) - static_cast<std::int64_t>(total);
  std::int64_t seq = first, bytes = 0;
  QSqlQuery q(db_.handle());
  bool ok = q.exec("BEGIN IMMEDIATE") && PrepareInsert(q);
  for (std::size_t i = 0; ok && i < earlier.segments.size(); ++i) {
    for (EarlierSample& e : ReadEarlierSegment(earlier.segments[i], earlier.head, &damaged)) {
      const QueuedSample s{seq++, e.timeMs, e.address, std::move(e.json)};
      const QByteArray stored = PackJson(s.json);
      if (!(ok = InsertRow(q, s, stored))) break;
      bytes += RowBytes(stored);
    }
  }
  if (ok) ok = q.exec("COMMIT");
  if (!ok) {
    const std::string why = store::ErrorText(q.lastError());
    QSqlQuery(db_.handle()).exec("ROLLBACK");
    log_.Error("queue: the queue of an earlier version in " + folder_ + " cannot be taken over (" + why +
               "); its files stay for the next start");
    return;
  }
  for (const std::string& file : earlier.files) std::filesystem::remove(file);
  if (diskEnd_ == head_) diskEnd_ = nextSeq_;
  head_ = diskFirst_ = first;
  diskBytes_ += bytes;
  diskRows_ += static_cast<std::int64_t>(total);
  log_.Info("queue: took over " + Count(total) + " samples of an earlier version's queue in " + folder_ +
            "; they are sent first, and its files are removed");
  if (damaged > 0) log_.Warning("queue: " + Count(damaged) + " damaged samples of the earlier queue are lost");
}

std::int64_t SampleQueue::Append(std::int64_t timeMs, std::uint8_t address, std::string json) {
  const std::int64_t seq = nextSeq_++;
  memoryBytes_ += static_cast<std::int64_t>(json.size());
  memory_.push_back({{seq, timeMs, address, std::move(json)}, {}});
  MarkProgress();
  if (!refused_ && memoryBytes_ >= limits_.batchBytes) Sync();
  if (memoryBytes_ > limits_.memoryBytes) DropFromMemory();
  return seq;
}

void SampleQueue::MarkProgress() {
  if (markWorks_) mark_.Progress(nextSeq_, head_);
}

void SampleQueue::DropFromMemory() {
  // The disk refuses: the oldest that wait in memory give way.
  if (droppedInMemory_ == 0)
    log_.Warning(
        platform::StringPrintf("queue: the memory for samples that cannot be written is full (%lld MB): "
                               "the oldest of them are dropped until the disk takes samples again",
                               static_cast<long long>(limits_.memoryBytes >> 20)));
  while (memoryBytes_ > limits_.memoryBytes && memory_.size() > 1) {
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().sample.json.size());
    const std::int64_t seq = memory_.front().sample.seq;
    memory_.pop_front();
    ++droppedInMemory_;
    NoteLost(seq);
  }
}

void SampleQueue::Refused(const std::string& what) {
  if (!refused_)
    log_.Error("the queue in " + folder_ + " " + what + "; samples wait in memory and are still published");
  refused_ = true;
}

bool SampleQueue::Sync() {
  std::string why;
  if (!db_.isOpen() && (!OpenDatabase(Opening::kRetry, nullptr) || !db_.isOpen())) return false;
  Written w = Write(&why);
  if (w == Written::kDamaged) {
    Rebuild(why, {std::max(head_, diskFirst_), diskEnd_, diskEnd_}, false);
    w = db_.isOpen() ? Write(&why) : Written::kRefused;
  }
  if (w != Written::kDone) {
    Refused("could not grow (" + why + ")");
    return false;
  }
  if (refused_) {
    std::string said = "the queue in " + folder_ + " takes samples again";
    if (droppedInMemory_ > 0) said += "; " + Count(droppedInMemory_) + " samples were dropped while it refused";
    log_.Info(said);
    refused_ = false;
    droppedInMemory_ = 0;
  }
  TopUpReserve(false);
  CheckpointIfDue();
  MarkProgress();
  return true;
}

SampleQueue::Written SampleQueue::Write(std::string* why) {
  do {
    Written w = WriteBatch(why);
    // The disk has no room for the file to grow: the reserve's pages take the batch.
    while (w == Written::kNoRoom) {
      if (UseReserve()) {
        w = WriteBatch(why);
      } else {
        *why = "the disk has no room left, and the queue's reserve on it is used up";
        w = Written::kRefused;
      }
    }
    if (w != Written::kDone) return w;
  } while (!memory_.empty());
  return Written::kDone;
}

SampleQueue::Written SampleQueue::WriteBatch(std::string* why) {
  const bool forget = head_ > diskFirst_ && diskFirst_ < diskEnd_;
  if (memory_.empty() && !forget) return Written::kDone;
  // One transaction: the acknowledged rows go, room is made under the bound, and the
  // first batch of what waits in memory is written. Nothing of it stays when it fails.
  std::size_t batch = 0;
  std::int64_t batchBytes = 0;
  const std::int64_t batchLimit = BatchLimit();
  // Short of room, a commit may not grow the file: under the write-ahead log the growth
  // would come at the checkpoint, which could then never end. The file then holds every
  // commit before the next one, so that its size is the size it has.
  const bool tight = RoomToGrow(DatabasePath()) < TightRoom();
  if (tight) CheckpointIfDue(true);
  while (batch < memory_.size() && (batch == 0 || batchBytes < batchLimit)) {
    Row& row = memory_[batch++];
    if (row.stored.isEmpty()) row.stored = PackJson(row.sample.json);
    batchBytes += RowBytes(row.stored);
  }
  QSqlQuery q(db_.handle());
  auto fail = [&] {
    *why = store::ErrorText(q.lastError());
    const bool damaged = store::TroubleOf(q.lastError()) == store::SqlTrouble::kDamaged;
    q.finish();
    QSqlQuery(db_.handle()).exec("ROLLBACK");
    return damaged ? Written::kDamaged : Written::kRefused;
  };
  if (!q.exec("BEGIN IMMEDIATE")) return fail();
  std::int64_t bytes = diskBytes_, rows = diskRows_;
  if (forget) {
    q.prepare("SELECT coalesce(sum(length(payload)), 0), count(*) FROM samples WHERE seq < ?");
    q.addBindValue(SqlInteger(head_));
    if (!q.exec() || !q.next()) return fail();
    bytes -= q.value(0).toLongLong() + q.value(1).toLongLong() * kRowOverhead;
    rows -= q.value(1).toLongLong();
    q.prepare("DELETE FROM samples WHERE seq < ?");
    q.addBindValue(SqlInteger(head_));
    if (!q.exec()) return fail();
  }
  // The bound: the oldest rows go, a sixteenth of it more than needed, so that they go
  // in steps and not with every batch.
  std::int64_t dropUpTo = 0;
  std::uint64_t dropped = 0;
  if (bytes + batchBytes > limits_.maxBytes) {
    const std::int64_t needed = bytes + batchBytes - limits_.maxBytes + limits_.maxBytes / 16;
    q.setForwardOnly(true);
    q.prepare("SELECT seq, length(payload) FROM samples ORDER BY seq");
    if (!q.exec()) return fail();
    std::int64_t freed = 0;
    while (freed < needed && q.next()) {
      dropUpTo = q.value(0).toLongLong();
      freed += q.value(1).toLongLong() + kRowOverhead;
      ++dropped;
    }
    if (q.lastError().isValid()) return fail();
    q.finish();
    q.prepare("DELETE FROM samples WHERE seq <= ?");
    q.addBindValue(SqlInteger(dropUpTo));
    if (dropped > 0 && !q.exec()) return fail();
    bytes -= freed;
    rows -= static_cast<std::int64_t>(dropped);
  }
  if (!PrepareInsert(q)) return fail();
  for (std::size_t i = 0; i < batch; ++i)
    if (!InsertRow(q, memory_[i].sample, memory_[i].stored)) return fail();
  if (tight) {
    struct stat st {};
    if (!q.exec("PRAGMA page_count") || !q.next()) return fail();
    if (::stat(DatabasePath().c_str(), &st) != 0 || q.value(0).toLongLong() * pageSize_ > st.st_size) {
      q.finish();
      QSqlQuery(db_.handle()).exec("ROLLBACK");
      return Written::kNoRoom;
    }
  }
  if (!q.exec("COMMIT")) return fail();

  diskBytes_ = bytes + batchBytes;
  diskRows_ = rows + static_cast<std::int64_t>(batch);
  diskFirst_ = head_;
  if (dropped > 0) {
    AdvanceHead(dropUpTo + 1);
    diskFirst_ = head_;
    log_.Warning(platform::StringPrintf("queue full (%.4g MB): dropped the %llu oldest unsent samples",
                                        Megabytes(limits_.maxBytes), static_cast<unsigned long long>(dropped)));
  }
  for (std::size_t i = 0; i < batch; ++i) {
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().sample.json.size());
    diskEnd_ = memory_.front().sample.seq + 1;
    memory_.pop_front();
  }
  Committed(false);
  // Only new rows make a damaged log cost samples: a commit that only forgot rows needs
  // neither a checkpoint nor a synced mark of its own.
  if (batch > 0) uncheckpointed_ = true;
  CheckpointIfDue(tight);
  return Written::kDone;
}

void SampleQueue::CheckpointIfDue(bool now) {
  const auto time = std::chrono::steady_clock::now();
  if (!uncheckpointed_ || !db_.isOpen() || (!now && time - lastCheckpoint_ < limits_.checkpointEvery)) return;
  QSqlQuery(db_.handle()).exec("PRAGMA wal_checkpoint(PASSIVE)");
  Committed(true);
  lastCheckpoint_ = time;
  uncheckpointed_ = false;
}

void SampleQueue::StampFile() {
  if (stamped_ || !markWorks_ || !db_.isOpen()) return;
  // Through SQLite only: opening the file beside it would drop its locks (POSIX).
  QSqlQuery q(db_.handle());
  std::uint32_t id = 0;
  if (q.exec("PRAGMA application_id") && q.next()) id = static_cast<std::uint32_t>(q.value(0).toLongLong());
  q.finish();
  if (id == 0) {
    id = QRandomGenerator::system()->generate() | 1u;
    if (!q.exec(QString("PRAGMA application_id = %1").arg(static_cast<qint32>(id)))) return;
  }
  // The mark names the number once the file on disk holds it; until then it is tried
  // again at the next commit.
  if (!q.exec("PRAGMA wal_checkpoint(PASSIVE)") || !q.next() || q.value(0).toInt() != 0 ||
      q.value(1).toLongLong() != q.value(2).toLongLong())
    return;
  stamped_ = mark_.SetFileId(id);
}

void SampleQueue::Committed(bool sync) {
  if (!markWorks_ || !db_.isOpen()) return;
  StampFile();
  if (!mark_.Committed({diskFirst_, diskEnd_, diskRows_}, sync))
    log_.Debug(std::string("queue: queue.mark cannot be written: ") + std::strerror(errno));
}

std::optional<QueuedSample> SampleQueue::Next() {
  nextRead_ = std::max(nextRead_, head_);
  bool rebuilt = false;
  while (nextRead_ < diskEnd_) {
    std::string why;
    if (readBuffer_.empty() && !FillFromDisk(&why)) {
      if (!rebuilt) {
        rebuilt = true;
        Rebuild(why, {std::max(head_, diskFirst_), diskEnd_, diskEnd_}, false);
        continue;
      }
      // Not even the rebuilt file can be read here: sending goes on behind it.
      log_.Error("queue: samples " + std::to_string(nextRead_) + " to " + std::to_string(diskEnd_ - 1) +
                 " cannot be read (" + why + ") and are passed over");
      for (std::int64_t seq = nextRead_; seq < diskEnd_; ++seq) NoteLost(seq);
      nextRead_ = diskEnd_;
      break;
    }
    if (readBuffer_.empty()) continue;  // FillFromDisk moved on
    Row row = std::move(readBuffer_.front());
    readBuffer_.pop_front();
    if (row.sample.seq < nextRead_) continue;
    nextRead_ = row.sample.seq + 1;
    return row.sample;
  }
  // Then what waits in memory, which is newer than every row on disk.
  for (const Row& row : memory_) {
    if (row.sample.seq < nextRead_) continue;
    nextRead_ = row.sample.seq + 1;
    return row.sample;
  }
  return std::nullopt;
}

bool SampleQueue::FillFromDisk(std::string* why) {
  if (!db_.isOpen()) {
    nextRead_ = diskEnd_;
    return true;
  }
  QSqlQuery q(db_.handle());
  q.setForwardOnly(true);
  q.prepare(QString(kSelectRows) + QString(" WHERE seq >= ? AND seq < ? ORDER BY seq LIMIT %1").arg(kReadBatch));
  q.addBindValue(SqlInteger(nextRead_));
  q.addBindValue(SqlInteger(diskEnd_));
  std::int64_t expected = nextRead_;
  int rows = 0;
  bool inOrder = true;
  std::uint64_t damaged = 0;
  if (q.exec()) {
    while (q.next()) {
      ReadRow row = ReadRowOf(q);
      // The index against the table: rows come in order, with gaps only where samples
      // are known to be gone. A key out of order would end a search early and hide the
      // rows behind it.
      if (row.seq < expected || !AllLost(expected, row.seq)) {
        inOrder = false;
        break;
      }
      expected = row.seq + 1;
      ++rows;
      // A damaged sample is never sent.
      if (!row.sample) {
        ++damaged;
        NoteLost(row.seq);
        continue;
      }
      readBuffer_.push_back({std::move(*row.sample), {}});
    }
  }
  if (damaged > 0)
    log_.Warning("queue: " + Count(damaged) +
                 " damaged samples are lost (their checksum does not match); "
                 "the others are sent");
  const bool failed = q.lastError().isValid();
  if (!failed && inOrder && rows < kReadBatch && !AllLost(expected, diskEnd_)) inOrder = false;
  if (failed || !inOrder) {
    *why = failed ? store::ErrorText(q.lastError()) : "rows are missing where its index has them";
    // What was read before the damage goes out first; the rest comes from the rebuilt file.
    return !readBuffer_.empty();
  }
  if (readBuffer_.empty()) nextRead_ = rows < kReadBatch ? diskEnd_ : expected;
  return true;
}

void SampleQueue::Rewind() {
  nextRead_ = head_;
  readBuffer_.clear();
}

void SampleQueue::Release(std::int64_t seq) {
  if (seq <= head_) return;
  AdvanceHead(seq);
  // Acknowledged before they were written: they never reach the disk.
  while (!memory_.empty() && memory_.front().sample.seq < head_) {
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().sample.json.size());
    memory_.pop_front();
  }
  // Only those tell a stop's count of samples that never reached the disk; rows on disk
  // acknowledged since the last Sync at worst go out twice after a kill.
  if (head_ > diskEnd_) MarkProgress();
}

std::uint64_t SampleQueue::Pending() const { return static_cast<std::uint64_t>(nextSeq_ - head_) - lost_.size(); }

void SampleQueue::Close() {
  if (folder_.empty()) return;
  Sync();
  if (!memory_.empty())
    log_.Error("queue: " + Count(memory_.size()) + " unacknowledged samples could not be written to disk and are lost");
  memory_.clear();
  memoryBytes_ = 0;
  readBuffer_.clear();
  // What could not be written is counted now: the next start does not count it again.
  if (markWorks_) mark_.Progress(std::min(nextSeq_, std::max(diskEnd_, head_)), head_);
  if (uncheckpointed_) Committed(true);
  db_.Close();
  mark_.Close();
  folder_.clear();
}

}  // namespace korvane::station
