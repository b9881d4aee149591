#include "history/HistoryStore.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include "history/CanonicalJson.h"
#include "store/SqlTrouble.h"

namespace korvane::history {
namespace {

using store::Location;
using store::OpenFailure;

// The advisory lock PostgreSQL appends take (any role may take one).
constexpr qlonglong kAppendLock = 0x6b6f7276616e65;  // "korvane"

const char* const kColumns =
    "seq, time_ms, identity, address, type, device_kind, firmware, technician, host, program, kind, details, "
    "previous, hash";

// Events are only ever added: the store refuses to change or remove one, so no program
// does it by mistake (someone who drops the guard is what the chain is for).
const char* const kSqliteEvents =
    "CREATE TABLE events ("
    "seq INTEGER PRIMARY KEY, time_ms INTEGER NOT NULL, identity TEXT NOT NULL, address INTEGER NOT NULL, "
    "type INTEGER NOT NULL, device_kind INTEGER NOT NULL, firmware TEXT NOT NULL, technician TEXT NOT NULL, "
    "host TEXT NOT NULL, program TEXT NOT NULL, kind TEXT NOT NULL, details TEXT NOT NULL, "
    "previous TEXT NOT NULL, hash TEXT NOT NULL)";
const char* const kPostgresEvents =
    "CREATE TABLE events ("
    "seq bigint PRIMARY KEY, time_ms bigint NOT NULL, identity text NOT NULL, address integer NOT NULL, "
    "type integer NOT NULL, device_kind integer NOT NULL, firmware text NOT NULL, technician text NOT NULL, "
    "host text NOT NULL, program text NOT NULL, kind text NOT NULL, details text NOT NULL, "
    "previous text NOT NULL, hash text NOT NULL)";
const char* const kIndexes[] = {
    "CREATE INDEX events_by_identity ON events (identity, seq)",
    "CREATE INDEX events_by_address ON events (address, seq)",
    "CREATE INDEX events_by_kind ON events (kind, identity, seq)",
    "CREATE INDEX events_by_time ON events (time_ms)",
};

std::vector<QString> Statements(const char* table, std::vector<QString> guards) {
  std::vector<QString> s{QString::fromLatin1(table)};
  for (const char* i : kIndexes) s.push_back(QString::fromLatin1(i));
  for (QString& g : guards) s.push_back(std::move(g));
  return s;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// What is hashed is what the store gives back: valid UTF-8 without NUL (PostgreSQL's
// text holds none).
std::string Clean(const std::string& s) {
  QString q = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  q.remove(QChar(0));
  return q.toStdString();
}

// detailsText: the details as stored, instead of parsed into the event.
Event FromRow(const QSqlQuery& q, std::string* detailsText) {
  Event e;
  e.seq = q.value(0).toLongLong();
  e.timeMs = q.value(1).toLongLong();
  e.identity = q.value(2).toString().toStdString();
  e.address = q.value(3).toInt();
  e.type = q.value(4).toInt();
  e.deviceKind = q.value(5).toInt();
  e.firmware = q.value(6).toString().toStdString();
  e.technician = q.value(7).toString().toStdString();
  e.host = q.value(8).toString().toStdString();
  e.program = q.value(9).toString().toStdString();
  e.kind = q.value(10).toString().toStdString();
  const QByteArray details = q.value(11).toString().toUtf8();
  if (detailsText)
    *detailsText = details.toStdString();
  else
    e.details = QJsonDocument::fromJson(details).object();
  e.previous = q.value(12).toString().toStdString();
  e.hash = q.value(13).toString().toStdString();
  return e;
}

// The module event that goes before e when the store knows its module otherwise.
std::optional<Event> ModuleEvent(QSqlQuery& q, const Event& e, bool* ok) {
  *ok = true;
  if (e.identity.empty()) return std::nullopt;
  q.prepare("SELECT type, device_kind, firmware FROM events WHERE kind = ? AND identity = ? ORDER BY seq DESC LIMIT 1");
  q.addBindValue(QString::fromLatin1(kModuleKind));
  q.addBindValue(Q(e.identity));
  if (!q.exec()) {
    *ok = false;
    return std::nullopt;
  }
  Event m = e;
  m.kind = kModuleKind;
  m.details = QJsonObject();
  if (q.next()) {
    const int type = q.value(0).toInt(), kind = q.value(1).toInt();
    const std::string firmware = q.value(2).toString().toStdString();
    // Learning what was unknown counts as well as a change.
    const bool changed = (e.type > 0 && e.type != type) || (e.deviceKind >= 0 && e.deviceKind != kind) ||
                         (!e.firmware.empty() && e.firmware != firmware);
    if (!changed) return std::nullopt;
    m.details["previous"] =
        QJsonObject{{"type", type}, {"device_kind", kind}, {"firmware", QString::fromStdString(firmware)}};
    // What this event does not know stays as the store knew it.
    if (m.type <= 0) m.type = type;
    if (m.deviceKind < 0) m.deviceKind = kind;
    if (m.firmware.empty()) m.firmware = firmware;
  }
  return m;
}

}  // namespace

const std::vector<store::Migration>& HistoryMigrations() {
  static const std::vector<store::Migration> steps = {
      {1,
       Statements(kSqliteEvents, {"CREATE TRIGGER events_never_changed BEFORE UPDATE ON events "
                                  "BEGIN SELECT RAISE(ABORT, 'history events are never changed'); END",
                                  "CREATE TRIGGER events_never_removed BEFORE DELETE ON events "
                                  "BEGIN SELECT RAISE(ABORT, 'history events are never removed'); END"}),
       Statements(kPostgresEvents, {"CREATE FUNCTION korvane_events_kept() RETURNS trigger LANGUAGE plpgsql AS "
                                    "$$ BEGIN RAISE EXCEPTION 'history events are never changed or removed'; END $$",
                                    "CREATE TRIGGER events_kept BEFORE UPDATE OR DELETE ON events "
                                    "FOR EACH ROW EXECUTE FUNCTION korvane_events_kept()"})},
      // TRUNCATE passes the row triggers: it is refused as UPDATE and DELETE are, so that
      // emptying the history takes the owner dropping the guard.
      {2,
       {},
       {"CREATE TRIGGER events_not_truncated BEFORE TRUNCATE ON events "
        "FOR EACH STATEMENT EXECUTE FUNCTION korvane_events_kept()"}},
  };
  return steps;
}

bool HistoryStore::Open(const store::Location& location, const store::OpenOptions& options, std::string* error,
                        store::OpenFailure* failure) {
  // Two programs making a new store at once: the one that loses the race (for SQLite's
  // change to write-ahead logging, which waits for no one; for PostgreSQL's schema
  // table) finds the store made when it tries again.
  QElapsedTimer waited;
  waited.start();
  const bool sqlite = location.backend == store::Location::Backend::kSqlite;
  store::OpenOptions o = options;
  for (int attempt = 0;; ++attempt) {
    store::OpenFailure f = store::OpenFailure::kNone;
    std::string why;
    bool open = db_.Open(location, HistoryMigrations(), o, &why, &f);
    if (open && db_.schemaVersion() < 1) {
      // Nothing was made here: a reader, or a role that may not make the schema.
      db_.Close();
      open = false;
      f = store::OpenFailure::kNotDatabase;
      why = "holds no module history";
    }
    if (failure) *failure = f;
    if (error) *error = why;
    if (open) return true;
    // A role that may append but not change the schema works on the schema it finds.
    if (!sqlite && o.upgrade && !o.readOnly && db_.lastError().nativeErrorCode() == QLatin1String("42501")) {
      o.upgrade = false;
      continue;
    }
    // (SQLite answers a change of journal mode it cannot make now with the old mode.)
    const bool race = sqlite ? f == store::OpenFailure::kLocked || f == store::OpenFailure::kFailed
                             : f == store::OpenFailure::kFailed && attempt == 0;
    if (o.readOnly || !race || waited.elapsed() >= options.busyTimeoutMs) return false;
    QThread::msleep(20);
  }
}

bool HistoryStore::Append(const Event& e, std::vector<Event>* appended, std::string* error,
                          store::OpenFailure* failure) {
  if (appended) appended->clear();
  if (!db_.isOpen()) {
    if (error) *error = "the history is not open";
    if (failure) *failure = OpenFailure::kUnreachable;
    return false;
  }
  std::vector<Event> added;
  std::string why;
  if (AppendLocked(e, &added, &why)) {
    if (appended) *appended = std::move(added);
    return true;
  }
  if (error) *error = why;
  if (failure) *failure = Classify();
  return false;
}

store::OpenFailure HistoryStore::Classify() const {
  const OpenFailure f = store::FailureOf(lastError_, db_.backend());
  // A connection that went away is seen by the driver, not by a code.
  if (f == OpenFailure::kFailed && db_.backend() == Location::Backend::kPostgres && !db_.handle().isOpen())
    return OpenFailure::kUnreachable;
  return f;
}

bool HistoryStore::AppendLocked(const Event& e, std::vector<Event>* added, std::string* error) {
  for (int attempt = 0;; ++attempt) {
    if (AppendOnce(e, added, error)) return true;
    // Another program appended beside the lock and took the place: again at the new end.
    if (db_.backend() == Location::Backend::kSqlite || attempt >= 2 ||
        lastError_.nativeErrorCode() != QLatin1String("23505"))
      return false;
  }
}

bool HistoryStore::AppendOnce(const Event& in, std::vector<Event>* added, std::string* error) {
  QSqlQuery q(db_.handle());
  QSqlQuery insert(db_.handle());
  const bool sqlite = db_.backend() == Location::Backend::kSqlite;
  // Rolled back while the queries still stand: PostgreSQL refuses to free a prepared
  // statement inside a failed transaction, and the driver would say so on stderr.
  const auto rollback = [&] { QSqlQuery(db_.handle()).exec("ROLLBACK"); };
  const auto failed = [&](const QSqlQuery& query) {
    *error = store::ErrorText(query.lastError());
    lastError_ = query.lastError();
    rollback();
    return false;
  };
  // The chain's end is read under the write lock: a second writer waits for it. On
  // PostgreSQL that lock is an advisory one, so appending needs no more than SELECT and
  // INSERT; a hung server ends the statement rather than the record waiting forever.
  if (!q.exec(sqlite ? "BEGIN IMMEDIATE" : "BEGIN")) return failed(q);
  if (!sqlite) {
    if (!q.exec(QString("SET LOCAL lock_timeout = %1").arg(lockTimeoutMs_))) return failed(q);
    if (!q.exec(QString("SET LOCAL statement_timeout = %1").arg(kWriteTimeoutMs))) return failed(q);
    if (!q.exec(QString("SELECT pg_advisory_xact_lock(%1)").arg(kAppendLock))) return failed(q);
  }
  if (!q.exec("SELECT seq, hash FROM events ORDER BY seq DESC LIMIT 1")) return failed(q);
  std::int64_t seq = 0;
  std::string previous = kNoPredecessor;
  if (q.next()) {
    seq = q.value(0).toLongLong();
    previous = q.value(1).toString().toStdString();
  }

  Event e = in;
  for (std::string* s : {&e.identity, &e.firmware, &e.technician, &e.host, &e.program, &e.kind}) *s = Clean(*s);
  bool ok = true;
  std::optional<Event> module = ModuleEvent(q, e, &ok);
  if (!ok) return failed(q);
  std::vector<Event> events;
  if (module) events.push_back(std::move(*module));
  events.push_back(std::move(e));

  insert.prepare(QString("INSERT INTO events (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(kColumns));
  for (Event& x : events) {
    x.seq = ++seq;
    x.previous = previous;
    const std::string details = CanonicalJson(x.details);
    x.hash = TextHash(EventText(x, details));
    previous = x.hash;
    for (const QVariant& v :
         {QVariant(static_cast<qlonglong>(x.seq)), QVariant(static_cast<qlonglong>(x.timeMs)), QVariant(Q(x.identity)),
          QVariant(x.address), QVariant(x.type), QVariant(x.deviceKind), QVariant(Q(x.firmware)),
          QVariant(Q(x.technician)), QVariant(Q(x.host)), QVariant(Q(x.program)), QVariant(Q(x.kind)),
          QVariant(Q(details)), QVariant(Q(x.previous)), QVariant(Q(x.hash))})
      insert.addBindValue(v);
    if (!insert.exec()) return failed(insert);
  }
  if (abandoned_ && abandoned_()) {
    *error = "given up: the history did not answer in time";
    lastError_ = QSqlError();
    rollback();
    return false;
  }
  if (!q.exec("COMMIT")) return failed(q);
  *added = std::move(events);
  return true;
}

bool HistoryStore::ForEach(const EventFilter& f, const std::function<bool(const Event&)>& visit, std::string* error) {
  QString sql = QString("SELECT %1 FROM events").arg(kColumns);
  QStringList where;
  QVariantList values;
  if (f.identity) {
    where << "identity = ?";
    values << Q(*f.identity);
  }
  if (f.address) {
    where << "address = ?";
    values << *f.address;
  }
  if (f.kind) {
    where << "kind = ?";
    values << Q(*f.kind);
  }
  if (f.sinceMs) {
    where << "time_ms >= ?";
    values << static_cast<qlonglong>(*f.sinceMs);
  }
  if (f.untilMs) {
    where << "time_ms < ?";
    values << static_cast<qlonglong>(*f.untilMs);
  }
  if (!where.isEmpty()) sql += " WHERE " + where.join(" AND ");
  sql += " ORDER BY seq";
  QSqlQuery q(db_.handle());
  q.setForwardOnly(true);
  if (!q.prepare(sql)) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  for (const QVariant& v : values) q.addBindValue(v);
  if (!q.exec()) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  while (q.next())
    if (!visit(FromRow(q, nullptr))) break;
  if (q.lastError().isValid()) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  return true;
}

std::vector<Event> HistoryStore::Events(const EventFilter& filter, std::string* error) {
  std::vector<Event> events;
  ForEach(
      filter,
      [&](const Event& e) {
        events.push_back(e);
        return true;
      },
      error);
  return events;
}

std::vector<Event> HistoryStore::Calibrations(const std::string& identity, std::int64_t sinceMs, std::string* error) {
  std::vector<Event> events;
  const bool sqlite = db_.backend() == Location::Backend::kSqlite;
  const auto field = [&](const char* key) {
    return sqlite ? QString("json_extract(details, '$.%1')").arg(key) : QString("details::json->>'%1'").arg(key);
  };
  QSqlQuery q(db_.handle());
  q.setForwardOnly(true);
  q.prepare(QString("SELECT time_ms, type, technician, %1, %2, %3, %4 FROM events "
                    "WHERE kind = ? AND identity = ? AND time_ms >= ? ORDER BY seq")
                .arg(field("procedure"), field("outcome"), field("before"), field("after")));
  q.addBindValue(QString::fromLatin1(kCalibrationKind));
  q.addBindValue(Q(identity));
  q.addBindValue(static_cast<qlonglong>(sinceMs));
  if (!q.exec()) {
    if (error) *error = store::ErrorText(q.lastError());
    return events;
  }
  while (q.next()) {
    Event e;
    e.kind = kCalibrationKind;
    e.identity = identity;
    e.timeMs = q.value(0).toLongLong();
    e.type = q.value(1).toInt();
    e.technician = q.value(2).toString().toStdString();
    e.details = QJsonObject{{"procedure", q.value(3).toString()},
                            {"outcome", q.value(4).toString()},
                            {"before", QJsonDocument::fromJson(q.value(5).toString().toUtf8()).array()},
                            {"after", QJsonDocument::fromJson(q.value(6).toString().toUtf8()).array()}};
    events.push_back(std::move(e));
  }
  if (q.lastError().isValid() && error) *error = store::ErrorText(q.lastError());
  return events;
}

bool HistoryStore::Verify(Verification* result, std::string* error) {
  *result = {};
  if (db_.backend() == Location::Backend::kSqlite) {
    // The chain vouches for the rows it can read; SQLite's check for the pages beneath
    // them (a damaged index reads as fewer rows, not as a broken chain).
    if (const std::string check = db_.IntegrityCheck(true); check != "ok") result->damage = check;
  }
  std::string why;
  if (Walk(1, result, &why)) return true;
  // A damaged file may not give its rows at all: its damage is the answer.
  if (!result->damage.empty()) {
    result->damage += "; " + why;
    return true;
  }
  if (error) *error = why;
  return false;
}

bool HistoryStore::VerifyFrom(std::int64_t seq, Verification* result, std::string* error) {
  *result = {};
  return Walk(seq, result, error);
}

bool HistoryStore::Walk(std::int64_t from, Verification* r, std::string* error) {
  const auto failed = [&](const QSqlQuery& q) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  };
  QSqlQuery q(db_.handle());
  q.setForwardOnly(true);
  // What the first walked event must name: the event before it.
  std::string expected = kNoPredecessor;
  if (from > 1) {
    q.prepare("SELECT hash FROM events WHERE seq < ? ORDER BY seq DESC LIMIT 1");
    q.addBindValue(static_cast<qlonglong>(from));
    if (!q.exec()) return failed(q);
    if (q.next()) expected = q.value(0).toString().toStdString();
  }
  q.prepare(QString("SELECT %1 FROM events WHERE seq >= ? ORDER BY seq").arg(kColumns));
  q.addBindValue(static_cast<qlonglong>(from));
  if (!q.exec()) return failed(q);
  std::string details;
  while (q.next()) {
    Event e = FromRow(q, &details);
    if (r->events++ == 0) r->firstSeq = e.seq;
    if (!r->broken) {
      if (TextHash(EventText(e, details)) != e.hash) {
        r->broken = ChainBreak{ChainBreak::Problem::kHashMismatch, e, 0};
      } else if (e.previous != expected) {
        // Told apart once the walk is done: PostgreSQL takes no other query while it
        // hands out the walk's rows.
        r->broken = ChainBreak{ChainBreak::Problem::kMissingPredecessor, std::move(e), 0};
      }
    }
    r->head = {q.value(0).toLongLong(), q.value(13).toString().toStdString()};
    expected = r->head.hash;
  }
  if (q.lastError().isValid()) return failed(q);
  q.finish();
  return !r->broken || r->broken->problem != ChainBreak::Problem::kMissingPredecessor || Classify(&*r->broken, error);
}

bool HistoryStore::Classify(ChainBreak* b, std::string* error) {
  // Where the predecessor it names stands tells what happened; it is looked for once,
  // at the break, so a sound chain costs no index of hashes.
  QSqlQuery q(db_.handle());
  q.prepare("SELECT seq FROM events WHERE hash = ? ORDER BY seq LIMIT 1");
  q.addBindValue(Q(b->event.previous));
  if (!q.exec()) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  if (!q.next()) return true;  // removed, or changed and hashed again
  const std::int64_t at = q.value(0).toLongLong();
  if (at > b->event.seq) {
    b->problem = ChainBreak::Problem::kOutOfOrder;
    b->predecessorSeq = at;
    return true;
  }
  // The chain goes on from `at` to this event: what stands between does not belong.
  q.prepare(QString("SELECT %1 FROM events WHERE seq > ? AND seq < ? ORDER BY seq LIMIT 1").arg(kColumns));
  q.addBindValue(static_cast<qlonglong>(at));
  q.addBindValue(static_cast<qlonglong>(b->event.seq));
  if (!q.exec()) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  if (!q.next()) return true;
  std::string ignored;
  b->predecessorSeq = b->event.seq;
  b->event = FromRow(q, &ignored);
  b->problem = ChainBreak::Problem::kInserted;
  return true;
}

bool HistoryStore::ReadHead(Head* head, std::string* error) {
  *head = {};
  QSqlQuery q(db_.handle());
  if (!q.exec("SELECT seq, hash FROM events ORDER BY seq DESC LIMIT 1")) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  if (q.next()) *head = {q.value(0).toLongLong(), q.value(1).toString().toStdString()};
  return true;
}

bool HistoryStore::HashAt(std::int64_t seq, std::optional<std::string>* hash, std::string* error) {
  hash->reset();
  QSqlQuery q(db_.handle());
  q.prepare("SELECT hash FROM events WHERE seq = ?");
  q.addBindValue(static_cast<qlonglong>(seq));
  if (!q.exec()) {
    if (error) *error = store::ErrorText(q.lastError());
    return false;
  }
  if (q.next()) *hash = q.value(0).toString().toStdString();
  return true;
}

std::vector<KnownModule> HistoryStore::Modules(std::string* error) {
  std::vector<KnownModule> modules;
  QSqlQuery q(db_.handle());
  // The last event of each module says where it was seen; its last module event what it is.
  const char* sql =
      "SELECT e.identity, e.address, e.time_ms, m.type, m.device_kind, m.firmware, "
      // Only a saved calibration renews the sensor's; the details are canonical JSON.
      "(SELECT max(c.time_ms) FROM events c WHERE c.kind = 'calibration' AND c.identity = e.identity), "
      "(SELECT max(c.time_ms) FROM events c WHERE c.kind = 'calibration' AND c.identity = e.identity "
      "AND c.details LIKE '%\"outcome\":\"saved\"%') "
      "FROM events e "
      "JOIN (SELECT identity, max(seq) AS last FROM events WHERE identity <> '' GROUP BY identity) l ON e.seq = l.last "
      "LEFT JOIN events m ON m.seq = (SELECT max(seq) FROM events x WHERE x.kind = 'module' AND x.identity = "
      "e.identity) "
      "ORDER BY e.identity";
  if (!q.exec(sql)) {
    if (error) *error = store::ErrorText(q.lastError());
    return modules;
  }
  while (q.next()) {
    KnownModule k;
    k.identity = q.value(0).toString().toStdString();
    k.address = q.value(1).toInt();
    k.lastSeenMs = q.value(2).toLongLong();
    k.type = q.value(3).isNull() ? 0 : q.value(3).toInt();
    k.deviceKind = q.value(4).isNull() ? -1 : q.value(4).toInt();
    k.firmware = q.value(5).toString().toStdString();
    k.lastCalibrationMs = q.value(6).isNull() ? 0 : q.value(6).toLongLong();
    k.lastSavedCalibrationMs = q.value(7).isNull() ? 0 : q.value(7).toLongLong();
    modules.push_back(std::move(k));
  }
  return modules;
}

}  // namespace korvane::history
