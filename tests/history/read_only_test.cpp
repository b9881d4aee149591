// A history on read-only media (or another user's) is read and verified, a write-ahead
// log left beside it included, and nothing is left behind; a writer is refused with its
// reason instead of finding a database it cannot write.
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

// Unwritable for this user: immutable for root (whom permissions do not stop), else
// without write permission.
bool Unwritable(const QString& path, bool on) {
  const QByteArray p = path.toLocal8Bit();
  if (::geteuid() != 0) return ::chmod(p.constData(), on ? 0555 : 0755) == 0;
  const int fd = ::open(p.constData(), O_RDONLY | O_CLOEXEC);
  int flags = 0;
  bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  if (fd >= 0) ::close(fd);
  return done;
}

TEST(ReadOnlyHistory, IsReadAndVerifiedAndLeftAsItWas) {
  for (const bool leftOverLog : {false, true}) {
    SCOPED_TRACE(leftOverLog ? "with a left-over write-ahead log" : "closed");
    QTemporaryDir dir;
    const QString media = dir.filePath("media"), file = media + "/h.sqlite";
    QDir().mkpath(media);
    store::Location location;
    location.path = file.toStdString();
    {
      // Another connection keeps the log from being folded into the file; the copies are
      // what a crash leaves.
      QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
      HistoryStore store;
      ASSERT_TRUE(store.Open(location, {}, nullptr, nullptr));
      holder.setDatabaseName(file);
      ASSERT_TRUE(holder.open() && QSqlQuery(holder).exec("SELECT count(*) FROM events"));
      Event e;
      e.kind = "logger-read";
      for (int i = 1; i <= 6; ++i) ASSERT_TRUE(store.Append(e, nullptr, nullptr, nullptr));
      QFile::copy(file, dir.filePath("file"));
      QFile::copy(file + "-wal", dir.filePath("wal"));
    }
    QSqlDatabase::removeDatabase("holder");
    if (leftOverLog) {
      QFile::remove(file);
      QFile::copy(dir.filePath("file"), file);
      QFile::copy(dir.filePath("wal"), file + "-wal");
    }
    const QStringList before = QDir(media).entryList(QDir::Files);
    ASSERT_EQ(before.contains("h.sqlite-wal"), leftOverLog);
    if (!Unwritable(file, true) || !Unwritable(media, true)) {
      Unwritable(file, false);
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
    store::OpenFailure failure = store::OpenFailure::kNone;
    EXPECT_FALSE(HistoryStore().Open(location, {}, &why, &failure));
    EXPECT_EQ(failure, store::OpenFailure::kUnreachable);
    EXPECT_EQ(why, "is read-only");
    Unwritable(media, false);
    Unwritable(file, false);
    EXPECT_EQ(QDir(media).entryList(QDir::Files), before) << "nothing left beside it";
  }
}

}  // namespace
}  // namespace korvane::history
