#include "station/queue/QueueSalvage.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <limits>
#include <optional>

namespace korvane::station {
namespace {

class Salvage {
 public:
  Salvage(const QSqlDatabase& source, std::int64_t from, std::int64_t end,
          const std::function<bool(const QueuedSample&, const QByteArray&)>& take)
      : source_(source), from_(from), end_(end), take_(take), last_(from - 1) {}

  SalvageCount Run() {
    QSqlQuery q(source_);
    q.setForwardOnly(true);
    // The walk: no search, so that no key is trusted yet.
    bool readable = q.exec(kSelectRows) && Read(q);
    std::int64_t resumed = from_ - 1;
    while (!readable && !stopped_) {
      ++count_.unreadable;
      Judge(std::nullopt);
      // Each search starts beyond the one before: this ends even where the same
      // damaged row is met again.
      const std::optional<std::int64_t> at = FirstReadable(q, std::max(last_ + 1, resumed + 1));
      if (!at) break;
      resumed = *at;
      readable = Read(q);
    }
    Judge(std::nullopt);
    Place(end_);
    return count_;
  }

 private:
  // Rows from where q stands (on a row, or before the first) to the end of the result;
  // false when a page could not be read.
  bool Read(QSqlQuery& q) {
    if (q.isValid()) Consider(ReadRowOf(q));
    while (!stopped_ && q.next()) Consider(ReadRowOf(q));
    return !q.lastError().isValid();
  }

  // The first sequence number from start on where a search reads a row (or finds the
  // end of the table); q then stands on that row. Ahead by 1, 2, 4, ... then back by
  // halves to the first one that reads.
  std::optional<std::int64_t> FirstReadable(QSqlQuery& q, std::int64_t start) {
    if (start >= end_) return std::nullopt;
    std::int64_t failed = start - 1, step = 1, probe = start;
    while (!Seek(q, probe)) {
      failed = probe;
      if (probe >= end_ - 1) return std::nullopt;
      probe = end_ - 1 - failed <= step ? end_ - 1 : failed + step;
      if (step < std::numeric_limits<std::int64_t>::max() / 4) step *= 2;
    }
    // Seek(probe) reads, Seek(failed) does not; look for the first between them.
    std::int64_t good = probe;
    while (good - failed > 1) {
      const std::int64_t middle = failed + (good - failed) / 2;
      if (Seek(q, middle))
        good = middle;
      else
        failed = middle;
    }
    if (good != probe && !Seek(q, good)) return std::nullopt;
    return good;
  }

  bool Seek(QSqlQuery& q, std::int64_t at) {
    q.finish();
    q.prepare(QString(kSelectRows) + " WHERE seq >= ? ORDER BY seq");
    q.addBindValue(QVariant::fromValue<qlonglong>(at));
    if (!q.exec()) return false;
    return q.next() || !q.lastError().isValid();
  }

  // Each row is judged once the one after it is known: a key that jumped up stands
  // above its successor, one that jumped down below its predecessor.
  void Consider(ReadRow row) {
    if (row.seq < from_) return;  // acknowledged before, not yet forgotten
    Judge(row.seq);
    held_ = std::move(row);
  }

  void Judge(std::optional<std::int64_t> next) {
    if (!held_) return;
    ReadRow h = std::move(*held_);
    held_.reset();
    const std::int64_t seq = h.seq;
    const bool inOrder = seq > last_ && seq < end_ && (!next || *next > seq || *next <= last_);
    if (!inOrder) {
      // Its content is sound even if its key is not: it may fill the gap it left.
      if (h.sample) misplaced_ = std::move(h);
      return;
    }
    Place(seq);
    last_ = seq;
    if (!h.sample) {
      ++count_.damaged;
      return;
    }
    Take(*h.sample, h.stored);
  }

  // A misplaced row takes the first free sequence number when there is one before next.
  void Place(std::int64_t next) {
    if (!misplaced_) return;
    ReadRow row = std::move(*misplaced_);
    misplaced_.reset();
    if (last_ + 1 >= next || last_ + 1 >= end_) return;
    row.sample->seq = ++last_;
    ++count_.reordered;
    Take(*row.sample, row.stored);
  }

  void Take(const QueuedSample& s, const QByteArray& stored) {
    if (stopped_) return;
    if (!take_(s, stored)) {
      stopped_ = true;
      return;
    }
    ++count_.taken;
  }

  const QSqlDatabase& source_;
  const std::int64_t from_, end_;
  const std::function<bool(const QueuedSample&, const QByteArray&)>& take_;
  std::int64_t last_;
  std::optional<ReadRow> held_;
  std::optional<ReadRow> misplaced_;
  bool stopped_ = false;
  SalvageCount count_;
};

}  // namespace

SalvageCount SalvageRows(const QSqlDatabase& source, std::int64_t from, std::int64_t end,
                         const std::function<bool(const QueuedSample&, const QByteArray&)>& take) {
  return Salvage(source, from, end, take).Run();
}

}  // namespace korvane::station
