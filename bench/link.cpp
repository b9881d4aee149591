// bench_link: how close the link comes to the line's own speed, and what a wait costs.
// Talks to a simulated module on a pseudo-terminal that paces its bytes at 4800 baud.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>

#include "PtyServer.h"
#include "Bus.h"
#include "Amplifier.h"
#include "link/Link.h"
#include "PrintUi.h"
#include "support/LocalSer2Net.h"

using namespace korvane;

namespace {

// Nothing in the benchmark asks the user anything; anything shown is printed.
using bench::PrintUi;

double CpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// kExchanges reads over the line the device names; prints the ratio to the wire time.
bool Exchanges(const char* name, const std::string& device, int count, bool quiet = false) {
  constexpr int kBaud = 4800;
  PrintUi ui;
  link::Link link([&](int) { return device; });
  link.setBaudRate(kBaud);
  if (!link.OpenPort(Language::kEnglish)) {
    ui.Message(link.openMessage(), platform::kAppTitle);
    return false;
  }
  auto exchange = [&] { return link.Read(0, link::kCalibration2); };
  for (int i = 0; i < 5; ++i) exchange();  // warm up
  int failed = 0;
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < count; ++i)
    if (!exchange()) ++failed;
  const double measured = t.nsecsElapsed() / 1e9;
  const double wire = count * 22.0 * 10.0 / kBaud;
  if (!quiet)
    std::printf("link %s: %d exchanges in %.3f s, wire time %.3f s, ratio %.3f (goal <= 1.05); %d failed\n", name,
                count, measured, wire, measured / wire, failed);
  link.ClosePort();
  return failed == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  constexpr int kExchanges = 200;
  constexpr int kBaud = 4800;

  // bench_link --device PATH N: only N exchanges with a device served elsewhere (a
  // korvane-sim --pace), so strace -c -f counts this program's system calls alone.
  if (argc == 4 && std::string(argv[1]) == "--device")
    return Exchanges("device", argv[2], std::atoi(argv[3]), true) ? 0 : 1;

  sim::Bus bus;
  bus.Add(std::make_shared<sim::Amplifier>(1, 0, 4));
  sim::PtyServer server(bus);
  server.setPacing(true);
  if (!server.Open()) {
    std::fprintf(stderr, "bench_link: %s\n", server.error().c_str());
    return 2;
  }
  QTemporaryDir dir;
  test::LocalSer2Net ser2net;
  const bool network = ser2net.Start(server.slavePath(), dir.path());
  if (!network) std::fprintf(stderr, "bench_link: no network lines: %s\n", ser2net.error().c_str());
  bool ok = Exchanges("pty", server.slavePath(), kExchanges);
  if (network) {
    ok = Exchanges("rfc2217", ser2net.rfc2217(), kExchanges) && ok;
    QThread::msleep(500);  // ser2net lets the device go after the last connection ended
    ok = Exchanges("socket", ser2net.raw(), kExchanges) && ok;
  }

  PrintUi ui;
  link::Link link([&](int) { return server.slavePath(); });
  link.setBaudRate(kBaud);
  if (!link.OpenPort(Language::kEnglish)) {
    ui.Message(link.openMessage(), platform::kAppTitle);
    return 2;
  }
  // A wait that times out: the module stays silent for the whole reply time-out.
  bus.SetFault(sim::Fault::kNoReply);
  const double cpu0 = CpuSeconds();
  QElapsedTimer t;
  t.restart();
  const bool replied = link.Read(0, link::kCalibration2);
  const double wall = t.nsecsElapsed() / 1e9;
  const double cpuShare = (CpuSeconds() - cpu0) / wall;
  std::printf("link: silent wait %.3f s%s, idle wait cpu %.1f%% (goal <= 1%%)\n", wall,
              replied ? " (unexpected reply)" : "", cpuShare * 100.0);
  link.ClosePort();
  return ok && !replied ? 0 : 1;
}
