// bench_station: the station's publisher against a local mosquitto on loopback.
//  - latency: from StationService::Publish (where the bus engine hands over a sample) to
//    the delivery to a subscriber, 500 samples at 100 per second;
//  - replay: a backlog of 300 000 samples (one day of seven modules at the 2 s poll)
//    queued while the broker is away, the queue's database it makes, and the backlog
//    sent after the connection: samples per second from the connection to the
//    subscriber's last delivery;
//  - memory: the process's resident set and its peak (the subscriber counts only).
//  - the service as it runs: korvane-station polling seven modules of korvane-sim (paced
//    at 4800 baud) every 2 s for 30 s, its CPU share (user + system time over wall time)
//    and resident set from /proc; once with the broker there, once with it away, so
//    that every sample goes to the queue.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>
#include <string>
#include <vector>

#include "station/StationService.h"
#include "support/LocalBroker.h"
#include "support/PhSample.h"

using namespace korvane;
using namespace std::chrono_literals;

namespace {

double StatusMb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kb = 0;
  while (status >> key) {
    if (key == field) {
      status >> kb;
      break;
    }
  }
  return kb / 1024.0;
}

bus::BusSample Sample(int n) {
  return test::PhSample(
      static_cast<std::uint8_t>(n % 7),
      std::chrono::system_clock::time_point(std::chrono::milliseconds(1767225600000LL + 2000LL * (n / 7))));
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer t;
  t.start();
  QTimer tick;
  tick.start(1);
  while (!done()) {
    if (t.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

station::StationSetup Setup(int port, const std::string& folder) {
  station::StationSetup s;
  s.endpoint.broker = {false, "127.0.0.1", port};
  s.endpoint.clientId = "korvane-station-bench";
  s.prefix = "korvane/bench";
  s.discovery = false;
  s.bufferFolder = folder;
  s.limits.maxBytes = std::int64_t{512} << 20;  // room for the whole day's backlog
  s.timings.reconnect = {100ms, 100ms};
  return s;
}

// utime + stime of a process, in seconds.
double CpuSeconds(qint64 pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const auto close = text.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream rest(text.substr(close + 2));
  std::string field;
  double ticks = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i)
    if (i == 14 || i == 15) ticks += std::stod(field);
  return ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

double ProcessRssMb(qint64 pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  long kb = 0;
  while (status >> key)
    if (key == "VmRSS:") {
      status >> kb;
      break;
    }
  return kb / 1024.0;
}

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double FolderMb(const QString& folder) {
  double bytes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString()))
    if (entry.is_regular_file()) bytes += static_cast<double>(entry.file_size());
  return bytes / (1 << 20);
}

// korvane-station and korvane-sim as separate processes, as on a station; brokerAway:
// the station's broker URL names a port nobody listens on.
bool ServiceFigures(const QTemporaryDir& dir, bool brokerAway) {
  const QString bin = QCoreApplication::applicationDirPath();
  test::LocalBroker broker(dir.path(), {""});
  test::TestSubscriber sub(true);
  if (!broker.Start() || !sub.Subscribe(broker.port(), "korvane/bench/+/state")) return false;
  const int port = brokerAway ? test::FreeLoopbackPort() : broker.port();
  const QString buffer = dir.filePath(brokerAway ? "service-away" : "service");
  const QString line = dir.filePath("tty");
  QProcess sim;
  QStringList simArgs{"--link", line, "--pace", "--quiet"};
  QStringList addresses;
  for (int a = 0; a < 7; ++a) {
    simArgs << "--module" << QString("%1:1").arg(a);
    addresses << QString::number(a);
  }
  sim.start(QDir(bin).filePath("../sim/korvane-sim"), simArgs);
  if (!sim.waitForStarted(5000) || !WaitFor([&] { return QFile::exists(line); }, 5000)) return false;
  QProcess station;
  station.start(QDir(bin).filePath("../apps/korvane-station/korvane-station"),
                {"--device", line, "--address", addresses.join(','), "--poll", "2000", "--broker",
                 QString("mqtt://127.0.0.1:%1").arg(port), "--prefix", "korvane/bench", "--buffer", buffer});
  if (!station.waitForStarted(5000)) return false;
  if (brokerAway) WaitFor([] { return false; }, 4000);  // the modules' identities are read first
  if (!brokerAway && !WaitFor([&] { return sub.Count() >= 7; }, 20000)) {
    std::printf("service: no samples arrived\n");
    return false;
  }
  constexpr int kSeconds = 30;
  const std::size_t before = sub.Count();
  const double cpuBefore = CpuSeconds(station.processId());
  QElapsedTimer wall;
  wall.start();
  WaitFor([] { return false; }, kSeconds * 1000);
  const double cpu = CpuSeconds(station.processId()) - cpuBefore;
  const double seconds = wall.elapsed() / 1000.0;
  if (brokerAway)
    std::printf(
        "service, broker away: 7 modules queued for %.0f s; CPU %.2f %% (goal: <= 2 %%), resident %.1f MB, "
        "queue folder %.2f MB\n",
        seconds, 100.0 * cpu / seconds, ProcessRssMb(station.processId()), FolderMb(buffer));
  else
    std::printf(
        "service: %zu samples of 7 modules in %.0f s; CPU %.2f %% (goal: <= 1 %%), resident %.1f MB (goal: <= "
        "30 MB)\n",
        sub.Count() - before, seconds, 100.0 * cpu / seconds, ProcessRssMb(station.processId()));
  station.terminate();
  station.waitForFinished(10000);
  sim.terminate();
  sim.waitForFinished(5000);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (!test::LocalBroker::Available()) {
    std::fprintf(stderr, "bench_station: mosquitto is not installed (scripts/setup installs it)\n");
    return 1;
  }
  QTemporaryDir dir;
  station::StationLog log([](station::LogLevel, const std::string&) {});

  // Latency.
  {
    test::LocalBroker broker(dir.path(), {""});
    test::TestSubscriber sub;
    if (!broker.Start() || !sub.Subscribe(broker.port(), "korvane/bench/+/state")) return 1;
    station::StationService service(Setup(broker.port(), dir.filePath("latency").toStdString()), log);
    std::string error;
    if (!service.Start(&error) || !WaitFor([&] { return service.IsConnected(); }, 10000)) return 1;
    constexpr int kSamples = 500;
    std::vector<std::chrono::steady_clock::time_point> sent;
    QTimer pace;
    QObject::connect(&pace, &QTimer::timeout, [&] {
      if (static_cast<int>(sent.size()) == kSamples) return pace.stop();
      sent.push_back(std::chrono::steady_clock::now());
      service.Publish(Sample(static_cast<int>(sent.size()) - 1));
    });
    pace.start(10);
    if (!WaitFor([&] { return sub.Count() >= kSamples; }, 60000)) return 1;
    const auto messages = sub.Messages();
    std::vector<double> ms;
    for (int i = 0; i < kSamples; ++i)
      ms.push_back(std::chrono::duration<double, std::milli>(messages[static_cast<std::size_t>(i)].arrived -
                                                             sent[static_cast<std::size_t>(i)])
                       .count());
    std::sort(ms.begin(), ms.end());
    std::printf(
        "latency Publish -> subscriber: median %.2f ms, 95th percentile %.2f ms, max %.2f ms (goal: median <= 20 ms)\n",
        ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
    bool stopped = false;
    QObject::connect(&service, &station::StationService::Stopped, [&] { stopped = true; });
    service.Stop();
    WaitFor([&] { return stopped; }, 10000);
  }

  // Replay of a day's backlog.
  {
    constexpr int kBacklog = 300000;
    test::LocalBroker broker(dir.path(), {""});
    station::StationService service(Setup(broker.port(), dir.filePath("replay").toStdString()), log);
    std::string error;
    if (!service.Start(&error)) return 1;
    QElapsedTimer queued;
    queued.start();
    const double cpuBefore = ThreadCpuSeconds();
    for (int n = 0; n < kBacklog; ++n) service.Publish(Sample(n));
    WaitFor([] { return false; }, 1500);  // the last batch goes to disk with the next sync
    const double cpuPerSample = (ThreadCpuSeconds() - cpuBefore) / kBacklog;
    const double queueSeconds = queued.elapsed() / 1000.0;
    std::printf(
        "backlog: %d samples queued while the broker is away in %.2f s (%.0f samples/s); %.1f us of CPU per "
        "sample: %.4f %% of a core at seven modules every 2 s (goal: <= 2 %%)\n",
        kBacklog, queueSeconds, kBacklog / queueSeconds, cpuPerSample * 1e6, 100.0 * cpuPerSample * 3.5);
    std::printf("queue database for the day: %.1f MB (goal: <= 150 MB)\n", FolderMb(dir.filePath("replay")));

    test::TestSubscriber sub(true);
    if (!broker.Start() || !sub.Subscribe(broker.port(), "korvane/bench/+/state")) return 1;
    if (!WaitFor([&] { return service.IsConnected(); }, 10000)) return 1;
    QElapsedTimer replay;
    replay.start();
    if (!WaitFor([&] { return sub.Count() >= kBacklog && service.Pending() == 0; }, 600000)) {
      std::printf("replay: only %zu of %d arrived\n", sub.Count(), kBacklog);
      return 1;
    }
    const double seconds = replay.elapsed() / 1000.0;
    std::printf("replay: %d samples in %.2f s after the connection: %.0f samples/s (goal: >= 20 000)\n", kBacklog,
                seconds, kBacklog / seconds);
    std::printf("memory: resident %.1f MB now, peak %.1f MB (goal: <= 30 MB; includes the counting subscriber)\n",
                StatusMb("VmRSS:"), StatusMb("VmHWM:"));
    bool stopped = false;
    QObject::connect(&service, &station::StationService::Stopped, [&] { stopped = true; });
    service.Stop();
    WaitFor([&] { return stopped; }, 10000);
  }
  return ServiceFigures(dir, false) && ServiceFigures(dir, true) ? 0 : 1;
}
