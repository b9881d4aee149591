// bench_link: how close the link comes to the line's own speed, and what a wait costs.
// Talks to a simulated module on a pseudo-terminal that paces its bytes at 4800 baud.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>

#include "PtyServer.h"
#include "Bus.h"
#include "Amplifier.h"
#include "link/Link.h"
#include "PrintUi.h"

using namespace korvane;

namespace {

// Nothing in the benchmark asks the user anything; anything shown is printed.
using bench::PrintUi;

double CpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  constexpr int kExchanges = 200;
  constexpr int kBaud = 4800;

  sim::Bus bus;
  bus.Add(std::make_shared<sim::Amplifier>(1, 0, 4));
  sim::PtyServer server(bus);
  server.setPacing(true);
  if (!server.Open()) {
    std::fprintf(stderr, "bench_link: %s\n", server.error().c_str());
    return 2;
  }
  PrintUi ui;
  link::Link link([&](int) { return server.slavePath(); });
  link.setBaudRate(kBaud);
  if (!link.OpenPort(Language::kEnglish)) {
    ui.Message(link.openMessage(), platform::kAppTitle);
    return 2;
  }

  auto exchange = [&] { return link.Read(0, link::kCalibration2); };
  for (int i = 0; i < 5; ++i) exchange();  // warm up

  int failed = 0;
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < kExchanges; ++i)
    if (!exchange()) ++failed;
  const double measured = t.nsecsElapsed() / 1e9;
  const double wire = kExchanges * 22.0 * 10.0 / kBaud;
  const double ratio = measured / wire;

  // A wait that times out: the module stays silent for the whole reply time-out.
  bus.SetFault(sim::Fault::kNoReply);
  const double cpu0 = CpuSeconds();
  t.restart();
  const bool replied = exchange();
  const double wall = t.nsecsElapsed() / 1e9;
  const double cpuShare = (CpuSeconds() - cpu0) / wall;

  std::printf("link: %d exchanges in %.3f s, wire time %.3f s; %d failed; silent wait %.3f s%s\n", kExchanges, measured,
              wire, failed, wall, replied ? " (unexpected reply)" : "");
  std::printf("link: %d exchanges ratio %.2f (goal <= 1.05); idle wait cpu %.1f%% (goal <= 1%%)\n", kExchanges, ratio,
              cpuShare * 100.0);
  link.ClosePort();
  return failed == 0 && !replied ? 0 : 1;
}
