#include "store/Database.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace korvane::store {
namespace {

const std::vector<Migration> kTwoSteps = {
    {1, {"CREATE TABLE t (a INTEGER)"}, {}},
    {2, {"ALTER TABLE t ADD COLUMN b TEXT"}, {}},
};

struct LocationCase {
  const char* name;
  bool ok;
  Location::Backend backend;
  const char* host;
  int port;
  const char* user;
  const char* database;
};

TEST(StoreLocation, ParsesFilesAndPostgresUrls) {
  const LocationCase cases[] = {
      {"/var/lib/k/history.sqlite", true, Location::Backend::kSqlite, "", 5432, "", ""},
      {"postgresql://anna@db.example:5433/service", true, Location::Backend::kPostgres, "db.example", 5433, "anna",
       "service"},
      {"postgres://db/service", true, Location::Backend::kPostgres, "db", 5432, "", "service"},
      {"postgresql://k@%2Ftmp%2Fpg:6000/h", true, Location::Backend::kPostgres, "/tmp/pg", 6000, "k", "h"},
      {"postgresql://anna:secret@db/service", false, {}, "", 0, "", ""},
      {"postgresql://db:0/service", false, {}, "", 0, "", ""},
      {"postgresql://db:70000/service", false, {}, "", 0, "", ""},
      {"postgresql://db/", false, {}, "", 0, "", ""},
      {"postgresql://db", false, {}, "", 0, "", ""},
      {"", false, {}, "", 0, "", ""},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto l = Location::Parse(c.name, &error);
    ASSERT_EQ(l.has_value(), c.ok) << c.name << ": " << error;
    if (!l) {
      EXPECT_FALSE(error.empty()) << c.name;
      EXPECT_EQ(error.find("secret"), std::string::npos) << "a password never reaches a message";
      continue;
    }
    EXPECT_EQ(l->backend, c.backend) << c.name;
    if (c.backend == Location::Backend::kSqlite) {
      EXPECT_EQ(l->path, c.name);
      continue;
    }
    EXPECT_EQ(l->host, c.host) << c.name;
    EXPECT_EQ(l->port, c.port) << c.name;
    EXPECT_EQ(l->user, c.user) << c.name;
    EXPECT_EQ(l->database, c.database) << c.name;
  }
}

Location File(const QString& path) {
  Location l;
  l.path = path.toStdString();
  return l;
}

TEST(StoreDatabase, MigratesStepByStepAndKeepsWhatIsThere) {
  QTemporaryDir dir;
  const QString path = dir.filePath("s.sqlite");
  {
    Database db;
    std::string error;
    ASSERT_TRUE(db.Open(File(path), {kTwoSteps[0]}, {}, &error, nullptr)) << error;
    EXPECT_EQ(db.schemaVersion(), 1);
    QSqlQuery q(db.handle());
    ASSERT_TRUE(q.exec("INSERT INTO t (a) VALUES (7)"));
  }
  Database db;
  std::string error;
  ASSERT_TRUE(db.Open(File(path), kTwoSteps, {}, &error, nullptr)) << error;
  EXPECT_EQ(db.schemaVersion(), 2);
  QSqlQuery q(db.handle());
  ASSERT_TRUE(q.exec("SELECT a, b FROM t"));
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toInt(), 7);
  EXPECT_TRUE(q.value(1).isNull());
  q.exec("PRAGMA journal_mode");
  q.next();
  EXPECT_EQ(q.value(0).toString(), "wal");
  EXPECT_EQ(db.IntegrityCheck(), "ok");
}

TEST(StoreDatabase, RefusesWhatItCannotUseAndChangesNothing) {
  QTemporaryDir dir;
  struct Case {
    const char* what;
    std::function<QString()> make;
    OpenFailure failure;
  };
  const std::vector<Case> cases = {
      {"text file",
       [&] {
         QFile f(dir.filePath("text"));
         f.open(QIODevice::WriteOnly);
         f.write(QByteArray(4096, 'x'));
         return f.fileName();
       },
       OpenFailure::kNotDatabase},
      {"newer schema",
       [&] {
         const QString p = dir.filePath("newer");
         Database db;
         db.Open(File(p), {kTwoSteps[0], kTwoSteps[1], {3, {"CREATE TABLE u (a)"}, {}}}, {}, nullptr, nullptr);
         return p;
       },
       OpenFailure::kNewerSchema},
      {"fifo",
       [&] {
         const QString p = dir.filePath("fifo");
         ::mkfifo(p.toLocal8Bit().constData(), 0600);
         return p;
       },
       OpenFailure::kUnreachable},
      {"folder", [&] { return dir.path(); }, OpenFailure::kUnreachable},
      {"missing folder", [&] { return dir.filePath("no/such/folder/s.sqlite"); }, OpenFailure::kUnreachable},
  };
  for (const auto& c : cases) {
    const QString path = c.make();
    const QFileInfo before(path);
    const QByteArray bytes = before.isFile() ? [&] {
      QFile f(path);
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }()
                                             : QByteArray();
    Database db;
    std::string error;
    OpenFailure failure = OpenFailure::kNone;
    EXPECT_FALSE(db.Open(File(path), kTwoSteps, {}, &error, &failure)) << c.what;
    EXPECT_EQ(failure, c.failure) << c.what << ": " << error;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_FALSE(db.isOpen()) << c.what;
    if (before.isFile()) {
      QFile f(path);
      f.open(QIODevice::ReadOnly);
      EXPECT_EQ(f.readAll(), bytes) << c.what << " is left as it was";
    }
  }
}

}  // namespace
}  // namespace korvane::store
