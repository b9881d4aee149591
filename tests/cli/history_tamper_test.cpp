// A history changed behind the programs' backs, on SQLite and on a real PostgreSQL server:
// eight events that korvane-cli saw (its verify remembered their head), then one way of
// tampering each, then `history verify` with its status and words.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "Commands.h"
#include "history/CanonicalJson.h"
#include "history/HistoryStore.h"
#include "support/LocalPostgres.h"

namespace korvane::test {
namespace {

struct Result {
  int status = -1;
  std::string out, err;
};

Result Cli(const QString& settings, const std::string& history, std::vector<std::string> line) {
  cli::CommonOptions o;
  o.settingsFolder = settings.toStdString();
  o.language = Language::kEnglish;
  o.history = history;
  std::ostringstream out, err;
  Result r;
  {
    cli::CliContext ctx(o, out, err);
    const std::string command = line.front();
    line.erase(line.begin());
    r.status = cli::RunCommand(ctx, command, line);
  }
  r.out = out.str();
  r.err = err.str();
  return r;
}

history::Event Sample(int i) {
  history::Event e;
  e.timeMs = 1773050400000LL + i * 60000LL;
  e.address = 5;
  e.type = 1;
  e.kind = "logger-read";
  e.technician = "Anna Berger";
  e.details = QJsonObject{{"records", i}};
  return e;
}

// Where the rows' histories live, and a way in that is not the program's.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::string Fresh(const std::string& name) = 0;  // the --history of a new, empty place
  virtual bool Sql(const QString& statement, std::string* error) = 0;
  virtual std::vector<QString> Unguard() const = 0;  // what drops the store's guards
  virtual std::string Path() const { return {}; }    // SQLite: the file
};

class Sqlite : public Backend {
 public:
  std::string Fresh(const std::string& name) override {
    path_ = dir_.filePath(QString::fromStdString(name) + ".sqlite");
    return path_.toStdString();
  }
  bool Sql(const QString& statement, std::string* error) override {
    bool ok = false;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "behind");
      db.setDatabaseName(path_);
      QSqlQuery q(db);
      ok = db.open() && q.exec(statement);
      *error = q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase("behind");
    return ok;
  }
  std::vector<QString> Unguard() const override {
    return {"DROP TRIGGER events_never_changed", "DROP TRIGGER events_never_removed"};
  }
  std::string Path() const override { return path_.toStdString(); }

 private:
  QTemporaryDir dir_;
  QString path_;
};

class Postgres : public Backend {
 public:
  explicit Postgres(LocalPostgres& server) : server_(server) {}
  std::string Fresh(const std::string& name) override {
    database_ = QString::fromStdString(name).toLower().replace(QRegularExpression("[^a-z0-9]"), "_");
    std::string ignored;
    Run("postgres", "CREATE DATABASE " + database_, &ignored);
    return server_.Url("korvane", database_.toStdString());
  }
  bool Sql(const QString& statement, std::string* error) override { return Run(database_, statement, error); }
  std::vector<QString> Unguard() const override {
    return {"DROP TRIGGER events_kept ON events", "DROP TRIGGER events_not_truncated ON events"};
  }

 private:
  bool Run(const QString& database, const QString& statement, std::string* error) {
    bool ok = false;
    {
      const store::Location l = *store::Location::Parse(server_.Url("korvane", database.toStdString()), nullptr);
      QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "behind");
      db.setHostName(QString::fromStdString(l.host));
      db.setUserName("korvane");
      db.setDatabaseName(database);
      QSqlQuery q(db);
      ok = db.open() && q.exec(statement);
      *error = (db.lastError().isValid() ? db.lastError() : q.lastError()).text().toStdString();
    }
    QSqlDatabase::removeDatabase("behind");
    return ok;
  }
  LocalPostgres& server_;
  QString database_;
};

// Appends events as the program would (the forger uses its code).
void Append(const std::string& history, int from, int to, const char* technician = "Anna Berger") {
  history::HistoryStore store;
  std::string why;
  ASSERT_TRUE(store.Open(*store::Location::Parse(history, nullptr), {}, &why, nullptr)) << why;
  for (int i = from; i <= to; ++i) {
    history::Event e = Sample(i);
    e.technician = technician;
    ASSERT_TRUE(store.Append(e, nullptr, &why, nullptr)) << why;
  }
}

