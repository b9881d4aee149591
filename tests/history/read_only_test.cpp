// A history on read-only media (or another user's, which this user cannot write) is read
// and verified, a write-ahead log left beside it included, and nothing is left behind;
// a writer is refused with its reason instead of finding a database it cannot write.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "history/HistoryStore.h"

namespace korvane::history {
namespace {

// Makes a file or folder unwritable for this user: immutable for root (whom permissions
// do not stop), without write permission for anyone else.
bool Unwritable(const QString& path, bool on) {
  const QByteArray p = path.toLocal8Bit();
  if (::geteuid() != 0) {
    struct stat st {};
    ::stat(p.constData(), &st);
    const mode_t mode = S_ISDIR(st.st_mode) ? (on ? 0555 : 0755) : (on ? 0444 : 0644);
    return ::chmod(p.constData(), mode) == 0;
  }
  const int fd = ::open(p.constData(), O_RDONLY | O_CLOEXEC);
  int flags = 0;
  const bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                    (flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL, true) &&
                    ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  if (fd >= 0) ::close(fd);
  return done;
}

Event Sample(int i) {
  Event e;
  e.timeMs = 1000 + i;
  e.kind = "logger-read";
  e.details = QJsonObject{{"records", i}};
  return e;
}

TEST(ReadOnlyHistory, IsReadAndVerifiedAndLeftAsItWas) {
  const struct {
    const char* what;
    bool leftOverLog;
  } rows[] = {{"a closed history", false}, {"a history with a left-over write-ahead log", true}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    QTemporaryDir dir;
    const QString media = dir.filePath("media");
    QDir().mkpath(media);
    store::Location location;
    location.path = QDir(media).filePath("h.sqlite").toStdString();
    {
      HistoryStore store;
      ASSERT_TRUE(store.Open(location, {}, nullptr, nullptr));
      // Another connection keeps the log from being folded into the file at the end.
      QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
      if (r.leftOverLog) {
        holder.setDatabaseName(QString::fromStdString(location.path));
        ASSERT_TRUE(holder.open());
        ASSERT_TRUE(QSqlQuery(holder).exec("SELECT count(*) FROM events"));
      }
      for (int i = 1; i <= 6; ++i) ASSERT_TRUE(store.Append(Sample(i), nullptr, nullptr, nullptr));
      store.Close();
      if (r.leftOverLog) {
        // The crash: file and log stay as they are, the shared memory goes with the machine.
        const QString file = QString::fromStdString(location.path);
        QFile::copy(file, dir.filePath("file"));
        QFile::copy(file + "-wal", dir.filePath("wal"));
        holder.close();
        QFile::remove(file);
        QFile::copy(dir.filePath("file"), file);
        QFile::copy(dir.filePath("wal"), file + "-wal");
      }
      holder = QSqlDatabase();
      QSqlDatabase::removeDatabase("holder");
    }
    QFile::remove(QString::fromStdString(location.path) + "-shm");
    const QStringList before = QDir(media).entryList(QDir::Files);
    ASSERT_EQ(before.contains("h.sqlite-wal"), r.leftOverLog);
    if (!Unwritable(QString::fromStdString(location.path), true) || !Unwritable(media, true)) {
      Unwritable(QString::fromStdString(location.path), false);
      GTEST_SKIP() << "this file system cannot make a file read-only for this user";
    }

    HistoryStore reader;
    store::OpenOptions read;
    read.readOnly = true;
    std::string why;
    EXPECT_TRUE(reader.Open(location, read, &why, nullptr)) << why;
    Verification v;
    EXPECT_TRUE(reader.Verify(&v, &why)) << why;
    EXPECT_EQ(v.events, 6);
    EXPECT_TRUE(v.intact()) << v.damage;
    reader.Close();

    HistoryStore writer;
    store::OpenFailure failure = store::OpenFailure::kNone;
    EXPECT_FALSE(writer.Open(location, {}, &why, &failure));
    EXPECT_EQ(failure, store::OpenFailure::kUnreachable);
    EXPECT_EQ(why, "is read-only");

    Unwritable(media, false);
    Unwritable(QString::fromStdString(location.path), false);
    EXPECT_EQ(QDir(media).entryList(QDir::Files), before) << "nothing left beside it";
  }
}

}  // namespace
}  // namespace korvane::history
