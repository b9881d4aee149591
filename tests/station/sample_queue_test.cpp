// The station's queue: what it holds after a stop, a kill -9, damage, a full disk and
// its bound; what an earlier version left; and one station per folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include "station/log/StationLog.h"
#include "station/queue/SampleQueue.h"
#include "support/FileSizeLimit.h"

namespace korvane::station {
namespace {

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
  std::function<void(SampleQueue&)> run;        // before the stop
  bool killed;                                  // run in a child that dies by SIGKILL
  std::function<void(const QString&)> damage;   // to the folder after the stop
  std::vector<int> expected;                    // read after reopening
  int maxLost;                                  // > 0: expected less up to this many, as the log says
  const char* logged;                           // part of the log of both runs
};

TEST(SampleQueue, KeepsTheUnacknowledgedInOrderThroughStopsKillsDamageAndAFullDisk) {
  const QueueLimits roomy;
  const QueueLimits tight{64 << 10, 8 << 20, 8 << 10};
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
      {"no database at all: moved aside, a fresh queue", roomy, [](SampleQueue& q) { Append(q, 0, 10); }, false,
       [](const QString& folder) { Overwrite(folder + "/queue.db", 0, QByteArray(4096, 'x')); }, {}, 0,
       "moved aside to"},
      {"an earlier version's queue is sent first, then its files go", roomy, nullptr, false,
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
       {2, 4, 5}, 0, "took over 3 samples of an earlier version's queue"},
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
          if (const auto at = text.find("dropped the "); at != std::string::npos) dropped += std::stoul(text.substr(at + 12));
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

TEST(SampleQueue, ASecondStationOnTheSameFolderIsRefused) {
  QTemporaryDir dir;
  StationLog log(nullptr);
  SampleQueue a(log), b(log);
  std::string error;
  ASSERT_TRUE(a.Open(dir.path().toStdString(), {}, &error)) << error;
  EXPECT_FALSE(b.Open(dir.path().toStdString(), {}, &error));
  EXPECT_NE(error.find("in use by another station"), std::string::npos) << error;
}

}  // namespace
}  // namespace korvane::station
