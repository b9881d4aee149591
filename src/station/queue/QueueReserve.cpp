#include "station/queue/QueueReserve.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "store/SqlTrouble.h"

namespace korvane::station {
namespace {

bool Run(QSqlQuery& q, const QString& statement, std::string* why) {
  if (q.exec(statement)) return true;
  if (why) *why = store::ErrorText(q.lastError());
  return false;
}

// Runs statements in one transaction; nothing of it stays when one fails.
bool Transaction(const QSqlDatabase& db, const std::vector<QString>& statements, std::string* why) {
  QSqlQuery q(db);
  bool ok = Run(q, "BEGIN IMMEDIATE", why);
  for (const QString& s : statements) ok = ok && Run(q, s, why);
  ok = ok && Run(q, "COMMIT", why);
  if (!ok) {
    q.finish();
    QSqlQuery(db).exec("ROLLBACK");
    return false;
  }
  // The filler's pages reach the file now, and the log is free for the next commit.
  QSqlQuery(db).exec("PRAGMA wal_checkpoint(PASSIVE)");
  return true;
}

QString Filler(std::int64_t bytes) { return QString("INSERT INTO reserve (filler) VALUES (zeroblob(%1))").arg(bytes); }

}  // namespace

bool PrepareReserve(const QSqlDatabase& db, std::string* why) {
  QSqlQuery q(db);
  return Run(q, "CREATE TABLE IF NOT EXISTS reserve (id INTEGER PRIMARY KEY, filler BLOB NOT NULL)", why);
}

std::int64_t ReserveSize(const QSqlDatabase& db) {
  QSqlQuery q(db);
  if (!q.exec("SELECT coalesce(sum(length(filler)), 0) FROM reserve") || !q.next()) return -1;
  return q.value(0).toLongLong();
}

bool GrowReserve(const QSqlDatabase& db, std::int64_t bytes, std::string* why) {
  return Transaction(db, {Filler(bytes)}, why);
}

bool RenewReserve(const QSqlDatabase& db, std::string* why) {
  QSqlQuery q(db);
  if (!q.exec("SELECT id, length(filler) FROM reserve ORDER BY id DESC LIMIT 1") || !q.next()) return true;
  const std::int64_t id = q.value(0).toLongLong(), bytes = q.value(1).toLongLong();
  q.finish();
  return Transaction(db, {QString("DELETE FROM reserve WHERE id = %1").arg(id), Filler(bytes)}, why);
}

std::int64_t RoomToGrow(const std::string& path) {
  std::int64_t room = std::numeric_limits<std::int64_t>::max();
  const std::string folder = path.substr(0, path.find_last_of('/') + 1);
  struct statvfs fs {};
  if (::statvfs(folder.empty() ? "." : folder.c_str(), &fs) == 0)
    room = static_cast<std::int64_t>(fs.f_bavail) * static_cast<std::int64_t>(fs.f_frsize);
  rlimit limit{};
  struct stat st {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && ::stat(path.c_str(), &st) == 0)
    room = std::min(room, static_cast<std::int64_t>(limit.rlim_cur) - static_cast<std::int64_t>(st.st_size));
  return room;
}

std::int64_t ReleaseReserve(const QSqlDatabase& db, std::int64_t bytes) {
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.exec("SELECT id, length(filler) FROM reserve ORDER BY id DESC")) return 0;
  std::int64_t freed = 0, downTo = 0;
  while (freed < bytes && q.next()) {
    downTo = q.value(0).toLongLong();
    freed += q.value(1).toLongLong();
  }
  q.finish();
  if (freed == 0) return 0;
  std::string why;
  return Transaction(db, {QString("DELETE FROM reserve WHERE id >= %1").arg(downTo)}, &why) ? freed : 0;
}

}  // namespace korvane::station
