// bench_logger: a module logger of 4000 records read out at 38400 baud from a simulated
// module on a pseudo-terminal that paces its bytes like the line, with the desktop
// program's progress window and chart. The figure: the readout's time over the wire
// time of its frames plus the flow's fixed pauses, and whether a frame was lost.
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

using namespace korvane;

namespace {

// The desktop program's progress window, but messages are printed: nobody is there to
// press OK.
class BenchUi : public platform::QtUi {
 public:
  void Message(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void ErrorBox(const std::string& text, const std::string&) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  constexpr int kRecords = 4000;

  sim::Bus bus;
  auto amp = std::make_shared<sim::Amplifier>(1, 0, 5);
  amp->FillLogger(kRecords);
  bus.Add(amp);
  sim::PtyServer server(bus);
  server.setPacing(true);
  if (!server.Open()) {
    std::fprintf(stderr, "bench_logger: %s\n", server.error().c_str());
    return 2;
  }
  // Every frame's own time on the wire, at the rate the line had when it went over.
  double wire = 0;
  server.onFrame = [&](bool, const std::vector<std::uint8_t>& bytes, const std::string&) {
    const int baud = server.clientBaud();
    wire += bytes.size() * 10.0 / (baud > 0 ? baud : 4800);
  };

  // The real waits: the end of the data is a gap of three seconds, as on the bench.
  const link::LinkTimings timings;
  BenchUi ui;
  link::Link link([&](int) { return server.slavePath(); }, timings);
  link::FlowContext context{0, Language::kEnglish};
  if (!link.OpenPort(Language::kEnglish)) {
    ui.Message(link.openMessage(), platform::kAppTitle);
    return 2;
  }
  logger::LoggerReadout readout(link, ui, context);
  QTemporaryDir dir;

  QElapsedTimer t;
  t.start();
  const logger::ReadoutResult r = readout.Read(dir.filePath("logger.txt").toStdString(), {false, 5, 0, "A123"});
  const double measured = t.nsecsElapsed() / 1e9;
  // The flow's own pauses: two baud changes (3 + 2 + 2 s and a port settle each), 2 s
  // before the stream, 1 s after command 72, the 3 s end-of-data gap.
  const double second = timings.second.count() / 1000.0;
  const double pauses = (2 * 7 + 2 + 1 + 3) * second + 2 * timings.openSettle.count() / 1000.0;

  logger::LoggerChart chart;
  chart.resize(1200, 700);
  chart.show();
  t.restart();
  chart.Fill(readout.table(), readout.columnNames()[0], "A123");
  chart.grab();
  const double chartSeconds = t.nsecsElapsed() / 1e9;

  const double ratio = measured / (wire + pauses);
  const bool whole = r.records == kRecords && r.outOfStep == 0;
  std::printf("logger: %d of %d records, %d out of step, in %.2f s; wire %.2f s + pauses %.2f s\n", r.records, kRecords,
              r.outOfStep, measured, wire, pauses);
  std::printf("logger: readout ratio %.3f (goal <= 1.05); chart of %d points drawn in %.3f s\n", ratio,
              chart.pointCount(), chartSeconds);
  link.ClosePort();
  return whole && ratio <= 1.05 ? 0 : 1;
}
