// A history changed behind the programs' backs, on SQLite and on a real PostgreSQL server:
// eight events that korvane-cli saw (its verify remembered their head), one way of
// tampering each, then `history verify` with its status and words.
#include <QFile>
#include <QFileInfo>
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
  std::string out;
};

Result Cli(const QString& settings, const std::string& history, std::vector<std::string> line) {
  cli::CommonOptions o;
  o.settingsFolder = settings.toStdString();
  o.language = Language::kEnglish;
  o.history = history;
  std::ostringstream out, err;
  cli::CliContext ctx(o, out, err);
  const std::string command = line.front();
  line.erase(line.begin());
  const int status = cli::RunCommand(ctx, command, line);
  return {status, out.str() + err.str()};
}

history::Event Sample(int i, const char* technician = "Anna Berger") {
  history::Event e;
  e.timeMs = 1773050400000LL + i * 60000LL;
  e.address = 5;
  e.kind = "logger-read";
  e.technician = technician;
  e.details = QJsonObject{{"records", i}};
  return e;
}

// Appends as the program would (a forger may use its code).
void Append(const std::string& history, int from, int to, const char* technician = "Anna Berger") {
  history::HistoryStore store;
  ASSERT_TRUE(store.Open(*store::Location::Parse(history, nullptr), {}, nullptr, nullptr));
  for (int i = from; i <= to; ++i) ASSERT_TRUE(store.Append(Sample(i, technician), nullptr, nullptr, nullptr));
}

// Where the rows' histories are, and a way in that is not the program's.
struct Backend {
  std::function<std::string(int row)> fresh;  // the --history of a new, empty place
  std::function<bool(const QString&, std::string*)> sql;
  std::vector<QString> unguard;  // drops the store's guards
  std::string path;              // SQLite: the row's file
};

void Statements(Backend& b, std::vector<QString> sql) {
  sql.insert(sql.begin(), b.unguard.begin(), b.unguard.end());
  for (const QString& s : sql) {
    std::string why;
    ASSERT_TRUE(b.sql(s, &why)) << s.toStdString() << ": " << why;
  }
}

// An event at place 5 that names event 4 as its predecessor, with a hash that fits it.
QString ForgedAtFive(const std::string& history) {
  history::HistoryStore store;
  store.Open(*store::Location::Parse(history, nullptr), {}, nullptr, nullptr);
  history::Event e = Sample(99, "Mallory");
  e.seq = 5;
  e.previous = store.Events({}, nullptr).at(3).hash;
  const std::string details = history::CanonicalJson(e.details);
  e.hash = history::TextHash(history::EventText(e, details));
  return QString(
             "INSERT INTO events VALUES (5, %1, '', 5, 0, -1, '', 'Mallory', '', '', 'logger-read', '%2', '%3', '%4')")
      .arg(e.timeMs)
      .arg(QString::fromStdString(details), QString::fromStdString(e.previous), QString::fromStdString(e.hash));
}

// Eight events as a crash leaves them: committed into the write-ahead log, never folded
// into the file (another connection kept them from it). Returns where the sixth begins.
qint64 MadeWithLog(const std::string& history) {
  const QString origin = QString::fromStdString(history) + ".origin";
  qint64 sixth = 0;
  {
    QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
    history::HistoryStore store;
    store.Open(*store::Location::Parse(origin.toStdString(), nullptr), {}, nullptr, nullptr);
    holder.setDatabaseName(origin);
    EXPECT_TRUE(holder.open() && QSqlQuery(holder).exec("SELECT count(*) FROM events"));
    for (int i = 1; i <= 8; ++i) {
      if (i == 6) sixth = QFileInfo(origin + "-wal").size();
      store.Append(Sample(i), nullptr, nullptr, nullptr);
    }
    QFile::copy(origin, QString::fromStdString(history));
    QFile::copy(origin + "-wal", QString::fromStdString(history) + "-wal");
  }
  QSqlDatabase::removeDatabase("holder");
  return sixth;
}

qint64 sixthCommit = 0;

// Overwrites the root page of a table or an index from byte at on (0: its type, 8: its
// cell pointers).
void DamagePage(const Backend& b, const char* name, int at) {
  qint64 page = 0;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "pages");
    db.setDatabaseName(QString::fromStdString(b.path));
    QSqlQuery q(db);
    if (db.open() && q.exec(QString("SELECT rootpage FROM sqlite_master WHERE name = '%1'").arg(name)) && q.next())
      page = q.value(0).toLongLong();
  }
  QSqlDatabase::removeDatabase("pages");
  QFile f(QString::fromStdString(b.path));
  ASSERT_TRUE(page > 1 && f.open(QIODevice::ReadWrite));
  f.seek((page - 1) * 4096 + at);
  f.write(QByteArray(64, '\x7f'));
}

