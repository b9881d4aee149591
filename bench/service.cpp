// bench_service: service through the running station, with the programs as on a
// station: korvane-station polling seven modules of the simulator (paced at 4800 baud)
// back to back and publishing to a local mosquitto, while korvane-cli works with module
// 0 over the station's service port.
//  - a configuration read through the station against its time on the direct line, and
//    against the wire time of one own exchange waited for each of its own (goal 2.2 x);
//  - the station's cycle while the client reads: longer by no more than the client's
//    exchanges' wire time + 5 %;
//  - a 500-record logger readout through the station against the direct one (goal
//    1.1 x plus the rate change), and the time from its end to the next sample.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Amplifier.h"
#include "Bus.h"
#include "PtyServer.h"
#include "support/LocalBroker.h"

using namespace std::chrono_literals;

namespace {

constexpr int kModules = 7;
// One exchange on the wire at 4800 baud: 22 bytes of 10 bits.
constexpr double kExchangeMs = 22 * 10 * 1000.0 / 4800;

void Serve(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct Run {
  int exitCode = -1;
  qint64 startMs = 0, endMs = 0;  // wall clock
  double ms() const { return static_cast<double>(endMs - startMs); }
};

// korvane-cli, while the bench keeps serving the simulated line.
Run Cli(const QString& bin, const QStringList& args) {
  Run r;
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  p.setProcessEnvironment(env);
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  r.startMs = QDateTime::currentMSecsSinceEpoch();
  p.start(QDir(bin).filePath("../apps/korvane-cli/korvane-cli"), args);
  p.waitForStarted(5000);
  while (p.state() != QProcess::NotRunning) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  r.endMs = QDateTime::currentMSecsSinceEpoch();
  r.exitCode = p.exitCode();
  return r;
}

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int Requests(const QString& trace) {
  QFile f(trace);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  int n = 0;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.contains(" -> ")) ++n;
  return n;
}

// The own times of module 1's samples.
std::vector<qint64> SampleTimes(korvane::test::TestSubscriber& samples) {
  std::vector<qint64> times;
  for (const auto& m : samples.Messages()) {
    if (m.topic != "korvane/bench/1/state") continue;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(m.payload)).object();
    times.push_back(QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs).toMSecsSinceEpoch());
  }
  return times;
}

