// The queue's answers to a stop it did not see coming and to a damaged file: what the
// mark says was lost is counted, and every row that can still be read, through SQLite
// or from the pages, is sent; a damaged file is kept beside the fresh one that takes
// its place.
#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <utility>

#include "station/log/StationLog.h"
#include "station/queue/QueuePages.h"
#include "station/queue/QueueSalvage.h"
#include "station/queue/SampleQueue.h"

namespace korvane::station {
namespace {

// The most rows a search of the pages keeps track of; beyond, the span is not one this
// queue wrote.
constexpr std::int64_t kMostRows = std::int64_t{1} << 26;

// A sample by its time and module: what a row is, whatever its sequence number says.
using SampleKey = std::pair<std::int64_t, int>;

// Rows of file's pages that a salvage without a known span did not take (taken: their
// keys, sorted), from floor on where there is one: rows below the first one SQLite read
// are taken for acknowledged ones whose pages were freed. Inserted with insert; their
// number, with the lowest and highest sequence number among them.
std::uint64_t TakeMissingFromPages(const std::string& file, std::optional<std::int64_t> floor,
                                   const std::vector<SampleKey>& taken, QSqlQuery& insert,
                                   std::optional<std::int64_t>* first, std::optional<std::int64_t>* last) {
  std::map<std::int64_t, std::pair<QueuedSample, QByteArray>> found;
  ScanQueueFiles(file, [&](const QueuedSample& s, const QByteArray& stored) {
    if ((floor && s.seq < *floor) || std::binary_search(taken.begin(), taken.end(), SampleKey{s.timeMs, s.address}))
      return;
    if (static_cast<std::int64_t>(found.size()) < kMostRows) found.try_emplace(s.seq, s, stored);
  });
  std::uint64_t inserted = 0;
  for (const auto& [seq, row] : found) {
    if (!InsertRow(insert, row.first, row.second)) continue;
    *first = std::min(first->value_or(seq), seq);
    *last = std::max(last->value_or(seq), seq);
    ++inserted;
  }
  return inserted;
}

}  // namespace

SampleQueue::Span SampleQueue::StartSpan() const {
  // Far enough for any sequence number, near enough that the distance across the span
  // and the salvage's steps within it stay inside 64 bits.
  constexpr std::int64_t kFar = std::int64_t{1} << 61;
  Span span{-kFar, kFar, -kFar};
  span.bounded = false;
  if (const auto& c = mark_.committed()) {
    span.bounded = true;
    span.from = c->head;
    span.counted = c->end;
    span.end = std::max(c->end, mark_.appendedEnd().value_or(c->end));
    if (const auto released = mark_.releasedHead(); released && *released > span.from && *released <= span.counted)
      span.from = *released;
    // Rows are consecutive but for what an earlier run could not keep.
    span.rows = std::max<std::int64_t>(0, c->rows - (span.from - c->head));
  }
  return span;
}

void SampleQueue::AccountForStop() {
  const auto& c = mark_.committed();
  // Rows go from the front only; an end short of the committed one is a write-ahead log
  // that lost its last frames.
  if (c && c->end > diskEnd_ && db_.isOpen()) RecoverTail(*c);
  const std::int64_t written = std::max(diskEnd_, c ? c->end : diskEnd_);
  const std::int64_t sent = mark_.releasedHead().value_or(written);
  if (const auto appended = mark_.appendedEnd(); appended && *appended > std::max(written, sent))
    log_.Warning("queue: the station stopped before its last " +
                 std::to_string(static_cast<std::uint64_t>(*appended - std::max(written, sent))) +
                 " samples reached the disk (it was killed, or the power went); they are lost");
  // What the broker had acknowledged before the stop is not sent again.
  if (const auto released = mark_.releasedHead(); released && *released > head_ && *released <= diskEnd_)
    head_ = *released;
}

std::uint64_t SampleQueue::TakeFromPages(const std::string& file, std::int64_t from, std::int64_t end,
                                         std::vector<bool>& have, QSqlQuery& insert, std::int64_t* last) {
  std::uint64_t taken = 0;
  ScanQueueFiles(file, [&](const QueuedSample& s, const QByteArray& stored) {
    if (s.seq < from || s.seq >= end || have[static_cast<std::size_t>(s.seq - from)]) return;
    if (!InsertRow(insert, s, stored)) return;
    have[static_cast<std::size_t>(s.seq - from)] = true;
    *last = std::max(*last, s.seq);
    ++taken;
  });
  return taken;
}

void SampleQueue::RecoverTail(const CommittedMark& mark) {
  QSqlQuery q(db_.handle());
  q.prepare("SELECT count(*) FROM samples WHERE seq >= ? AND seq < ?");
  q.addBindValue(SqlInteger(mark.head));
  q.addBindValue(SqlInteger(mark.end));
  if (!q.exec() || !q.next() || mark.rows <= q.value(0).toLongLong()) return;
  const auto missing = static_cast<std::uint64_t>(mark.rows - q.value(0).toLongLong());
  q.finish();
  // SQLite replays its log up to the first frame that does not check; the frames behind
  // it are still in the file.
  const std::int64_t from = std::max(diskEnd_, mark.head);
  std::uint64_t found = 0;
  std::int64_t last = from - 1;
  if (mark.end - from <= kMostRows) {
    std::vector<bool> have(static_cast<std::size_t>(mark.end - from));
    QSqlQuery in(db_.handle());
    if (in.exec("BEGIN IMMEDIATE") && PrepareInsert(in)) {
      found = TakeFromPages(DatabasePath(), from, mark.end, have, in, &last);
      if (!in.exec("COMMIT")) {
        in.finish();
        QSqlQuery(db_.handle()).exec("ROLLBACK");
        found = 0;
      }
    }
  }
  if (found > 0) {
    std::int64_t rows = 0, first = 0, end = 0, bytes = 0;
    if (ReadCounts(&rows, &first, &end, &bytes)) {
      diskRows_ = rows;
      diskBytes_ = bytes;
    }
    diskEnd_ = nextSeq_ = last + 1;
  }
  found = std::min(found, missing);
  log_.Error("queue: the write-ahead log of " + DatabasePath() + " was cut short or damaged before the start: of the " +
             std::to_string(missing) + " unsent samples written before the stop that SQLite no longer finds, " +
             std::to_string(found) + " were read from its pages and are sent, " + std::to_string(missing - found) +
             " are lost");
}

void SampleQueue::RecoverAside(const std::string& file) {
  const Span span = StartSpan();
  if (!span.bounded || span.end - span.from > kMostRows) {
    log_.Error("queue: how many unsent samples " + file + " held cannot be told (" + folder_ +
               "/queue.mark does not say); they are not sent");
    return;
  }
  std::vector<bool> have(static_cast<std::size_t>(span.end - span.from));
  std::int64_t last = span.from - 1;
  std::uint64_t found = 0;
  QSqlQuery in(db_.handle());
  if (in.exec("BEGIN IMMEDIATE") && PrepareInsert(in)) {
    found = TakeFromPages(file, span.from, span.end, have, in, &last);
    if (!in.exec("COMMIT")) {
      in.finish();
      QSqlQuery(db_.handle()).exec("ROLLBACK");
      found = 0;
    }
  }
  std::uint64_t below = 0;
  for (std::size_t i = 0; found > 0 && i < have.size() && span.from + static_cast<std::int64_t>(i) < span.counted; ++i)
    below += have[i];
  std::int64_t rows = 0, first = 0, end = 0, bytes = 0;
  if (found > 0 && ReadCounts(&rows, &first, &end, &bytes)) {
    diskRows_ = rows;
    diskBytes_ = bytes;
  }
  // The span is counted here, found or not: its end is where the queue goes on.
  head_ = diskFirst_ = span.from;
  diskEnd_ = nextSeq_ = std::max(span.counted, last + 1);
  NoteGaps(head_, diskEnd_);
  const auto expected =
      static_cast<std::uint64_t>(std::min(span.counted - span.from, std::max<std::int64_t>(span.rows, 0)));
  below = std::min(below, expected);
  log_.Error("queue: of the " + std::to_string(expected) + " unsent samples " + file + " held, " +
             std::to_string(below) + " were read from its pages and are sent, " + std::to_string(expected - below) +
             " are lost");
  AccountForStop();
}

void SampleQueue::Rebuild(const std::string& why, const Span& span, bool atStart) {
  const std::string path = DatabasePath(), fresh = path + ".rebuilt";
  readBuffer_.clear();
  std::error_code ec;
  std::filesystem::remove(fresh, ec);
  bool saved = false;
  std::optional<std::int64_t> first, last;
  std::uint64_t below = 0;  // taken rows below span.counted
  std::uint64_t fromPages = 0;
  SalvageCount count;
  {
    store::Database target;
    store::Location location;
    location.path = fresh;
    store::OpenOptions options;
    options.exclusive = true;
    saved = target.Open(location, QueueMigrations(), options, nullptr, nullptr);
    QSqlQuery in(target.handle());
    saved = saved && in.exec("BEGIN") && PrepareInsert(in);
    // Which rows of a known span were taken, so that the pages add only what is missing.
    const bool known = span.bounded && span.end - span.from <= kMostRows;
    std::vector<bool> have(known ? static_cast<std::size_t>(span.end - span.from) : 0);
    std::vector<SampleKey> taken;  // without a known span, the rows SQLite gave
    if (saved)
      count = SalvageRows(db_.handle(), span.from, span.end, [&](const QueuedSample& s, const QByteArray& stored) {
        if (!InsertRow(in, s, stored)) return saved = false;
        if (!first) first = s.seq;
        last = s.seq;
        if (s.seq < span.counted) ++below;
        if (known)
          have[static_cast<std::size_t>(s.seq - span.from)] = true;
        else if (!span.bounded)
          taken.push_back({s.timeMs, s.address});
        return true;
      });
    // What SQLite could not reach may still stand in a page of the file or of its log.
    if (saved && known && below < static_cast<std::uint64_t>(span.counted - span.from)) {
      std::int64_t lastFound = span.from - 1;
      QSqlQuery pages(target.handle());
      fromPages = PrepareInsert(pages) ? TakeFromPages(path, span.from, span.end, have, pages, &lastFound) : 0;
      if (fromPages > 0) {
        last = std::max(last.value_or(lastFound), lastFound);
        if (!first) first = span.from;
        below = 0;
        for (std::size_t i = 0; i < have.size() && span.from + static_cast<std::int64_t>(i) < span.counted; ++i)
          below += have[i];
      }
    }
    // Without a mark the pages are read all the same: only what lies below the rows
    // SQLite gave is left, as the acknowledged rows of freed pages look no different.
    if (saved && !span.bounded) {
      QSqlQuery pages(target.handle());
      std::sort(taken.begin(), taken.end());
      if (PrepareInsert(pages)) fromPages = TakeMissingFromPages(path, first, taken, pages, &first, &last);
    }
    saved = saved && in.exec("COMMIT");
  }
  db_.Close();
  const std::string aside = MoveAside("damaged");
  if (saved) std::filesystem::rename(fresh, path, ec);
  // Where nothing told the ends of the queue, the rows read tell them.
  const bool bounded = span.bounded;
  const std::int64_t from = bounded ? span.from : first.value_or(head_);
  const std::int64_t counted = bounded ? span.counted : (last ? *last + 1 : from);
  if (!bounded) below = count.taken + fromPages;
  if (atStart) {
    head_ = diskFirst_ = from;
    diskEnd_ = nextSeq_ = std::max({counted, last ? *last + 1 : from, from});
  }
  std::uint64_t expected =
      counted <= from
          ? 0
          : static_cast<std::uint64_t>(counted - from) -
                static_cast<std::uint64_t>(std::distance(lost_.lower_bound(from), lost_.lower_bound(counted)));
  if (bounded && span.rows >= 0) expected = std::min(expected, static_cast<std::uint64_t>(span.rows));
  const bool reopened = saved && !ec && OpenDatabase(Opening::kRebuilt, nullptr) && db_.isOpen();
  if (!reopened) {
    // Nothing could be saved here (the disk refuses): what was on disk is in the file kept.
    std::filesystem::remove(fresh, ec);
    AdvanceHead(diskEnd_);
    diskFirst_ = head_;
    below = 0;
    diskRows_ = diskBytes_ = 0;
  } else {
    NoteGaps(std::max(head_, diskFirst_), diskEnd_);
    Committed();
  }
  below = std::min(below, expected);
  std::string said = "queue: " + path + " is damaged (" + why + "): " + std::to_string(below) +
                     " unsent samples could be read from it and are sent" +
                     (fromPages > 0 && reopened ? " (" + std::to_string(fromPages) + " of them from its pages)" : "") +
                     ", " + std::to_string(expected - below) + " are lost; the damaged file is kept as " + aside;
  if (!bounded)
    said += "; how many unsent samples it held beyond those cannot be told (" + folder_ + "/queue.mark does not say)";
  if (count.reordered > 0)
    said += "; " + std::to_string(count.reordered) +
            " of those read had a damaged sequence number and were put back in order";
  log_.Error(said);
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

}  // namespace korvane::station
