// bench_logger: a module logger of 4000 records read out at 38400 baud from a simulated
// module on a pseudo-terminal that paces its bytes like the line, with the desktop
// program's progress window and chart. The figure: the readout's time over the wire
// time of its frames plus the flow's fixed pauses, and whether a frame was lost; then 500
// records over rfc2217:// through a real ser2net in front of the same pseudo-terminal.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "PtyServer.h"
#include "Bus.h"
#include "Amplifier.h"
#include "link/Link.h"
#include "logger/LoggerReadout.h"
#include "logger/widgets/LoggerChart.h"
#include "platform/widgets/QtUi.h"
#include "support/LocalSer2Net.h"

using namespace korvane;

namespace {

// The desktop program's progress window, but messages are printed: nobody is there to
// press OK.
class BenchUi : public platform::QtUi {
 public:
  void Message(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void ErrorBox(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

// Reads kRecords out over the line the device names (the pseudo-terminal when empty);
// prints the figures and returns the ratio, or -1 when a record was lost.
double ReadOut(const char* name, int records, int kind, bool overNetwork, QTemporaryDir& dir) {
  sim::Bus bus;
  auto amp = std::make_shared<sim::Amplifier>(1, 0, kind);
  amp->FillLogger(records);
  bus.Add(amp);
  sim::PtyServer server(bus);
  server.setPacing(true);
  if (!server.Open()) {
    std::fprintf(stderr, "bench_logger: %s\n", server.error().c_str());
    return -1;
  }
  test::LocalSer2Net ser2net;
  if (overNetwork && !ser2net.Start(server.slavePath(), dir.path())) {
    std::fprintf(stderr, "bench_logger: %s\n", ser2net.error().c_str());
    return -1;
  }
  const std::string device = overNetwork ? ser2net.rfc2217() : server.slavePath();
  // Every frame's own time on the wire, at the rate the line had when it went over.
  double wire = 0;
  server.onFrame = [&](bool, const std::vector<std::uint8_t>& bytes, const std::string&) {
    const int baud = server.clientBaud();
    wire += bytes.size() * 10.0 / (baud > 0 ? baud : 4800);
  };

  // The real waits: the end of the data is a gap of three seconds, as on the bench.
  const link::LinkTimings timings;
  BenchUi ui;
  link::Link link([&](int) { return device; }, timings);
  link::FlowContext context{0, Language::kEnglish};
  if (!link.OpenPort(Language::kEnglish)) {
    ui.Message(link.openMessage(), platform::kAppTitle);
    return -1;
  }
  logger::LoggerReadout readout(link, ui, context);

  QElapsedTimer t;
  t.start();
  const logger::ReadoutResult r =
      readout.Read(dir.filePath(QString(name) + ".txt").toStdString(), {false, kind, 0, "A123"});
  const double measured = t.nsecsElapsed() / 1e9;
  // The flow's own pauses: two baud changes (3 + 2 + 2 s each, the line changing its rate
  // in place), 2 s before the stream, 1 s after command 72, the 3 s end-of-data gap.
  const double second = timings.second.count() / 1000.0;
  const double pauses = (2 * 7 + 2 + 1 + 3) * second;
  const double ratio = measured / (wire + pauses);
  std::printf("logger %s: %d of %d records, %d out of step, in %.2f s; wire %.2f s + pauses %.2f s\n", name, r.records,
              records, r.outOfStep, measured, wire, pauses);
  std::printf("logger %s: readout ratio %.3f (goal <= 1.05)\n", name, ratio);

  if (!overNetwork) {
    logger::LoggerChart chart;
    chart.resize(1200, 700);
    chart.show();
    t.restart();
    chart.Fill(readout.table(), readout.columnNames()[0], "A123", Language::kEnglish);
    chart.grab();
    std::printf("logger: chart of %d points drawn in %.3f s\n", chart.pointCount(), t.nsecsElapsed() / 1e9);
  }
  link.ClosePort();
  return r.records == records && r.outOfStep == 0 ? ratio : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const double direct = ReadOut("pty", 4000, 5, false, dir);
  const double network = ReadOut("rfc2217", 500, 4, true, dir);
  return direct >= 0 && direct <= 1.05 && network >= 0 && network <= 1.05 ? 0 : 1;
}