// An event that names event 4 as its predecessor, with a hash that fits it, at place 5.
QString ForgedAtFive(const std::string& history) {
  history::HistoryStore store;
  store::OpenOptions read;
  read.readOnly = true;
  store.Open(*store::Location::Parse(history, nullptr), read, nullptr, nullptr);
  history::Event e = Sample(99);
  e.seq = 5;
  e.technician = "Mallory";
  e.previous = store.Events({}, nullptr).at(3).hash;
  const std::string details = history::CanonicalJson(e.details);
  e.hash = history::TextHash(history::EventText(e, details));
  return QString("INSERT INTO events VALUES (5, %1, '', 5, 1, -1, '', 'Mallory', '', '', 'logger-read', '%2', '%3', '%4')")
      .arg(e.timeMs)
      .arg(QString::fromStdString(details), QString::fromStdString(e.previous), QString::fromStdString(e.hash));
}

struct Row {
  const char* what;
  bool sqlite, postgres;
  // Done behind the program's back; false (with the reason) when a statement was refused.
  std::function<void(Backend&, const std::string& history)> tamper;
  int status;
  std::vector<std::string> said;  // what verify says, each somewhere in its output
  bool withHead = false;          // verified by another program, with the head a report printed
  std::function<void(const std::string& history)> make;  // the eight events; none: appended as usual
};

// Where the sixth commit starts in the write-ahead log that MadeWithLog leaves.
qint64 sixthCommit = 0;

// Eight events as a crash leaves them: committed into the write-ahead log, never copied
// into the file (another connection kept the log from being folded in and removed).
void MadeWithLog(const std::string& history) {
  const QString origin = QString::fromStdString(history) + ".origin";
  QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
  {
    history::HistoryStore store;
    ASSERT_TRUE(store.Open(*store::Location::Parse(origin.toStdString(), nullptr), {}, nullptr, nullptr));
    holder.setDatabaseName(origin);
    ASSERT_TRUE(holder.open());
    ASSERT_TRUE(QSqlQuery(holder).exec("SELECT count(*) FROM events"));
    for (int i = 1; i <= 8; ++i) {
      if (i == 6) sixthCommit = QFileInfo(origin + "-wal").size();
      ASSERT_TRUE(store.Append(Sample(i), nullptr, nullptr, nullptr));
    }
    ASSERT_TRUE(QFile::copy(origin, QString::fromStdString(history)));
    ASSERT_TRUE(QFile::copy(origin + "-wal", QString::fromStdString(history) + "-wal"));
  }
  holder.close();
  holder = QSqlDatabase();
  QSqlDatabase::removeDatabase("holder");
}

