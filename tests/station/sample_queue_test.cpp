// The station's on-disk queue: what it holds after a stop, a kill -9 or a damaged end,
// its bound, and a disk that refuses to grow.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "station/queue/SampleQueue.h"
#include "support/FileSizeLimit.h"

namespace korvane::station {
namespace {

// 80 bytes: records of 96 bytes with their header.
std::string Payload(std::uint64_t n) {
  std::string text = "sample " + std::to_string(n);
  return text + std::string(80 - text.size(), 'x');
}

// Every record from the reader's position on, checked against its payload.
std::vector<std::uint64_t> ReadAll(SampleQueue& q) {
  std::vector<std::uint64_t> seqs;
  while (auto r = q.Next()) {
    EXPECT_EQ(r->payload, Payload(r->seq));
    seqs.push_back(r->seq);
  }
  return seqs;
}

std::vector<std::uint64_t> Range(std::uint64_t first, std::uint64_t end) {
  std::vector<std::uint64_t> v;
  for (auto n = first; n < end; ++n) v.push_back(n);
  return v;
}

QString LastSegment(const QString& folder) {
  const auto names = QDir(folder).entryList({"*.queue"}, QDir::Files, QDir::Name);
  return names.isEmpty() ? QString() : folder + "/" + names.back();
}

void Damage(const QString& file, const std::function<void(QByteArray&)>& change) {
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  QByteArray bytes = f.readAll();
  change(bytes);
  f.resize(0);
  f.seek(0);
  f.write(bytes);
}

struct QueueRow {
  const char* name;
  QueueLimits limits;
  std::uint64_t appended;
  std::uint64_t released;
  bool killed;                             // written by a child that dies by SIGKILL
  std::function<void(QByteArray&)> damage;  // to the last segment file after the stop
  std::uint64_t first, end;                // the records found on reopening
  std::uint64_t dropped;                   // reported by the appends
  bool torn;                               // bytes were cut off on reopening
};

TEST(SampleQueue, ReopensWithTheWholeUnacknowledgedRecordsInOrder) {
  const QueueLimits roomy{1 << 20, 1 << 16, 1 << 20};
  const QueueLimits tight{4096, 1024, 1 << 20};  // 96-byte records: ten to a segment
  const QueueRow rows[] = {
      {"clean stop", roomy, 10, 0, false, nullptr, 0, 10, 0, false},
      {"acknowledged records stay gone", roomy, 10, 4, false, nullptr, 4, 10, 0, false},
      {"kill -9", roomy, 50, 20, true, nullptr, 20, 50, 0, false},
      {"last record torn", roomy, 10, 0, false, [](QByteArray& b) { b.chop(5); }, 0, 9, 0, true},
      {"half a header after the last record", roomy, 10, 0, false, [](QByteArray& b) { b.append("\x07\0\0\0\x01", 5); },
       0, 10, 0, true},
      {"a byte of the last record changed", roomy, 10, 0, false, [](QByteArray& b) { b[b.size() - 3] ^= 0x20; }, 0, 9,
       0, true},
      {"a length beyond the file", roomy, 10, 0, false, [](QByteArray& b) { b.append("\xff\xff\0\0", 4); b.append(12, '\0'); },
       0, 10, 0, true},
      {"bound: the oldest segments go", tight, 100, 0, false, nullptr, 60, 100, 60, false},
      {"bound: acknowledged records are not counted as dropped", tight, 100, 35, false, nullptr, 60, 100, 25, false},
  };
  for (const QueueRow& row : rows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    const std::string folder = dir.filePath("q").toStdString();
    std::uint64_t dropped = 0;
    auto fill = [&] {
      SampleQueue q;
      SampleQueue::OpenReport report;
      std::string error;
      if (!q.Open(folder, row.limits, &report, &error)) return false;
      for (std::uint64_t n = 0; n < row.appended; ++n) {
        const auto result = q.Append(Payload(n));
        if (!result.onDisk || result.seq != n) return false;
        dropped += result.dropped;
        if (n + 1 == row.released) q.Release(row.released);
      }
      if (row.killed) {
        q.Sync(&error);  // the acknowledged position, as the service's timer writes it
        std::raise(SIGKILL);
      }
      return true;
    };
    if (row.killed) {
      const pid_t child = ::fork();
      if (child == 0) {
        fill();
        ::_exit(1);  // not reached when the kill came
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    } else {
      ASSERT_TRUE(fill());
    }
    EXPECT_EQ(dropped, row.dropped);
    if (row.damage) Damage(LastSegment(QString::fromStdString(folder)), row.damage);

    SampleQueue q;
    SampleQueue::OpenReport report;
    std::string error;
    ASSERT_TRUE(q.Open(folder, row.limits, &report, &error)) << error;
    EXPECT_EQ(report.tornBytes > 0, row.torn) << report.tornBytes;
    EXPECT_EQ(report.records, row.end - row.first);
    EXPECT_LE(q.DiskBytes(), row.limits.maxBytes);
    EXPECT_EQ(ReadAll(q), Range(row.first, row.end));
    // Appending goes on after the last whole record, behind the others.
    EXPECT_EQ(q.Append(Payload(row.end)).seq, row.end);
    q.Rewind();
    EXPECT_EQ(ReadAll(q), Range(row.first, row.end + 1));
  }
}

TEST(SampleQueue, AFullDiskKeepsRecordsInMemoryInOrderUntilItTakesThemAgain) {
  QTemporaryDir dir;
  const std::string folder = dir.filePath("q").toStdString();
  const QueueLimits limits{1 << 20, 1 << 20, 1 << 20};
  SampleQueue q;
  SampleQueue::OpenReport report;
  std::string error;
  ASSERT_TRUE(q.Open(folder, limits, &report, &error)) << error;
  for (std::uint64_t n = 0; n < 5; ++n) ASSERT_TRUE(q.Append(Payload(n)).onDisk);
  {
    test::FileSizeLimit full(static_cast<rlim_t>(q.DiskBytes() + 10));
    ASSERT_TRUE(full.ok());
    for (std::uint64_t n = 5; n < 9; ++n) {
      const auto result = q.Append(Payload(n));
      EXPECT_FALSE(result.onDisk);
      EXPECT_FALSE(result.diskError.empty());
    }
    EXPECT_EQ(q.MemoryRecords(), 4u);
    EXPECT_EQ(ReadAll(q), Range(0, 9));  // published all the same
  }
  EXPECT_TRUE(q.Append(Payload(9)).onDisk);  // the disk takes writes again: memory first
  EXPECT_EQ(q.MemoryRecords(), 0u);
  q.Release(3);
  ASSERT_TRUE(q.Sync(&error)) << error;

  SampleQueue reopened;
  SampleQueue::OpenReport again;
  q.Close();
  ASSERT_TRUE(reopened.Open(folder, limits, &again, &error)) << error;
  EXPECT_EQ(again.tornBytes, 0u);  // the refused writes left nothing half written
  EXPECT_EQ(ReadAll(reopened), Range(3, 10));
}

TEST(SampleQueue, ASecondStationOnTheSameFolderIsRefused) {
  QTemporaryDir dir;
  SampleQueue a, b;
  SampleQueue::OpenReport report;
  std::string error;
  ASSERT_TRUE(a.Open(dir.path().toStdString(), {}, &report, &error)) << error;
  EXPECT_FALSE(b.Open(dir.path().toStdString(), {}, &report, &error));
  EXPECT_NE(error.find("in use by another station"), std::string::npos) << error;
}

}  // namespace
}  // namespace korvane::station
