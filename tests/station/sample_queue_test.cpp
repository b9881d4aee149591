// The station's queue: what it holds after a stop, a kill -9, damage, a full disk and
// its bound; what an earlier version left; and one station per folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include "station/log/StationLog.h"
#include "station/queue/SampleQueue.h"
#include "support/FileSizeLimit.h"

namespace korvane::station {
namespace {

using namespace std::chrono_literals;

// About 300 bytes that do not compress to nothing.
std::string Json(int n) {
  std::string pad;
  for (unsigned x = static_cast<unsigned>(n) * 2654435761u + 1; pad.size() < 240; x = x * 1103515245u + 12345u)
    pad += "0123456789abcdef"[(x >> 16) & 15];
  return "{\"time\":\"2026-01-01T00:00:00.000Z\",\"n\":" + std::to_string(n) + ",\"pad\":\"" + pad + "\"}";
}

int NumberOf(const std::string& json) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object()["n"].toInt(-1);
}

std::vector<int> ReadAll(SampleQueue& q) {
  std::vector<int> ns;
  while (auto s = q.Next()) {
    EXPECT_EQ(s->json, Json(NumberOf(s->json)));
    EXPECT_EQ(s->address, NumberOf(s->json) % 7);
    ns.push_back(NumberOf(s->json));
  }
  return ns;
}

std::vector<int> Range(int first, int end, std::vector<int> without = {}) {
  std::vector<int> v;
  for (int n = first; n < end; ++n)
    if (std::find(without.begin(), without.end(), n) == without.end()) v.push_back(n);
  return v;
}

void Append(SampleQueue& q, int from, int to) {
  for (int n = from; n < to; ++n) q.Append(1767225600000LL + n, static_cast<std::uint8_t>(n % 7), Json(n));
}

// The first count samples are acknowledged, as the broker would.
void Acknowledge(SampleQueue& q, int count) {
  q.Rewind();
  for (int i = 0; i < count; ++i) q.Next();
  q.Release(q.Next()->seq);
}

// Runs statements on the queue's file as another program would.
void OnFile(const QString& file, const QStringList& statements) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "damage");
    db.setDatabaseName(file);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    for (const QString& s : statements) ASSERT_TRUE(q.exec(s)) << s.toStdString();
  }
  QSqlDatabase::removeDatabase("damage");
}

void Overwrite(const QString& file, qint64 at, const QByteArray& bytes) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.seek(at));
  f.write(bytes);
}

// A record of the earlier version's segment files.
std::string EarlierRecord(std::uint64_t seq, int n) {
  const std::string payload = static_cast<char>(n % 7) + Json(n);
  std::string seqBytes, record;
  for (int i = 0; i < 8; ++i) seqBytes += static_cast<char>((seq >> (8 * i)) & 0xff);
  uLong crc = crc32(crc32(0L, reinterpret_cast<const Bytef*>(seqBytes.data()), 8),
                    reinterpret_cast<const Bytef*>(payload.data()), static_cast<uInt>(payload.size()));
  for (const std::uint64_t v : {static_cast<std::uint64_t>(payload.size()), static_cast<std::uint64_t>(crc)})
    for (int i = 0; i < 4; ++i) record += static_cast<char>((v >> (8 * i)) & 0xff);
  return record + seqBytes + payload;
}

struct QueueRow {
  const char* name;
  QueueLimits limits;
  std::function<void(SampleQueue&)> run;       // before the stop
  bool killed;                                 // run in a child that dies by SIGKILL
  std::function<void(const QString&)> damage;  // to the folder after the stop
  std::vector<int> expected;                   // read after reopening
  int maxLost;                                 // > 0: expected less up to this many, as the log says
  const char* logged;                          // part of the log of both runs
};

