// korvane-sim: simulated modules on a pseudo-terminal, linked as a COM port of the
// program's settings folder, so the program talks to them as to real hardware.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "PtyServer.h"
#include "SimOptions.h"
#include "link/Frame.h"
#include "platform/ProgramLine.h"

using namespace korvane;

namespace {

int signalPipe[2] = {-1, -1};

// Ends the simulator (1) or puts the sensors into the next solution (2).
void OnSignal(int signal) {
  const char c = signal == SIGUSR1 ? 2 : 1;
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

int Fail(const std::string& text) {
  std::fprintf(stderr, "korvane-sim: %s\n", text.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  platform::LineRequest request = platform::LineRequest::kRun;
  std::string error;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::optional<sim::SimOptions> options = sim::ParseSimOptions(args, &request, &error);
  if (request != platform::LineRequest::kRun) return platform::AnswerHelpOrVersion(sim::kSimLine, request, std::cout);
  if (!options) return platform::AnswerUsageError("korvane-sim", error, std::cerr);
  const sim::SimOptions& o = *options;
  const bool quiet = o.quiet;
  const std::vector<sim::DeviceSpec>& devices = o.devices;
  const bool display = o.display;

  sim::Bus bus;
  sim::Solutions solutions(o, sim::BuildBus(o, bus));

  sim::PtyServer server(bus);
  server.setPacing(o.pace);
  if (!server.Open()) return Fail(server.error());
  if (!o.linkPath.empty() && !server.SetLink(o.linkPath)) return Fail(server.error());

  QElapsedTimer started;
  started.start();
  if (o.verbose) {
    server.onFrame = [&](bool in, const std::vector<std::uint8_t>& bytes, const std::string& note) {
      std::printf("%9.3f %s %s%s%s\n", started.nsecsElapsed() / 1e9, in ? "<-" : "->",
                  link::HexText(bytes.data(), bytes.size()).c_str(), note.empty() ? "" : "  ", note.c_str());
      std::fflush(stdout);
    };
  }
  auto announce = [&] {
    if (quiet) return;
    std::printf("korvane-sim: line %s", server.slavePath().c_str());
    if (!server.linkPath().empty()) std::printf(" linked as %s", server.linkPath().c_str());
    std::printf("\n");
    std::fflush(stdout);
  };
  announce();
  if (!quiet) {
    for (const sim::DeviceSpec& d : devices)
      std::printf("korvane-sim: amplifier type %d at address %d, device kind %d%s\n", d.type, d.address, d.kind,
                  o.baud > 0 ? (" listening at " + std::to_string(o.baud) + " baud").c_str() : "");
    if (display) std::printf("korvane-sim: display unit at address 0x80\n");
    std::fflush(stdout);
  }

  // A hang-up ends the line the program had open; the next open finds a fresh one.
  QObject::connect(&server, &sim::PtyServer::hungUp, &app, [&] {
    if (!quiet) std::printf("korvane-sim: line hung up\n");
    QTimer::singleShot(500, &app, [&] {
      if (!server.Reopen()) {
        std::fprintf(stderr, "korvane-sim: %s\n", server.error().c_str());
        app.exit(1);
        return;
      }
      announce();
    });
  });

  // The sensors go from solution to solution, on a signal or by the clock.
  const auto nextSolution = [&] {
    const std::optional<double> v = solutions.Next();
    if (v && !quiet) {
      std::printf("korvane-sim: sensors in solution %g\n", *v);
      std::fflush(stdout);
    }
  };
  nextSolution();
  QTimer solutionTimer;
  QObject::connect(&solutionTimer, &QTimer::timeout, &app, nextSolution);
  if (o.solutionEvery > 0) solutionTimer.start(static_cast<int>(o.solutionEvery * 1000));

  // Live values move with the clock.
  QElapsedTimer sinceAdvance;
  sinceAdvance.start();
  QTimer drift;
  QObject::connect(&drift, &QTimer::timeout, &app, [&] { bus.Advance(sinceAdvance.restart() / 1000.0); });
  drift.start(250);

  if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return Fail(std::strerror(errno));
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  ::sigemptyset(&sa.sa_mask);
  ::sigaction(SIGINT, &sa, nullptr);
  ::sigaction(SIGTERM, &sa, nullptr);
  ::sigaction(SIGHUP, &sa, nullptr);
  ::sigaction(SIGUSR1, &sa, nullptr);
  QSocketNotifier stop(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(&stop, &QSocketNotifier::activated, &app, [&] {
    char c = 0;
    while (::read(signalPipe[0], &c, 1) == 1) {
      if (c == 2)
        nextSolution();
      else
        app.quit();
    }
  });

  const int rc = app.exec();
  server.Close();  // removes the link
  if (!quiet) std::printf("korvane-sim: ended\n");
  return rc;
}
