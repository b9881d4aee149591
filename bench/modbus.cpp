// bench_modbus: korvane-station's Modbus TCP server as a control system polls it, with
// the programs as on a station: korvane-station polling seven modules of korvane-sim
// (paced at 4800 baud) back to back, its samples to a local mosquitto, its registers on
// a loopback port, and libmodbus clients on threads of the bench.
//  - the bus cycle (from the samples' own times) without clients, and with 8 clients
//    each reading a module block ten times a second;
//  - one client reading a module block 100 times a second: the reply time (median) and
//    the CPU time of the server's thread, in percent of one core (the whole process's
//    beside it, for scale: mostly the wake-ups for the paced line's bytes).
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <modbus/modbus.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/LocalBroker.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kModules = 7;
constexpr auto kWindow = 20s;

// Time the process's threads have run on a CPU, from the scheduler's own count in
// nanoseconds: all of them, and the Modbus server's alone.
struct Cpu {
  double process = 0;
  double server = 0;
  Cpu operator-(const Cpu& o) const { return {process - o.process, server - o.server}; }
};
Cpu CpuSeconds(qint64 pid) {
  const QString tasks = QString("/proc/%1/task").arg(pid);
  Cpu cpu;
  for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const std::string folder = (tasks + "/" + task).toStdString();
    std::ifstream schedstat(folder + "/schedstat"), comm(folder + "/comm");
    double ns = 0;
    std::string name;
    if (!(schedstat >> ns)) continue;
    cpu.process += ns / 1e9;
    if (comm >> name && name == "korvane-modbus") cpu.server += ns / 1e9;
  }
  return cpu;
}

// Module blocks read every period by one client until stop; the reply times in ms.
std::vector<double> Poll(int port, Clock::duration period, const std::atomic<bool>& stop, int module) {
  std::vector<double> ms;
  modbus_t* c = modbus_new_tcp("127.0.0.1", port);
  modbus_set_slave(c, 1);
  if (modbus_connect(c) != 0) {
    modbus_free(c);
    return ms;
  }
  std::uint16_t registers[100];
  for (auto next = Clock::now(); !stop; next += period) {
    std::this_thread::sleep_until(next);
    const auto sent = Clock::now();
    if (modbus_read_input_registers(c, 100 * module, 100, registers) != 100) break;
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
  }
  modbus_close(c);
  modbus_free(c);
  return ms;
}

struct Window {
  double cycleMs = 0;  // the mean time between two samples of module 0
  Cpu cpu;
  std::vector<double> replyMs;
};

// One measuring window with clients, each reading every period.
Window Measure(qint64 pid, korvane::test::TestSubscriber& samples, int port, int clients, Clock::duration period) {
  std::atomic<bool> stop = false;
  std::vector<std::vector<double>> replies(static_cast<std::size_t>(clients));
  std::vector<std::thread> threads;
  for (int i = 0; i < clients; ++i)
    threads.emplace_back([&, i] { replies[static_cast<std::size_t>(i)] = Poll(port, period, stop, i % kModules); });
  const std::size_t first = samples.Count();
  const Cpu before = CpuSeconds(pid);
  std::this_thread::sleep_for(kWindow);
  Window w;
  w.cpu = CpuSeconds(pid) - before;
  stop = true;
  for (auto& t : threads) t.join();
  for (const auto& r : replies) w.replyMs.insert(w.replyMs.end(), r.begin(), r.end());
  std::vector<qint64> times;
  const auto messages = samples.Messages();
  for (std::size_t i = first; i < messages.size(); ++i) {
    if (messages[i].topic != "korvane/bench/0/state") continue;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(messages[i].payload)).object();
    times.push_back(QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch());
  }
  if (times.size() >= 2)
    w.cycleMs = static_cast<double>(times.back() - times.front()) / static_cast<double>(times.size() - 1);
  return w;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using korvane::test::LocalBroker;
  if (!LocalBroker::Available()) {
    std::fprintf(stderr, "bench_modbus: mosquitto is not installed (scripts/setup installs it)\n");
    return 1;
  }
  QTemporaryDir dir;
  LocalBroker broker(dir.path(), {""});
  korvane::test::TestSubscriber samples;
  if (!broker.Start() || !samples.Subscribe(broker.port(), "korvane/bench/0/state")) return 1;
  const QString bin = QCoreApplication::applicationDirPath();
  const QString line = dir.filePath("tty");
  QStringList simArgs{"--link", line, "--pace", "--quiet"};
  QStringList addresses;
  for (int a = 0; a < kModules; ++a) {
    simArgs << "--module" << QString("%1:1").arg(a);
    addresses << QString::number(a);
  }
  QProcess sim;
  sim.start(QDir(bin).filePath("../sim/korvane-sim"), simArgs);
  for (int i = 0; i < 50 && !QFile::exists(line); ++i) std::this_thread::sleep_for(100ms);
  const int port = korvane::test::FreeLoopbackPort();
  QProcess station;
  station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  station.start(QDir(bin).filePath("../apps/korvane-station/korvane-station"),
                {"--device", line, "--address", addresses.join(','), "--poll", "10", "--broker",
                 QString("mqtt://127.0.0.1:%1").arg(broker.port()), "--prefix", "korvane/bench", "--buffer",
                 dir.filePath("queue"), "--discovery", "off", "--modbus", QString("127.0.0.1:%1").arg(port)});
  if (!station.waitForStarted(5000) ||
      !samples.WaitFor([](const auto& m) { return m.size() >= 2; }, std::chrono::seconds(30))) {
    std::fprintf(stderr, "bench_modbus: no samples arrived\n");
    return 1;
  }
  const qint64 pid = station.processId();
  std::printf("korvane-station polling %d paced modules back to back; each window %lld s\n", kModules,
              static_cast<long long>(kWindow.count()));

  const Window quiet = Measure(pid, samples, port, 0, 1s);
  const Window eight = Measure(pid, samples, port, 8, 100ms);
  const Window hundred = Measure(pid, samples, port, 1, 10ms);
  const double seconds = std::chrono::duration<double>(kWindow).count();
  std::printf(
      "bus cycle: %.1f ms without clients, %.1f ms with 8 clients at 10 Hz (%zu reads): %+.2f %% "
      "(goal: within 1 %%)\n",
      quiet.cycleMs, eight.cycleMs, eight.replyMs.size(), 100.0 * (eight.cycleMs / quiet.cycleMs - 1.0));
  std::vector<double> ms = hundred.replyMs;
  std::sort(ms.begin(), ms.end());
  if (ms.empty()) return 1;
  std::printf(
      "read of a module block (100 registers), %zu reads at 100 per second: median %.3f ms, 95th "
      "percentile %.3f ms, max %.3f ms (goal: median <= 5 ms)\n",
      ms.size(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
  auto percent = [&](double cpuSeconds) { return 100.0 * cpuSeconds / seconds; };
  std::printf(
      "CPU of the Modbus server's thread: %.3f %% of a core at 100 reads/s (goal: <= 1 %%), %.3f %% with 8 "
      "clients at 10 Hz, %.3f %% without clients\n",
      percent(hundred.cpu.server), percent(eight.cpu.server), percent(quiet.cpu.server));
  std::printf("korvane-station in all: %.2f %% without clients, %.2f %% at 100 reads/s, %.2f %% with 8 clients\n",
              percent(quiet.cpu.process), percent(hundred.cpu.process), percent(eight.cpu.process));
  station.terminate();
  station.waitForFinished(10000);
  sim.terminate();
  sim.waitForFinished(5000);
  return 0;
}