TEST(SampleQueue, KeepsTheUnacknowledgedInOrderThroughStopsKillsDamageAndAFullDisk) {
  QueueLimits roomy;
  roomy.reserveBytes = 256 << 10;
  roomy.reserveStep = 64 << 10;
  const QueueLimits tight{64 << 10, 8 << 20, 8 << 10, 0};
  const QueueRow rows[] = {
      {"clean stop: the acknowledged go", roomy,
       [](SampleQueue& q) {
         Append(q, 0, 10);
         Acknowledge(q, 4);
       },
       false, nullptr, Range(4, 10), 0, "6 samples from before wait"},
      {"kill -9: what was synced stays", roomy,
       [](SampleQueue& q) {
         Append(q, 0, 50);
         Acknowledge(q, 20);
         q.Sync();
         Append(q, 50, 53);  // within the last second: may be lost
       },
       true, nullptr, Range(20, 50), 0, ""},
      {"bound: the oldest go", tight,
       [](SampleQueue& q) {
         for (int n = 0; n < 1000; n += 50) {
           Append(q, n, n + 50);
           q.Sync();
         }
       },
       false, nullptr, Range(0, 1000), 999, "dropped the"},
      {"a damaged sample is never sent, the others are", roomy, [](SampleQueue& q) { Append(q, 0, 10); }, false,
       [](const QString& folder) {
         OnFile(folder + "/queue.db", {"UPDATE samples SET payload = (SELECT payload FROM samples WHERE seq = 7) "
                                       "WHERE seq = 6"});
       },
       Range(0, 10, {5}), 0, "1 damaged samples are lost"},
      {"a damaged page costs only its samples", roomy, [](SampleQueue& q) { Append(q, 0, 3000); }, false,
       [](const QString& folder) {
         const QString file = folder + "/queue.db";
         Overwrite(file, QFileInfo(file).size() / 4096 / 2 * 4096, QByteArray(16, '\xff'));
       },
       Range(0, 3000), 60, "is damaged"},
      {"no database at all: moved aside, a fresh queue with the rows its pages hold", roomy,
       [](SampleQueue& q) { Append(q, 0, 10); }, false,
       [](const QString& folder) { Overwrite(folder + "/queue.db", 0, QByteArray(4096, 'x')); }, Range(0, 10), 0,
       "10 were read from its pages and are sent, 0 are lost"},
      {"kill -9 and the mark gone: what the kill cost cannot be told, and the log says so", roomy,
       [](SampleQueue& q) {
         Append(q, 0, 50);
         q.Sync();
         Append(q, 50, 53);
       },
       true, [](const QString& folder) { QFile::remove(folder + "/queue.mark"); }, Range(0, 50), 0,
       "queue.mark is missing or damaged beside an existing queue.db"},
      {"the mark of another queue beside the file: not taken at its word", roomy,
       [](SampleQueue& q) {
         Append(q, 0, 10);
         q.Sync();
       },
       false,
       [](const QString& folder) {
         {
           StationLog quiet(nullptr);
           SampleQueue other(quiet);
           std::string error;
           QueueLimits small;
           small.reserveBytes = 0;
           ASSERT_TRUE(other.Open((folder + "-other").toStdString(), small, &error)) << error;
           Append(other, 0, 50);
           other.Sync();
         }
         QFile::remove(folder + "/queue.mark");
         ASSERT_TRUE(QFile::copy(folder + "-other/queue.mark", folder + "/queue.mark"));
       },
       Range(0, 10), 0, "queue.mark belongs to another queue file than queue.db and is not used"},
      {"an earlier version's queue is sent first, then its files go",
       roomy,
       nullptr,
       false,
       [](const QString& folder) {
         QDir(folder).removeRecursively();
         QDir().mkpath(folder);
         std::string segment;
         for (int n = 0; n < 6; ++n) segment += EarlierRecord(static_cast<std::uint64_t>(n), n);
         segment[segment.size() * 3 / 6 + 40] ^= 0x20;  // in record 3
         QFile f(folder + "/0000000000000000.queue");
         ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         f.write(segment.data(), static_cast<qint64>(segment.size()));
         QFile head(folder + "/head");
         ASSERT_TRUE(head.open(QIODevice::WriteOnly));
         head.write("2\n");
       },
       {2, 4, 5},
       0,
       "took over 3 samples of an earlier version's queue"},
      {"full disk: in memory, in order, then on disk", roomy,
       [](SampleQueue& q) {
         Append(q, 0, 5);
         q.Sync();
         {
           test::FileSizeLimit full(1);
           ASSERT_TRUE(full.ok());
           Append(q, 5, 10);
           EXPECT_FALSE(q.Sync());
           EXPECT_EQ(q.MemorySamples(), 5u);
           EXPECT_EQ(ReadAll(q), Range(0, 10));  // published all the same
           Append(q, 10, 12);
           EXPECT_FALSE(q.Sync());
         }
         Acknowledge(q, 3);
         EXPECT_TRUE(q.Sync());
         EXPECT_EQ(q.MemorySamples(), 0u);
       },
       false, nullptr, Range(3, 12), 0, "takes samples again"},
      {"full disk, then kill -9: the reserve took what came", roomy,
       [](SampleQueue& q) {
         // The reserve's pages are really on disk, not holes that would need room.
         struct stat st {};
         ASSERT_EQ(::stat(q.DatabasePath().c_str(), &st), 0);
         EXPECT_GE(st.st_blocks * 512, st.st_size);
         ASSERT_GE(q.ReserveBytes(), 256 << 10);
         test::FileSizeLimit full(static_cast<rlim_t>(st.st_size));  // the file cannot grow
         ASSERT_TRUE(full.ok());
         for (int n = 0; n < 600; n += 100) {
           Append(q, n, n + 100);
           EXPECT_TRUE(q.Sync());
         }
         EXPECT_EQ(q.MemorySamples(), 0u);
         EXPECT_LT(q.ReserveBytes(), 256 << 10);
       },
       true, nullptr, Range(0, 600), 0, "600 samples from before wait to be sent"},
  };
  for (const QueueRow& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    const QString folder = dir.filePath("q");
    std::vector<std::string> logged;
    StationLog log([&](LogLevel, const std::string& text) { logged.push_back(text); }, LogLevel::kDebug);
    auto run = [&] {
      SampleQueue q(log);
      std::string error;
      if (!q.Open(folder.toStdString(), row.limits, &error)) return false;
      if (row.run) row.run(q);
      if (row.killed) std::raise(SIGKILL);
      return true;
    };
    if (row.killed) {
      const pid_t child = ::fork();
      if (child == 0) {
        run();
        ::_exit(1);  // not reached when the kill came
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    } else {
      ASSERT_TRUE(run());
    }
    if (row.damage) row.damage(folder);

    SampleQueue q(log);
    std::string error;
    ASSERT_TRUE(q.Open(folder.toStdString(), row.limits, &error)) << error;
    const std::vector<int> read = ReadAll(q);
    const std::uint64_t pending = q.Pending();
    std::string all;
    for (const auto& text : logged) all += text + "\n";
    EXPECT_NE(all.find(row.logged), std::string::npos) << all;
    EXPECT_EQ(pending, read.size());
    EXPECT_LE(q.DiskBytes(), row.limits.maxBytes);
    if (row.maxLost == 0) {
      EXPECT_EQ(read, row.expected);
    } else {
      // In order, a part missing, the number said in the log.
      ASSERT_FALSE(read.empty());
      EXPECT_TRUE(std::includes(row.expected.begin(), row.expected.end(), read.begin(), read.end()));
      const auto lost = row.expected.size() - read.size();
      EXPECT_GT(lost, 0u);
      EXPECT_LE(lost, static_cast<std::size_t>(row.maxLost));
      if (row.damage) {
        EXPECT_NE(all.find(" " + std::to_string(lost) + " are lost"), std::string::npos) << all;
      } else {
        EXPECT_EQ(read.back(), row.expected.back());
        std::size_t dropped = 0;
        for (const auto& text : logged)
          if (const auto at = text.find("dropped the "); at != std::string::npos)
            dropped += std::stoul(text.substr(at + 12));
        EXPECT_EQ(dropped, lost);
      }
    }
    // Appending goes on behind the others.
    Append(q, 5000, 5001);
    q.Rewind();
    std::vector<int> again = read;
    again.push_back(5000);
    EXPECT_EQ(ReadAll(q), again);
    EXPECT_TRUE(QDir(folder).entryList({"*.queue", "head"}).isEmpty());
  }
}

// The pages of a queue's file as SQLite lays them out: the page size, the samples
// table's root, and its leaves in key order, each with where its cells start.
struct QueueFile {
  QByteArray bytes;
  int pageSize = 0;
  int root = 0;
  std::vector<int> leaves;

  explicit QueueFile(const QString& path) {
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "layout");
      db.setDatabaseName(path);
      db.setConnectOptions("QSQLITE_OPEN_READONLY");
      if (db.open()) {
        QSqlQuery q(db);
        if (q.exec("SELECT rootpage FROM sqlite_schema WHERE name = 'samples'") && q.next()) root = q.value(0).toInt();
      }
    }
    QSqlDatabase::removeDatabase("layout");
    QFile f(path);
    if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
    pageSize = Be(16, 2) == 1 ? 65536 : static_cast<int>(Be(16, 2));
    if (root > 0) Walk(root);
  }
  std::uint32_t Be(qint64 at, int n) const {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
  }
  qint64 Page(int page) const { return static_cast<qint64>(page - 1) * pageSize; }
  qint64 Header(int page) const { return Page(page) + (page == 1 ? 100 : 0); }
  int Cells(int page) const { return static_cast<int>(Be(Header(page) + 3, 2)); }
  // Where cell i of a page starts.
  qint64 Cell(int page, int i) const {
    const int header = bytes[Header(page)] == 0x0D ? 8 : 12;
    return Page(page) + Be(Header(page) + header + 2 * i, 2);
  }
  void Walk(int page) {
    if (bytes[Header(page)] == 0x0D) return leaves.push_back(page);
    for (int i = 0; i < Cells(page); ++i) Walk(static_cast<int>(Be(Cell(page, i), 4)));
    Walk(static_cast<int>(Be(Header(page) + 8, 4)));
  }
};