// The mean cycle of the samples within [from, to].
double Cycle(const std::vector<qint64>& times, qint64 from, qint64 to) {
  std::vector<qint64> in;
  for (qint64 t : times)
    if (t >= from && t <= to) in.push_back(t);
  if (in.size() < 2) return 0;
  return static_cast<double>(in.back() - in.front()) / static_cast<double>(in.size() - 1);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  using korvane::test::LocalBroker;
  if (!LocalBroker::Available()) {
    std::fprintf(stderr, "bench_service: mosquitto is not installed (scripts/setup installs it)\n");
    return 1;
  }
  QTemporaryDir dir;
  LocalBroker broker(dir.path(), {""});
  korvane::test::TestSubscriber samples;
  if (!broker.Start() || !samples.Subscribe(broker.port(), "korvane/bench/#")) return 1;
  korvane::sim::Bus bus;
  QStringList addresses;
  for (int a = 0; a < kModules; ++a) {
    auto amp = std::make_shared<korvane::sim::Amplifier>(1, static_cast<std::uint8_t>(a), 4);
    if (a == 0) amp->FillLogger(500);
    bus.Add(amp);
    addresses << QString::number(a);
  }
  korvane::sim::PtyServer server(bus);
  const QString line = dir.filePath("tty");
  if (!server.Open() || !server.SetLink(line.toStdString())) return 1;
  server.setPacing(true);
  const QString bin = QCoreApplication::applicationDirPath();
  const QStringList common{"--history", "none", "--lang", "en", "--address", "0"};

  // The direct line, before the station takes it.
  const QString trace = dir.filePath("trace.txt");
  const Run directConfig = Cli(
      bin, common + QStringList{"--device", line, "--trace", trace, "config-read", "-o", dir.filePath("direct.qx4")});
  const int configRequests = Requests(trace);
  const Run directLogger =
      Cli(bin, common + QStringList{"--device", line, "logger-read", "-o", dir.filePath("direct.txt")});
  if (directConfig.exitCode != 0 || directLogger.exitCode != 0) {
    std::fprintf(stderr, "bench_service: the direct reads failed\n");
    return 1;
  }

  const int port = korvane::test::FreeLoopbackPort();
  QProcess station;
  station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  station.start(QDir(bin).filePath("../apps/korvane-station/korvane-station"),
                {"--device", line, "--address", addresses.join(','), "--poll", "10", "--broker",
                 QString("mqtt://127.0.0.1:%1").arg(broker.port()), "--prefix", "korvane/bench", "--buffer",
                 dir.filePath("queue"), "--buffer-reserve", "0", "--discovery", "off", "--service",
                 QString("127.0.0.1:%1").arg(port)});
  station.waitForStarted(5000);
  for (int i = 0; i < 300 && samples.Messages().size() < 2; ++i) Serve(100);
  if (samples.Messages().size() < 2) {
    std::fprintf(stderr, "bench_service: no samples arrived\n");
    return 1;
  }
  const QString device = QString("rfc2217://127.0.0.1:%1").arg(port);
  std::printf("korvane-station polling %d paced modules at 4800 baud back to back\n", kModules);

  const qint64 quietFrom = QDateTime::currentMSecsSinceEpoch();
  Serve(15000);
  const qint64 quietTo = QDateTime::currentMSecsSinceEpoch();
  // Reads back to back, so the cycle during them is measured over several.
  constexpr int kReads = 5;
  std::vector<Run> reads;
  for (int i = 0; i < kReads; ++i)
    reads.push_back(
        Cli(bin, common + QStringList{"--device", device, "config-read", "-o", dir.filePath("station.qx4")}));
  const Run& config = reads.front();
  const qint64 readsFrom = reads.front().startMs, readsTo = reads.back().endMs;
  Serve(3000);
  const Run logger =
      Cli(bin, common + QStringList{"--device", device, "logger-read", "-o", dir.filePath("station.txt")});
  Serve(8000);
  station.terminate();
  while (station.state() != QProcess::NotRunning) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  if (config.exitCode != 0 || logger.exitCode != 0) {
    std::fprintf(stderr, "bench_service: a read through the station failed\n");
    return 1;
  }
  const std::vector<qint64> times = SampleTimes(samples);
  const double quiet = Cycle(times, quietFrom, quietTo), during = Cycle(times, readsFrom, readsTo);
  const double wire = configRequests * kExchangeMs;
  // The client's exchanges' wire time that falls into one cycle.
  const double clientPerCycle = kReads * wire / static_cast<double>(readsTo - readsFrom) * during;

  double slowest = 0;
  for (const Run& r : reads) slowest = std::max(slowest, r.ms());
  std::printf(
      "configuration read (%d exchanges, %.0f ms of them on the wire): direct %.0f ms, through the station "
      "%.0f ms (slowest of %d: %.0f ms): %.2f x direct (goal: <= 2.2 x, one own exchange waited for each of "
      "its own)\n",
      configRequests, wire, directConfig.ms(), config.ms(), kReads, slowest, slowest / directConfig.ms());
  std::printf(
      "the station's cycle: %.0f ms without a client, %.0f ms during the read: %+.0f ms, the client's "
      "exchanges' wire time per cycle %.0f ms (goal: within it + 5 %%: %.0f ms)\n",
      quiet, during, during - quiet, clientPerCycle, clientPerCycle + 0.05 * quiet);
  // From the line given back ("online" after "service") to the next sample.
  double back = -1;
  std::optional<std::chrono::steady_clock::time_point> givenBack;
  bool held = false;
  for (const auto& m : samples.Messages()) {
    if (m.topic == "korvane/bench/line") {
      if (m.payload == "service") held = true;
      if (m.payload == "online" && held && !givenBack) givenBack = m.arrived;
    } else if (givenBack && m.topic == "korvane/bench/1/state" && back < 0) {
      back = std::chrono::duration<double, std::milli>(m.arrived - *givenBack).count();
    }
  }
  std::printf(
      "500-record logger readout: direct %.0f ms, through the station %.0f ms: %.3f x direct, %+.0f ms "
      "(goal: <= 1.1 x plus the rate change); files %s; the next sample %.0f ms after the line was given "
      "back (goal: within one period, %.0f ms)\n",
      directLogger.ms(), logger.ms(), logger.ms() / directLogger.ms(), logger.ms() - directLogger.ms(),
      Contents(dir.filePath("direct.txt")) == Contents(dir.filePath("station.txt")) ? "the same" : "DIFFERENT", back,
      quiet);
  return 0;
}
