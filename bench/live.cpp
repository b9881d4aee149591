// bench_live: how long one live chain (six requests and replies) takes against a
// simulated module on a pseudo-terminal that paces its bytes like the line, at each
// rate; the turnarounds of the link and the module are part of it. The shortest poll
// period `korvane-cli live --poll` accepts (ShortestPollMs) must leave room for it: at
// that period hardly a tick finds the chain before still running.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "CommandLine.h"
#include "PtyServer.h"
#include "Bus.h"
#include "Amplifier.h"
#include "app/LiveMeasurement.h"
#include "link/Link.h"
#include "PrintUi.h"

using namespace korvane;

namespace {

using bench::PrintUi;

struct Figures {
  int chains = 0;
  double meanMs = 0;
  double longestMs = 0;
  int skipped = 0;
  bool lost = false;
};

// Polls at the period for the given time; each chain is timed from its first request
// to its last reply.
Figures Measure(int baud, int pollMs, int seconds) {
  sim::Bus bus;
  auto amp = std::make_shared<sim::Amplifier>(1, 0, 4);
  amp->SetBaud(baud);
  bus.Add(amp);
  sim::PtyServer server(bus);
  server.setPacing(true);
  Figures f;
  if (!server.Open()) {
    std::fprintf(stderr, "bench_live: %s\n", server.error().c_str());
    f.lost = true;
    return f;
  }
  PrintUi ui;
  link::Link link([&](int) { return server.slavePath(); });
  link.setBaudRate(baud);
  link::FlowContext context;
  app::LiveMeasurement live(link, ui, context);
  live.setPollPeriod(std::chrono::milliseconds(pollMs));
  QElapsedTimer chain;
  double total = 0;
  QObject::connect(&link, &link::Link::frameSent, [&](const link::Frame& frame) {
    if (link::FrameGroup(frame) == link::kValues && link::FrameParameter(frame) == 1) chain.start();
  });
  QObject::connect(&live, &app::LiveMeasurement::chainCompleted, [&] {
    const double ms = chain.nsecsElapsed() / 1e6;
    if (f.chains++ > 0) {  // the first one waits for the line to settle
      total += ms;
      f.longestMs = std::max(f.longestMs, ms);
    }
  });
  QEventLoop loop;
  QObject::connect(&live, &app::LiveMeasurement::lost, [&](const std::string&) {
    f.lost = true;
    loop.quit();
  });
  if (!live.Start(std::chrono::milliseconds(60000))) {
    f.lost = true;
    return f;
  }
  QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
  loop.exec();
  live.StopTimers();
  link.ClosePort();
  f.meanMs = f.chains > 1 ? total / (f.chains - 1) : 0;
  f.skipped = live.skippedPolls();
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  int failed = 0;
  for (const int baud : {4800, 19200, 38400}) {
    // Twice the wire time: every tick finds the chain before ended and starts one.
    const double wire = 12 * 11 * 10 * 1000.0 / baud;
    const Figures f = Measure(baud, static_cast<int>(2 * wire), 20);
    std::printf("live %5d baud: %d chains, mean %.1f ms, longest %.1f ms (wire %.1f ms)%s\n", baud, f.chains, f.meanMs,
                f.longestMs, wire, f.lost ? " LOST" : "");
    // At the documented shortest period the module keeps up: no tick finds a chain running.
    const int shortest = cli::ShortestPollMs(baud);
    const Figures at = Measure(baud, shortest, 20);
    const double skippedShare = at.chains > 0 ? 100.0 * at.skipped / (at.chains + at.skipped) : 100.0;
    std::printf("live %5d baud at --poll %d: %d chains, %d ticks skipped (%.1f %%, goal <= 2 %%)%s\n", baud, shortest,
                at.chains, at.skipped, skippedShare, at.lost ? " LOST" : "");
    if (f.lost || at.lost || f.meanMs > shortest || skippedShare > 2.0) ++failed;
  }
  return failed == 0 ? 0 : 1;
}