// A varint of SQLite's record format at at; its length in *size.
std::int64_t Varint(const QByteArray& b, qint64 at, int* size) {
  std::int64_t v = 0;
  for (int i = 0; i < 9; ++i) {
    const auto c = static_cast<unsigned char>(b[at + i]);
    if (i == 8) {
      *size = 9;
      return v << 8 | c;
    }
    v = v << 7 | (c & 0x7F);
    if (!(c & 0x80)) {
      *size = i + 1;
      return v;
    }
  }
  return v;
}

void Flip(const QString& file, qint64 at, unsigned char mask) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.seek(at));
  char c = 0;
  ASSERT_TRUE(f.getChar(&c));
  ASSERT_TRUE(f.seek(at));
  ASSERT_TRUE(f.putChar(static_cast<char>(c ^ mask)));
}

// The samples the queue's log says are lost ("..., 23 are lost", "1 damaged samples are
// lost").
std::uint64_t LoggedLoss(const std::vector<std::string>& logged) {
  std::uint64_t lost = 0;
  const QRegularExpression said(R"((\d+) (damaged samples )?are lost)");
  for (const std::string& text : logged)
    for (auto m = said.globalMatch(QString::fromStdString(text)); m.hasNext();)
      lost += m.next().captured(1).toULongLong();
  return lost;
}

