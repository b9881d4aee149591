// The queue's answers to a damaged file: every row that can still be read goes into a
// fresh database, which takes the damaged one's place; the damaged one is kept beside it.
#include <QDateTime>
#include <QSqlQuery>

#include <algorithm>
#include <filesystem>

#include "station/log/StationLog.h"
#include "station/queue/QueueSalvage.h"
#include "station/queue/SampleQueue.h"

namespace korvane::station {
namespace {

std::string Count(std::uint64_t n) { return std::to_string(n); }

}  // namespace

void SampleQueue::Rebuild(const std::string& why, const Span& span, bool atStart) {
  const std::string path = DatabasePath(), fresh = path + ".rebuilt";
  readBuffer_.clear();
  std::error_code ec;
  std::filesystem::remove(fresh, ec);
  bool saved = false;
  std::optional<std::int64_t> first, last;
  std::uint64_t below = 0;  // taken rows below span.counted
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
    if (saved)
      count = SalvageRows(db_.handle(), span.from, span.end, [&](const QueuedSample& s, const QByteArray& stored) {
        if (!InsertRow(in, s, stored)) return saved = false;
        if (!first) first = s.seq;
        last = s.seq;
        if (s.seq < span.counted) ++below;
        return true;
      });
    saved = saved && in.exec("COMMIT");
  }
  db_.Close();
  const std::string aside = MoveAside("damaged");
  if (saved) std::filesystem::rename(fresh, path, ec);
  // Where nothing told the ends of the queue, the rows read tell them.
  const bool bounded = span.counted > span.from;
  const std::int64_t from = bounded ? span.from : first.value_or(head_);
  const std::int64_t counted = bounded ? span.counted : (last ? *last + 1 : from);
  if (!bounded) below = count.taken;
  if (atStart) {
    head_ = diskFirst_ = from;
    diskEnd_ = nextSeq_ = std::max({counted, last ? *last + 1 : from, from});
  }
  const std::uint64_t expected =
      counted <= from ? 0
                      : static_cast<std::uint64_t>(counted - from) -
                            static_cast<std::uint64_t>(std::distance(lost_.lower_bound(from), lost_.lower_bound(counted)));
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
  std::string said = "queue: " + path + " is damaged (" + why + "): " + Count(below) +
                     " unsent samples could be read from it and are sent, " + Count(expected - below) +
                     " are lost; the damaged file is kept as " + aside;
  if (count.reordered > 0)
    said += "; " + Count(count.reordered) + " of those read had a damaged sequence number and were put back in order";
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