struct Row {
  const char* what;
  bool sqlite, postgres;
  std::function<void(Backend&, const std::string& history)> tamper;
  int status;
  std::vector<std::string> said;  // each somewhere in what verify prints
  bool withHead = false;          // verified by another program, with the head a report printed
};

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      {"untouched", true, true, [](Backend&, const std::string&) {}, 0, {"8 events, chain intact"}},
      {"the last event deleted",
       true,
       true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events WHERE seq = 8"}); },
       1,
       {"7 events; the history was rolled back or rewritten: it no longer holds event 8 (", "korvane.conf)"}},
      {"the last three deleted",
       true,
       true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events WHERE seq >= 6"}); },
       1,
       {"5 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"every event deleted",
       true,
       true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events"}); },
       1,
       {"0 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"the last event deleted, checked with the head of a report",
       true,
       true,
       [](Backend& b, const std::string&) { Statements(b, {"DELETE FROM events WHERE seq = 8"}); },
       1,
       {"7 events; the history was rolled back or rewritten: it does not hold event 8 (", ") given with --head"},
       true},
      {"an event changed and the chain hashed anew after it",
       true,
       true,
       [](Backend& b, const std::string& history) {
         Statements(b, {"DELETE FROM events WHERE seq >= 5"});
         Append(history, 5, 8, "Mallory");
       },
       1,
       {"8 events; the history was rolled back or rewritten: its event 8 has the hash "}},
      {"a forged event put in the middle",
       true,
       true,
       [](Backend& b, const std::string& history) {
         Statements(b, {"UPDATE events SET seq = seq + 1000 WHERE seq >= 5",
                        "UPDATE events SET seq = seq - 999 WHERE seq >= 1000", ForgedAtFive(history)});
       },
       1,
       {"the chain breaks at event 5 (", "): it does not belong: the chain goes on past it to event 6"}},
      // A writer may append, and neither the chain nor a head tells who did: the roles say who may.
      {"a forged event appended with a fitting hash",
       true,
       true,
       [](Backend&, const std::string& history) { Append(history, 9, 9, "Mallory"); },
       0,
       {"9 events, chain intact"}},
      {"TRUNCATE",
       false,
       true,
       [](Backend& b, const std::string&) {
         std::string why;
         EXPECT_FALSE(b.sql("TRUNCATE events", &why));
         EXPECT_NE(why.find("never changed or removed"), std::string::npos) << why;
       },
       0,
       {"8 events, chain intact"}},
      {"TRUNCATE with the guards dropped",
       false,
       true,
       [](Backend& b, const std::string&) { Statements(b, {"TRUNCATE events"}); },
       1,
       {"0 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"a byte flipped in a left-over write-ahead log",
       true,
       false,
       [](Backend& b, const std::string&) {
         QFile::remove(QString::fromStdString(b.path) + "-shm");
         QFile wal(QString::fromStdString(b.path) + "-wal");
         ASSERT_TRUE(sixthCommit > 0 && wal.open(QIODevice::ReadWrite));
         wal.seek(sixthCommit + 24 + 100);  // in the page of the sixth commit's first frame
         const char byte = wal.peek(1)[0];
         wal.write(QByteArray(1, static_cast<char>(byte ^ 0x20)));
       },
       1,
       {"5 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"the file removed",
       true,
       false,
       [](Backend& b, const std::string&) { QFile::remove(QString::fromStdString(b.path)); },
       1,
       {"0 events; the history was rolled back or rewritten: it no longer holds event 8 ("}},
      {"a damaged index page",
       true,
       false,
       [](Backend& b, const std::string&) { DamagePage(b, "events_by_time", 8); },
       1,
       {"8 events; the file is damaged (SQLite's check: "}},
      // The head this program saw cannot even be looked for: the damage is the answer.
      {"a damaged table page",
       true,
       false,
       [](Backend& b, const std::string&) { DamagePage(b, "events", 0); },
       1,
       {"the file is damaged (SQLite's check: "}},
  };
  return rows;
}

void RunRows(Backend& backend, bool postgres) {
  QTemporaryDir settings;
  for (std::size_t n = 0; n < Rows().size(); ++n) {
    const Row& row = Rows()[n];
    if (postgres ? !row.postgres : !row.sqlite) continue;
    SCOPED_TRACE(row.what);
    const std::string history = backend.fresh(static_cast<int>(n));
    if (std::string(row.what).find("write-ahead") != std::string::npos)
      sixthCommit = MadeWithLog(history);
    else
      Append(history, 1, 8);
    const QString own = settings.filePath(QString::number(n));
    ASSERT_EQ(Cli(own, history, {"history", "verify"}).status, 0);
    const std::string head = Cli(own, history, {"history", "head"}).out;
    row.tamper(backend, history);
    if (::testing::Test::HasFatalFailure()) return;
    std::vector<std::string> line{"history", "verify"};
    if (row.withHead) line.insert(line.end(), {"--head", head.substr(0, head.size() - 1)});
    const Result r = Cli(row.withHead ? settings.filePath("elsewhere") : own, history, line);
    EXPECT_EQ(r.status, row.status) << r.out;
    for (const std::string& said : row.said) EXPECT_NE(r.out.find(said), std::string::npos) << said << "\n" << r.out;
  }
}

TEST(HistoryTampered, OnSqlite) {
  QTemporaryDir dir;
  Backend b;
  b.fresh = [&](int row) { return b.path = dir.filePath(QString("%1.sqlite").arg(row)).toStdString(); };
  b.sql = [&](const QString& statement, std::string* why) {
    bool ok = false;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "behind");
      db.setDatabaseName(QString::fromStdString(b.path));
      QSqlQuery q(db);
      ok = db.open() && q.exec(statement);
      *why = q.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase("behind");
    return ok;
  };
  b.unguard = {"DROP TRIGGER events_never_changed", "DROP TRIGGER events_never_removed"};
  RunRows(b, false);
}

TEST(HistoryTampered, OnPostgres) {
  if (!LocalPostgres::Available()) GTEST_SKIP() << "PostgreSQL's server programs are not installed";
  QTemporaryDir dir;
  LocalPostgres server(dir.path());
  std::string why;
  ASSERT_TRUE(server.Start(&why)) << why;
  Backend b;
  QString database;
  b.fresh = [&](int row) {
    database = QString("row%1").arg(row);
    server.Sql("postgres", "CREATE DATABASE " + database);
    return server.Url("korvane", database.toStdString());
  };
  b.sql = [&](const QString& statement, std::string* error) { return server.Sql(database, statement, error); };
  b.unguard = {"DROP TRIGGER events_kept ON events", "DROP TRIGGER events_not_truncated ON events"};
  RunRows(b, true);
}

}  // namespace
}  // namespace korvane::test
