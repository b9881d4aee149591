#include "station/queue/SampleQueue.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>
#include <zlib.h>

#include "platform/NumberText.h"
#include "station/log/StationLog.h"
#include "station/queue/EarlierQueue.h"
#include "store/SqlTrouble.h"

namespace korvane::station {
namespace {

// What SQLite needs for a row beside its payload, roughly: the bound counts it.
constexpr std::int64_t kRowOverhead = 40;
constexpr int kReadBatch = 512;
constexpr std::uint32_t kMaxJson = 1u << 20;

std::vector<store::Migration> Migrations() {
  return {{1,
           {"CREATE TABLE samples (seq INTEGER PRIMARY KEY, time INTEGER NOT NULL, address INTEGER NOT NULL, "
            "payload BLOB NOT NULL, checksum INTEGER NOT NULL)"},
           {}}};
}

// Over the JSON, the address and the time: a row damaged in any of them is not sent.
std::uint32_t Checksum(const QueuedSample& s) {
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(s.json.data()), static_cast<uInt>(s.json.size()));
  unsigned char tail[9] = {s.address};
  for (int i = 0; i < 8; ++i) tail[1 + i] = static_cast<unsigned char>(static_cast<std::uint64_t>(s.timeMs) >> (8 * i));
  return static_cast<std::uint32_t>(crc32(crc, tail, sizeof tail));
}

// The JSON's length (4 bytes, big-endian) and its zlib stream.
QByteArray Pack(const std::string& json) {
  uLongf size = compressBound(static_cast<uLong>(json.size()));
  QByteArray out(static_cast<qsizetype>(4 + size), Qt::Uninitialized);
  const auto length = static_cast<std::uint32_t>(json.size());
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(length >> (24 - 8 * i));
  compress2(reinterpret_cast<Bytef*>(out.data() + 4), &size, reinterpret_cast<const Bytef*>(json.data()),
            static_cast<uLong>(json.size()), Z_DEFAULT_COMPRESSION);
  out.resize(static_cast<qsizetype>(4 + size));
  return out;
}

std::optional<std::string> Unpack(const QByteArray& stored) {
  if (stored.size() < 4) return std::nullopt;
  std::uint32_t length = 0;
  for (int i = 0; i < 4; ++i) length = (length << 8) | static_cast<unsigned char>(stored[i]);
  if (length > kMaxJson) return std::nullopt;
  std::string json(length, '\0');
  uLongf size = length;
  if (uncompress(reinterpret_cast<Bytef*>(json.data()), &size, reinterpret_cast<const Bytef*>(stored.data() + 4),
                 static_cast<uLong>(stored.size() - 4)) != Z_OK ||
      size != length)
    return std::nullopt;
  return json;
}

std::int64_t RowBytes(const QByteArray& stored) { return stored.size() + kRowOverhead; }

std::string Count(std::uint64_t n) { return std::to_string(n); }

QVariant Long(std::int64_t n) { return QVariant::fromValue<qlonglong>(n); }

const char* const kInsert = "INSERT INTO samples (seq, time, address, payload, checksum) VALUES (?, ?, ?, ?, ?)";

bool InsertRow(QSqlQuery& q, const QueuedSample& s, const QByteArray& stored) {
  q.bindValue(0, Long(s.seq));
  q.bindValue(1, Long(s.timeMs));
  q.bindValue(2, static_cast<int>(s.address));
  q.bindValue(3, stored);
  q.bindValue(4, Long(Checksum(s)));
  return q.exec();
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
  const bool opened = OpenDatabase(Opening::kStart, error);
  if (opened && !earlier.files.empty()) ImportEarlier(earlier);
  if (lock >= 0) ::close(lock);
  if (!opened) {
    folder_.clear();  // nothing to close
    return false;
  }
  if (Pending() > 0) log_.Info("queue: " + Count(Pending()) + " samples from before wait to be sent");
  Rewind();
  return true;
}

bool SampleQueue::OpenDatabase(Opening opening, std::string* error) {
  store::OpenOptions options;
  options.busyTimeoutMs = 200;
  options.syncEveryCommit = true;
  options.exclusive = true;  // one station per folder
  store::Location location;
  location.path = DatabasePath();
  for (int attempt = 0; attempt < 2; ++attempt) {
    std::string why;
    store::OpenFailure failure = store::OpenFailure::kNone;
    if (db_.Open(location, Migrations(), options, &why, &failure)) {
      if (ReadState(opening)) return true;
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
    const std::string aside = MoveAside(failure == store::OpenFailure::kNewerSchema ? "newer" : "damaged");
    log_.Error("queue: " + location.path + " cannot be used (" + why + "): moved aside to " + aside +
               "; a fresh queue starts");
    opening = Opening::kRetry;
  }
  return true;
}

bool SampleQueue::ReadState(Opening opening) {
  std::int64_t count = 0;
  {
    QSqlQuery q(db_.handle());
    if (!q.exec("SELECT count(*), min(seq), max(seq), coalesce(sum(length(payload)), 0) FROM samples") || !q.next()) {
      // Damaged inside: what can be read is saved when the ends of the table still can be
      // (each asked alone, so that SQLite looks at the first and the last row only).
      if (opening != Opening::kStart || !q.exec("SELECT min(seq) FROM samples") || !q.next()) return false;
      head_ = diskFirst_ = q.value(0).toLongLong();
      if (!q.exec("SELECT max(seq) FROM samples") || !q.next()) return false;
      nextSeq_ = diskEnd_ = q.value(0).toLongLong() + 1;
      count = -1;
    } else {
      count = q.value(0).toLongLong();
      diskBytes_ = q.value(3).toLongLong() + count * kRowOverhead;
      if (opening == Opening::kStart && count > 0) {
        head_ = diskFirst_ = q.value(1).toLongLong();
        nextSeq_ = diskEnd_ = q.value(2).toLongLong() + 1;
      }
    }
  }
  if (count < 0) {
    Rebuild("its rows cannot all be read");
    return true;
  }
  if (opening == Opening::kRetry && count > 0) return false;  // not the file this queue made
  const std::int64_t from = std::max(head_, diskFirst_);
  if (count != diskEnd_ - from) NoteGaps(from, diskEnd_);
  diskFirst_ = std::min(head_, diskEnd_);
  return true;
}

void SampleQueue::NoteGaps(std::int64_t from, std::int64_t end) {
  QSqlQuery q(db_.handle());
  q.setForwardOnly(true);
  q.prepare("SELECT seq FROM samples WHERE seq >= ? AND seq < ? ORDER BY seq");
  q.addBindValue(Long(from));
  q.addBindValue(Long(end));
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

void SampleQueue::ImportEarlier(const EarlierQueue& earlier) {
  if (!db_.isOpen()) return;  // its files stay for the next start
  std::uint64_t ignored = 0, total = 0, damaged = 0;
  // They are older than anything here: their sequence numbers go before it.
  for (const std::string& segment : earlier.segments)
    total += ReadEarlierSegment(segment, earlier.head, &ignored).size();
  const std::int64_t first = (diskEnd_ > head_ ? head_ : nextSeq_) - static_cast<std::int64_t>(total);
  std::int64_t seq = first, bytes = 0;
  QSqlQuery q(db_.handle());
  bool ok = q.exec("BEGIN IMMEDIATE");
  q.prepare(kInsert);
  for (std::size_t i = 0; ok && i < earlier.segments.size(); ++i) {
    for (EarlierSample& e : ReadEarlierSegment(earlier.segments[i], earlier.head, &damaged)) {
      const QueuedSample s{seq++, e.timeMs, e.address, std::move(e.json)};
      const QByteArray stored = Pack(s.json);
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
  log_.Info("queue: took over " + Count(total) + " samples of an earlier version's queue in " + folder_ +
            "; they are sent first, and its files are removed");
  if (damaged > 0) log_.Warning("queue: " + Count(damaged) + " damaged samples of the earlier queue are lost");
}

std::int64_t SampleQueue::Append(std::int64_t timeMs, std::uint8_t address, std::string json) {
  const std::int64_t seq = nextSeq_++;
  memoryBytes_ += static_cast<std::int64_t>(json.size());
  memory_.push_back({{seq, timeMs, address, std::move(json)}, {}});
  if (!refused_ && memoryBytes_ >= limits_.batchBytes) Sync();
  if (memoryBytes_ > limits_.memoryBytes) DropFromMemory();
  return seq;
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
    Rebuild(why);
    w = db_.isOpen() ? Write(&why) : Written::kRefused;
  }
  if (w != Written::kDone) {
    Refused("could not grow: " + why);
    return false;
  }
  if (refused_) {
    std::string said = "the queue in " + folder_ + " takes samples again";
    if (droppedInMemory_ > 0) said += "; " + Count(droppedInMemory_) + " samples were dropped while it refused";
    log_.Info(said);
    refused_ = false;
    droppedInMemory_ = 0;
  }
  return true;
}

SampleQueue::Written SampleQueue::Write(std::string* why) {
  bool checkpointed = false;
  do {
    Written w = WriteBatch(why);
    if (w == Written::kRefused && !checkpointed) {
      // The write-ahead log keeps what it holds until a checkpoint: one that empties it
      // gives its space back for the next try.
      checkpointed = true;
      QSqlQuery(db_.handle()).exec("PRAGMA wal_checkpoint(TRUNCATE)");
      w = WriteBatch(why);
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
  const std::int64_t batchLimit = std::min(limits_.batchBytes, limits_.maxBytes / 4);
  while (batch < memory_.size() && (batch == 0 || batchBytes < batchLimit)) {
    Row& row = memory_[batch++];
    if (row.stored.isEmpty()) row.stored = Pack(row.sample.json);
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
  std::int64_t bytes = diskBytes_;
  if (forget) {
    q.prepare("SELECT coalesce(sum(length(payload)), 0), count(*) FROM samples WHERE seq < ?");
    q.addBindValue(Long(head_));
    if (!q.exec() || !q.next()) return fail();
    bytes -= q.value(0).toLongLong() + q.value(1).toLongLong() * kRowOverhead;
    q.prepare("DELETE FROM samples WHERE seq < ?");
    q.addBindValue(Long(head_));
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
    q.addBindValue(Long(dropUpTo));
    if (dropped > 0 && !q.exec()) return fail();
    bytes -= freed;
  }
  q.prepare(kInsert);
  for (std::size_t i = 0; i < batch; ++i)
    if (!InsertRow(q, memory_[i].sample, memory_[i].stored)) return fail();
  if (!q.exec("COMMIT")) return fail();

  diskBytes_ = bytes + batchBytes;
  diskFirst_ = head_;
  if (dropped > 0) {
    AdvanceHead(dropUpTo + 1);
    diskFirst_ = head_;
    log_.Warning(platform::StringPrintf("queue full (%.4g MB): dropped the %llu oldest unsent samples",
                                        static_cast<double>(limits_.maxBytes) / (1 << 20),
                                        static_cast<unsigned long long>(dropped)));
  }
  for (std::size_t i = 0; i < batch; ++i) {
    memoryBytes_ -= static_cast<std::int64_t>(memory_.front().sample.json.size());
    diskEnd_ = memory_.front().sample.seq + 1;
    memory_.pop_front();
  }
  return Written::kDone;
}

std::optional<QueuedSample> SampleQueue::Next() {
  nextRead_ = std::max(nextRead_, head_);
  bool rebuilt = false;
  while (nextRead_ < diskEnd_) {
    std::string why;
    if (readBuffer_.empty() && !FillFromDisk(&why)) {
      if (!rebuilt) {
        rebuilt = true;
        Rebuild(why);
        continue;
      }
      // Not even the rebuilt file can be read here: sending goes on behind it.
      log_.Error("queue: samples " + std::to_string(nextRead_) + " to " + std::to_string(diskEnd_ - 1) +
                 " cannot be read (" + why + ") and are passed over");
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
  q.prepare(QString("SELECT seq, time, address, payload, checksum FROM samples WHERE seq >= ? AND seq < ? "
                    "ORDER BY seq LIMIT %1")
                .arg(kReadBatch));
  q.addBindValue(Long(nextRead_));
  q.addBindValue(Long(diskEnd_));
  std::optional<std::int64_t> last;
  std::uint64_t damaged = 0;
  if (q.exec()) {
    while (q.next()) {
      QueuedSample s{
          q.value(0).toLongLong(), q.value(1).toLongLong(), static_cast<std::uint8_t>(q.value(2).toInt()), {}};
      last = s.seq;
      const auto json = Unpack(q.value(3).toByteArray());
      if (json) s.json = *json;
      // A damaged sample is never sent.
      if (!json || Checksum(s) != static_cast<std::uint32_t>(q.value(4).toLongLong())) {
        ++damaged;
        NoteLost(s.seq);
        continue;
      }
      readBuffer_.push_back({std::move(s), {}});
    }
  }
  if (damaged > 0)
    log_.Warning("queue: " + Count(damaged) +
                 " damaged samples are lost (their checksum does not match); "
                 "the others are sent");
  if (q.lastError().isValid()) {
    *why = store::ErrorText(q.lastError());
    // What was read before the damage goes out first; the rest comes from the rebuilt file.
    return last.has_value();
  }
  if (readBuffer_.empty()) nextRead_ = last ? *last + 1 : diskEnd_;
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
}

void SampleQueue::Rebuild(const std::string& why) {
  // The rows that can still be read go into a fresh file, which takes the damaged one's
  // place; the damaged one is kept beside it.
  const std::string path = DatabasePath(), fresh = path + ".rebuilt";
  const std::int64_t from = std::max(head_, diskFirst_);
  const std::uint64_t onDisk =
      from >= diskEnd_
          ? 0
          : static_cast<std::uint64_t>(diskEnd_ - from) -
                static_cast<std::uint64_t>(std::distance(lost_.lower_bound(from), lost_.lower_bound(diskEnd_)));
  readBuffer_.clear();
  std::error_code ec;
  std::filesystem::remove(fresh, ec);
  bool saved = false;
  std::uint64_t copied = 0;
  {
    store::Database target;
    store::Location location;
    location.path = fresh;
    store::OpenOptions options;
    options.exclusive = true;
    saved = target.Open(location, Migrations(), options, nullptr, nullptr);
    QSqlQuery in(target.handle());
    saved = saved && in.exec("BEGIN") && in.prepare(kInsert);
    for (std::int64_t seq = from; saved && seq < diskEnd_;) {
      QSqlQuery q(db_.handle());
      q.setForwardOnly(true);
      q.prepare("SELECT seq, time, address, payload, checksum FROM samples WHERE seq >= ? AND seq < ? ORDER BY seq");
      q.addBindValue(Long(seq));
      q.addBindValue(Long(diskEnd_));
      const std::int64_t before = seq;
      if (q.exec()) {
        while (saved && q.next()) {
          for (int c = 0; c < 5; ++c) in.bindValue(c, q.value(c));
          saved = in.exec();
          seq = q.value(0).toLongLong() + 1;
          ++copied;
        }
        if (!q.lastError().isValid()) break;  // read to the end
      }
      if (seq == before) ++seq;  // the damaged part is stepped over one sample at a time
    }
    saved = saved && in.exec("COMMIT");
  }
  db_.Close();
  const std::string aside = MoveAside("damaged");
  if (saved) std::filesystem::rename(fresh, path, ec);
  if (!saved || ec || !OpenDatabase(Opening::kRebuilt, nullptr) || !db_.isOpen()) {
    // Nothing could be saved here (the disk refuses): what was on disk is in the file kept.
    std::filesystem::remove(fresh, ec);
    AdvanceHead(diskEnd_);
    diskFirst_ = head_;
    copied = 0;
  }
  copied = std::min(copied, onDisk);
  log_.Error("queue: " + path + " is damaged (" + why + "): " + Count(copied) +
             " unsent samples could be read from it and are sent, " + Count(onDisk - copied) +
             " are lost; the damaged file is kept as " + aside);
}

std::string SampleQueue::MoveAside(const char* kind) {
  db_.Close();
  const std::string path = DatabasePath();
  const std::string stamp = QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'").toStdString();
  std::string aside = folder_ + "/queue-" + kind + "-" + stamp + ".db";
  for (int n = 2; std::filesystem::exists(aside); ++n)
    aside = folder_ + "/queue-" + kind + "-" + stamp + "-" + std::to_string(n) + ".db";
  std::error_code ec;
  std::filesystem::rename(path, aside, ec);
  for (const char* suffix : {"-wal", "-shm", "-journal"})
    if (std::filesystem::exists(path + suffix, ec)) std::filesystem::rename(path + suffix, aside + suffix, ec);
  return aside;
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
  db_.Close();
  folder_.clear();
}

}  // namespace korvane::station