struct DamageRow {
  const char* name;
  std::chrono::milliseconds checkpointEvery;  // of the run before the damage
  bool killed;
  // Damages the folder's files; the samples it may cost.
  std::function<int(const QString& folder)> damage;
};

constexpr int kDamageSamples = 1200;

TEST(SampleQueue, DamageCostsOnlyTheDamagedSamplesAndIsCounted) {
  // What SQLite cannot reach is read from the pages: one damaged byte costs at most the
  // rows of the one page it is in.
  const DamageRow rows[] = {
      {"the file's header (its first bytes): SQLite cannot open it", 0ms, false,
       [](const QString& folder) {
         Flip(folder + "/queue.db", 3, 0x20);
         return 0;
       }},
      {"page count in the header (byte 31)", 0ms, false,
       [](const QString& folder) {
         Flip(folder + "/queue.db", 31, 0x02);
         return 0;
       }},
      {"a cell pointer of the interior page", 0ms, false,
       [](const QString& folder) {
         const QueueFile f(folder + "/queue.db");
         Flip(folder + "/queue.db", f.Header(f.root) + 12 + 2 * (f.Cells(f.root) / 2) + 1, 0x08);
         return 0;
       }},
      {"a leaf page's header", 0ms, false,
       [](const QString& folder) {
         const QueueFile f(folder + "/queue.db");
         const int leaf = f.leaves[f.leaves.size() / 2];
         Flip(folder + "/queue.db", f.Header(leaf) + 3, 0x01);  // 256 more cells than it has
         return f.Cells(leaf);
       }},
      {"the table's root page, and no mark beside the file", 0ms, false,
       [](const QString& folder) {
         const QueueFile f(folder + "/queue.db");
         QFile::remove(folder + "/queue.mark");
         Flip(folder + "/queue.db", f.Header(f.root), 0x20);  // no page type SQLite knows
         return 0;
       }},
      {"a row's sequence number", 0ms, false,
       [](const QString& folder) {
         const QueueFile f(folder + "/queue.db");
         const qint64 cell = f.Cell(f.leaves[f.leaves.size() / 3], 2);
         int size = 0;
         Varint(f.bytes, cell, &size);
         Flip(folder + "/queue.db", cell + size, 0x10);  // e.g. 266 becomes 2314
         return 0;
       }},
      {"a row's payload", 0ms, false,
       [](const QString& folder) {
         const QueueFile f(folder + "/queue.db");
         const qint64 cell = f.Cell(f.leaves[f.leaves.size() / 2], 1);
         int a = 0, b = 0;
         const std::int64_t payload = Varint(f.bytes, cell, &a);
         Varint(f.bytes, cell + a, &b);
         Flip(folder + "/queue.db", cell + a + b + payload - 12, 0x40);
         return 1;
       }},
      {"a frame of the write-ahead log after a kill -9", 0ms, true,
       [](const QString& folder) {
         Flip(folder + "/queue.db-wal", 32 + 24 + 200, 0x01);
         return 0;  // its commit was checkpointed at once
       }},
      {"a frame of commits the log still held after a kill -9", 1h, true,
       [](const QString& folder) {
         QFile wal(folder + "/queue.db-wal");
         EXPECT_TRUE(wal.open(QIODevice::ReadOnly));
         const QByteArray b = wal.readAll();
         auto be = [&](qint64 at, int n) {
           std::uint32_t v = 0;
           for (int i = 0; i < n; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
           return v;
         };
         const qint64 pageSize = be(8, 4), frame = 24 + pageSize;
         // The first frame after the sixth commit's last one: SQLite replays no frame
         // from it on.
         int commits = 0;
         qint64 at = 32;
         for (; at + frame <= b.size() && commits < 6; at += frame) commits += be(at + 4, 4) != 0;
         EXPECT_EQ(commits, 6);
         Flip(folder + "/queue.db-wal", at + 24 + 3, 0x01);
         return b[at + 24] == 0x0D ? static_cast<int>(be(at + 24 + 3, 2)) : 0;  // the rows of its page
       }},
  };
  for (const DamageRow& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    const QString folder = dir.filePath("q");
    QueueLimits limits;
    limits.reserveBytes = 64 << 10;
    limits.reserveStep = 64 << 10;
    limits.checkpointEvery = row.checkpointEvery;
    auto run = [&] {
      StationLog quiet(nullptr);
      SampleQueue q(quiet);
      std::string error;
      if (!q.Open(folder.toStdString(), limits, &error)) return;
      for (int n = 0; n < kDamageSamples; n += 100) {
        Append(q, n, n + 100);
        q.Sync();
      }
      if (row.killed) std::raise(SIGKILL);
    };
    if (row.killed) {
      const pid_t child = ::fork();
      if (child == 0) {
        run();
        ::_exit(1);
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status));
    } else {
      run();
    }
    const int mayCost = row.damage(folder);

    std::vector<std::string> logged;
    StationLog log([&](LogLevel, const std::string& text) { logged.push_back(text); }, LogLevel::kDebug);
    SampleQueue q(log);
    std::string error;
    ASSERT_TRUE(q.Open(folder.toStdString(), limits, &error)) << error;
    const std::vector<int> read = ReadAll(q);  // each whole and intact
    std::string all;
    for (const auto& text : logged) all += text + "\n";
    const std::vector<int> expected = Range(0, kDamageSamples);
    EXPECT_TRUE(std::is_sorted(read.begin(), read.end())) << all;
    EXPECT_TRUE(std::includes(expected.begin(), expected.end(), read.begin(), read.end())) << all;
    const auto lost = expected.size() - read.size();
    EXPECT_LE(lost, static_cast<std::size_t>(mayCost)) << all;
    EXPECT_EQ(LoggedLoss(logged), lost) << all;
    EXPECT_EQ(q.Pending(), read.size());
  }
}

