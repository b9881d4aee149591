// bench_queue_faults: the station's queue through the faults of a plant, together, many
// times over: the broker away (nothing acknowledged after the first 20 s), the disk
// full for 40 s and freed again, a kill -9 a moment after a write, and then one
// byte flipped anywhere in queue.db or its write-ahead log. Each trial reopens the queue
// as the next start would and counts what it sends, against what was appended:
//  - samples lost, in seconds of a seven-module bus (3.5 samples a second; goal: at most
//    1 s, beyond the rows of the one page the byte is in);
//  - damaged samples sent (goal: none);
//  - trials whose log does not say exactly how many were lost (goal: none).
// The full disk is the process's file size limit at the size the file had: the file
// cannot grow, as on a full disk, and the queue's reserve takes the samples.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "station/log/StationLog.h"
#include "station/queue/SampleQueue.h"

using namespace korvane;

namespace {

constexpr int kPerSecond = 4;  // samples between writes: a second of a bus of seven modules, and a bit
constexpr int kTrials = 200;

std::string Json(int n) {
  std::string pad;
  for (unsigned x = static_cast<unsigned>(n) * 2654435761u + 1; pad.size() < 240; x = x * 1103515245u + 12345u)
    pad += "0123456789abcdef"[(x >> 16) & 15];
  return "{\"time\":\"2026-01-01T00:00:00.000Z\",\"n\":" + std::to_string(n) + ",\"pad\":\"" + pad + "\"}";
}

int NumberOf(const std::string& json) {
  const auto at = json.find("\"n\":");
  return at == std::string::npos ? -1 : std::atoi(json.c_str() + at + 4);
}

void Seconds(station::SampleQueue& q, int* n, int seconds) {
  for (int s = 0; s < seconds; ++s) {
    for (int i = 0; i < kPerSecond; ++i, ++*n)
      q.Append(1767225600000LL + *n, static_cast<std::uint8_t>(*n % 7), Json(*n));
    q.Sync();
  }
}

// The child: 20 s with the broker there (acknowledged), then without it 10 s, 40 s on a
// full disk, 10 s after it was freed, and the kill a moment after a write.
[[noreturn]] void Run(const std::string& folder, int unsynced) {
  station::StationLog quiet(nullptr);
  station::SampleQueue q(quiet);
  station::QueueLimits limits;
  limits.reserveBytes = 256 << 10;
  limits.reserveStep = 64 << 10;
  std::string error;
  if (!q.Open(folder, limits, &error)) ::_exit(2);
  int n = 0;
  Seconds(q, &n, 20);
  q.Rewind();
  for (int i = 0; i < n - 1; ++i) q.Next();
  q.Release(q.Next()->seq + 1);
  Seconds(q, &n, 10);
  struct stat st {};
  ::stat(q.DatabasePath().c_str(), &st);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{}, full{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  full = old;
  full.rlim_cur = static_cast<rlim_t>(st.st_size);
  ::setrlimit(RLIMIT_FSIZE, &full);
  Seconds(q, &n, 40);
  ::setrlimit(RLIMIT_FSIZE, &old);
  Seconds(q, &n, 10);
  for (int i = 0; i < unsynced; ++i, ++n) q.Append(1767225600000LL + n, static_cast<std::uint8_t>(n % 7), Json(n));
  std::raise(SIGKILL);
  ::_exit(1);
}

std::uint64_t LoggedLoss(const std::vector<std::string>& logged) {
  std::uint64_t lost = 0;
  const QRegularExpression said(R"((\d+) (damaged samples )?are lost|last (\d+) samples reached)");
  for (const std::string& text : logged)
    for (auto m = said.globalMatch(QString::fromStdString(text)); m.hasNext();) {
      const auto match = m.next();
      lost += (match.captured(1).isEmpty() ? match.captured(3) : match.captured(1)).toULongLong();
    }
  return lost;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::mt19937 random(39);
  constexpr int kAcknowledged = 20 * kPerSecond;
  constexpr int kAppended = (20 + 10 + 40 + 10) * kPerSecond;
  std::vector<double> lostSeconds;
  int damagedSent = 0, misstated = 0, beyondASecond = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    QTemporaryDir dir;
    const std::string folder = dir.filePath("q").toStdString();
    const int unsynced = static_cast<int>(random() % kPerSecond);
    const pid_t child = ::fork();
    if (child == 0) Run(folder, unsynced);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) {
      std::printf("trial %d: the writer did not run (status %d)\n", trial, status);
      return 1;
    }
    // One byte anywhere in the database or in its log.
    const std::string file = folder + (random() % 4 == 0 ? "/queue.db-wal" : "/queue.db");
    QFile f(QString::fromStdString(file));
    std::string where = "nothing (no log)";
    if (f.open(QIODevice::ReadWrite) && f.size() > 0) {
      const qint64 at = static_cast<qint64>(random() % static_cast<std::uint64_t>(f.size()));
      char c = 0;
      f.seek(at);
      f.getChar(&c);
      f.seek(at);
      f.putChar(static_cast<char>(c ^ (1 << (random() % 8))));
      where = file.substr(file.rfind('/') + 1) + " byte " + std::to_string(at);
    }
    f.close();

    std::vector<std::string> logged;
    station::StationLog log([&](station::LogLevel, const std::string& text) { logged.push_back(text); },
                            station::LogLevel::kDebug);
    station::SampleQueue q(log);
    std::string error;
    station::QueueLimits limits;
    limits.reserveBytes = 256 << 10;
    limits.reserveStep = 64 << 10;
    if (!q.Open(folder, limits, &error)) {
      std::printf("trial %d: %s\n", trial, error.c_str());
      return 1;
    }
    std::vector<int> read;
    while (auto s = q.Next()) {
      const int number = NumberOf(s->json);
      if (s->json != Json(number) || s->address != number % 7) ++damagedSent;
      read.push_back(number);
    }
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    const auto expected = static_cast<std::uint64_t>(kAppended + unsynced - kAcknowledged);
    const std::uint64_t lost = expected - std::min<std::uint64_t>(expected, read.size());
    lostSeconds.push_back(static_cast<double>(lost) / 3.5);
    if (LoggedLoss(logged) != lost) {
      ++misstated;
      std::printf("trial %d (%s): lost %llu, the log says %llu\n", trial, where.c_str(),
                  static_cast<unsigned long long>(lost), static_cast<unsigned long long>(LoggedLoss(logged)));
      for (const auto& text : logged) std::printf("  %s\n", text.c_str());
    }
    if (lost > static_cast<std::uint64_t>(kPerSecond)) {
      ++beyondASecond;
      std::printf("trial %d (%s): lost %llu samples\n", trial, where.c_str(), static_cast<unsigned long long>(lost));
    }
  }
  std::sort(lostSeconds.begin(), lostSeconds.end());
  std::printf(
      "queue faults: %d trials of broker away, full disk freed, kill -9 and one flipped byte: samples lost median "
      "%.2f s, 95th percentile %.2f s, most %.2f s of a seven-module bus (goal: 1 s); %d trials lost more than a "
      "second's writes; damaged samples sent: %d (goal: 0); trials whose log misstates the loss: %d (goal: 0)\n",
      kTrials, lostSeconds[lostSeconds.size() / 2], lostSeconds[lostSeconds.size() * 95 / 100], lostSeconds.back(),
      beyondASecond, damagedSent, misstated);
  return damagedSent == 0 && misstated == 0 ? 0 : 1;
}