void Statements(Backend& b, std::vector<QString> sql, bool unguard = true) {
  if (unguard) {
    const std::vector<QString> guards = b.Unguard();
    sql.insert(sql.begin(), guards.begin(), guards.end());
  }
  for (const QString& s : sql) {
    std::string why;
    ASSERT_TRUE(b.Sql(s, &why)) << s.toStdString() << ": " << why;
  }
}

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"untouched", true, true, [](Backend&, const std::string&) {}, 0, {"8 events, chain intact"}},
      {"the last event deleted", true, true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events WHERE seq = 8"}); }, 1,
       {"7 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"the last three deleted", true, true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events WHERE seq >= 6"}); }, 1,
       {"5 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"every event deleted", true, true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events"}); }, 1,
       {"0 events; the history was rolled back or rewritten: it no longer holds event 8 (", "korvane.conf)"}},
      {"the last event deleted, checked with the head of a report", true, true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events WHERE seq = 8"}); }, 1,
       {"7 events; the history was rolled back or rewritten: it does not hold event 8 (", ") given with --head"}, true},
      {"an event changed and the chain hashed anew after it", true, true,
       [](Backend& b, const std::string& history) {
         Statements(b, {"DELETE FROM events WHERE seq >= 5"});
         Append(history, 5, 8, "Mallory");
       },
       1, {"8 events; the history was rolled back or rewritten: its event 8 has the hash "}},
      {"a forged event inserted in the middle", true, true,
       [](Backend& b, const std::string& history) {
         Statements(b, {"UPDATE events SET seq = seq + 1000 WHERE seq >= 5", "UPDATE events SET seq = seq - 999 WHERE seq >= 1000",
                        ForgedAtFive(history)});
       },
       1, {"the chain breaks at event 5 (", "): it does not belong: the chain goes on past it to event 6"}},
      // A writer may append; neither the chain nor a head tells who did. The roles say who may.
      {"a forged event appended with a fitting hash", true, true,
       [](Backend&, const std::string& history) { Append(history, 9, 9, "Mallory"); }, 0, {"9 events, chain intact"}},
      {"TRUNCATE", false, true,
       [](Backend& b, const std::string&) {
         std::string why;
         EXPECT_FALSE(b.Sql("TRUNCATE events", &why));
         EXPECT_NE(why.find("never changed or removed"), std::string::npos) << why;
       },
       0, {"8 events, chain intact"}},
      {"TRUNCATE with the guards dropped", false, true,
       [](Backend& b, const std::string&) { Statements(b, {"TRUNCATE events"}); }, 1,
       {"0 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"a byte flipped in a left-over write-ahead log", true, false,
       [](Backend& b, const std::string&) {
         QFile::remove(QString::fromStdString(b.Path()) + "-shm");
         QFile wal(QString::fromStdString(b.Path()) + "-wal");
         ASSERT_TRUE(sixthCommit > 0 && wal.open(QIODevice::ReadWrite));
         wal.seek(sixthCommit + 24 + 100);  // in the page of the sixth commit's first frame
         const char byte = wal.read(1)[0];
         wal.seek(sixthCommit + 24 + 100);
         wal.write(QByteArray(1, static_cast<char>(byte ^ 0x20)));
       },
       1, {"5 events; the history was rolled back or rewritten: it no longer holds event 8 ("}, false, &MadeWithLog},
      {"the file removed", true, false,
       [](Backend& b, const std::string&) { QFile::remove(QString::fromStdString(b.Path())); }, 1,
       {"0 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"a damaged index page", true, false,
       [](Backend& b, const std::string&) {
         std::string why;
         QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "pages");
         db.setDatabaseName(QString::fromStdString(b.Path()));
         db.open();
         QSqlQuery q(db);
         q.exec("SELECT rootpage FROM sqlite_master WHERE name = 'events_by_time'");
         q.next();
         const qint64 page = q.value(0).toLongLong();
         q = QSqlQuery();
         db.close();
         db = QSqlDatabase();
         QSqlDatabase::removeDatabase("pages");
         QFile f(QString::fromStdString(b.Path()));
         ASSERT_TRUE(page > 1 && f.open(QIODevice::ReadWrite));
         f.seek((page - 1) * 4096 + 8);
         f.write(QByteArray(64, '\x7f'));
       },
       1, {"8 events; the file is damaged (SQLite's check: "}},
  };
  return rows;
}

void RunRows(Backend& backend, bool postgres) {
  QTemporaryDir settings;
  for (const Row& row : Rows()) {
    if (postgres ? !row.postgres : !row.sqlite) continue;
    SCOPED_TRACE(row.what);
    const std::string history = backend.Fresh(row.what);
    if (row.make)
      row.make(history);
    else
      Append(history, 1, 8);
    if (::testing::Test::HasFatalFailure()) return;
    const QString own = settings.filePath(QString::fromStdString(row.what));
    const Result seen = Cli(own, history, {"history", "verify"});
    ASSERT_EQ(seen.status, 0) << seen.out << seen.err;
    const Result head = Cli(own, history, {"history", "head"});
    ASSERT_EQ(head.status, 0) << head.err;
    row.tamper(backend, history);
    if (::testing::Test::HasFatalFailure()) return;
    std::vector<std::string> line{"history", "verify"};
    if (row.withHead) line.insert(line.end(), {"--head", head.out.substr(0, head.out.size() - 1)});
    const Result r = Cli(row.withHead ? settings.filePath("elsewhere") : own, history, line);
    EXPECT_EQ(r.status, row.status) << r.out << r.err;
    for (const std::string& said : row.said) EXPECT_NE(r.out.find(said), std::string::npos) << said << "\n" << r.out;
  }
}

TEST(HistoryTampered, OnSqlite) {
  Sqlite backend;
  RunRows(backend, false);
}

TEST(HistoryTampered, OnPostgres) {
  if (!LocalPostgres::Available()) GTEST_SKIP() << "PostgreSQL's server programs are not installed";
  QTemporaryDir dir;
  LocalPostgres server(dir.path());
  std::string why;
  ASSERT_TRUE(server.Start(&why)) << why;
  Postgres backend(server);
  RunRows(backend, true);
}

}  // namespace
}  // namespace korvane::test