TEST(SampleQueue, DamageFoundOnceEverythingWasSentCostsNothing) {
  // The freed pages still hold the acknowledged rows: a rebuild must not take them for
  // unsent ones whose number nothing tells.
  QTemporaryDir dir;
  const QString folder = dir.filePath("q");
  QueueLimits limits;
  limits.reserveBytes = 0;
  {
    StationLog quiet(nullptr);
    SampleQueue q(quiet);
    std::string error;
    ASSERT_TRUE(q.Open(folder.toStdString(), limits, &error)) << error;
    Append(q, 0, 400);
    ASSERT_TRUE(q.Sync());
  }
  Flip(folder + "/queue.db", 39, 0x01);  // the count of free pages
  std::vector<std::string> logged;
  StationLog log([&](LogLevel, const std::string& text) { logged.push_back(text); }, LogLevel::kDebug);
  SampleQueue q(log);
  std::string error;
  ASSERT_TRUE(q.Open(folder.toStdString(), limits, &error)) << error;
  std::int64_t last = 0;
  while (auto s = q.Next()) last = s->seq;
  q.Release(last + 1);  // every sample acknowledged
  q.Sync();
  Append(q, 400, 410);
  q.Sync();
  std::string all;
  for (const auto& text : logged) all += text + "\n";
  EXPECT_NE(all.find("is damaged"), std::string::npos) << all;  // the damage was met
  EXPECT_EQ(all.find("cannot be told"), std::string::npos) << all;
  EXPECT_EQ(LoggedLoss(logged), 0u) << all;
  EXPECT_EQ(ReadAll(q), Range(400, 410)) << all;
}

TEST(SampleQueue, ASecondStationOnTheSameFolderIsRefused) {
  QTemporaryDir dir;
  StationLog log(nullptr);
  SampleQueue a(log), b(log);
  std::string error;
  QueueLimits limits;
  limits.reserveBytes = 0;
  ASSERT_TRUE(a.Open(dir.path().toStdString(), limits, &error)) << error;
  Append(a, 0, 10);
  ASSERT_TRUE(a.Sync());  // the first holds the files, also after writing
  EXPECT_FALSE(b.Open(dir.path().toStdString(), limits, &error));
  EXPECT_NE(error.find("in use by another station"), std::string::npos) << error;
}

}  // namespace
}  // namespace korvane::station
