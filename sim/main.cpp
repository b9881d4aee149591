// korvane-sim: simulated modules on a pseudo-terminal, linked as a COM port of the
// program's settings folder, so the program talks to them as to real hardware.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "DisplayUnit.h"
#include "PtyServer.h"
#include "Bus.h"
#include "Amplifier.h"
#include "platform/NumberText.h"
#include "platform/PortNames.h"

using namespace korvane;

namespace {

const char* kUsage =
    "Usage: korvane-sim [options]\n"
    "Simulated measuring amplifiers (and a display unit) on a pseudo-terminal.\n"
    "\n"
    "  --type N          measurement type on the wire, 1..31 (default 1 = pH)\n"
    "  --address A       module address, 0..31 or 255 (default 0)\n"
    "  --kind K          device kind: 4 = amplifier family, 5 = display/controller\n"
    "                    series, other = earlier devices (default 4)\n"
    "  --device type=N,address=A,kind=K\n"
    "                    one more amplifier (repeatable); when given, --type,\n"
    "                    --address and --kind are not used\n"
    "  --module ADDRESS:TYPE[:KIND]\n"
    "                    one more amplifier at ADDRESS with measurement type TYPE and\n"
    "                    device kind KIND (default 4); repeat it for a bus of modules,\n"
    "                    each with values of its own. Like --device, it replaces --type,\n"
    "                    --address and --kind\n"
    "  --display         add a display unit at address 0x80 (listens at 19200 baud)\n"
    "  --com N           link <settings folder>/ports/COM<N> to the pseudo-terminal\n"
    "  --settings DIR    settings folder for --com (default: the program's own)\n"
    "  --link PATH       link any path to the pseudo-terminal\n"
    "  --pace            let replies take their time on the line (10 bits per byte\n"
    "                    at the rate the program set)\n"
    "  --fault KIND[:every|once|G/P]\n"
    "                    inject a fault: no-reply, bad-check, bad-end, watchdog,\n"
    "                    stray, late, hangup, cut-stream, drop-frame (logger streams);\n"
    "                    for every request (default), the next\n"
    "                    one only, or every request of group G and parameter P\n"
    "                    (repeatable)\n"
    "  --late-ms MS      delay of the late fault (default 2500)\n"
    "  --verbose         print every frame in hex, both directions\n"
    "  --quiet           print nothing but errors\n"
    "  --help            this text\n"
    "\n"
    "A hang-up closes the line; the simulator then opens a fresh one behind the same\n"
    "link. Ends on Ctrl+C or SIGTERM and removes the link.\n";

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
  const char c = 1;
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}

bool ParseInt(const std::string& text, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 0);
  if (errno != 0 || *end != '\0' || v < -1000000 || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

struct DeviceSpec {
  int type = 1;
  int address = 0;
  int kind = static_cast<int>(link::DeviceKind::kAmplifier);
};

bool ParseDevice(const std::string& text, DeviceSpec& d, std::string& why) {
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t comma = text.find(',', pos);
    const std::string item = text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    const std::size_t eq = item.find('=');
    int v = 0;
    if (eq == std::string::npos || !ParseInt(item.substr(eq + 1), v)) {
      why = "expected key=number, got \"" + item + "\"";
      return false;
    }
    const std::string key = item.substr(0, eq);
    if (key == "type")
      d.type = v;
    else if (key == "address")
      d.address = v;
    else if (key == "kind")
      d.kind = v;
    else {
      why = "unknown key \"" + key + "\" (type, address, kind)";
      return false;
    }
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return true;
}

// "ADDRESS:TYPE[:KIND]".
bool ParseModule(const std::string& text, DeviceSpec& d, std::string& why) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (true) {
    const std::size_t colon = text.find(':', pos);
    parts.push_back(text.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos));
    if (colon == std::string::npos) break;
    pos = colon + 1;
  }
  if (parts.size() < 2 || parts.size() > 3) {
    why = "expected ADDRESS:TYPE or ADDRESS:TYPE:KIND";
    return false;
  }
  int* fields[] = {&d.address, &d.type, &d.kind};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!ParseInt(parts[i], *fields[i])) {
      why = "\"" + parts[i] + "\" is not a number";
      return false;
    }
  }
  return true;
}

bool CheckDevice(const DeviceSpec& d, std::string& why) {
  if (d.type < 1 || d.type > 31)
    why = platform::StringPrintf("type %d is not 1..31", d.type);
  else if (!(d.address >= 0 && d.address <= 31) && d.address != 255)
    why = platform::StringPrintf("address %d is not 0..31 or 255", d.address);
  else if (d.kind < 0 || d.kind > 255)
    why = platform::StringPrintf("device kind %d is not 0..255", d.kind);
  else
    return true;
  return false;
}

struct FaultSpec {
  sim::Fault fault = sim::Fault::kNone;
  enum { kEvery, kOnce, kWhen } mode = kEvery;
  int group = 0;
  int parameter = 0;
};

bool ParseFault(const std::string& text, FaultSpec& f, std::string& why) {
  const std::size_t colon = text.find(':');
  const std::string kind = text.substr(0, colon);
  static const sim::Fault all[] = {sim::Fault::kNoReply,  sim::Fault::kBadCheck,   sim::Fault::kBadEnd,
                                   sim::Fault::kWatchdog, sim::Fault::kStrayBytes, sim::Fault::kLate,
                                   sim::Fault::kHangUp,   sim::Fault::kCutStream,  sim::Fault::kDropFrame};
  for (sim::Fault x : all)
    if (kind == sim::FaultName(x)) f.fault = x;
  if (f.fault == sim::Fault::kNone) {
    why = "unknown fault \"" + kind +
          "\" (no-reply, bad-check, bad-end, watchdog, stray, late, hangup, cut-stream, drop-frame)";
    return false;
  }
  if (colon == std::string::npos) return true;
  const std::string when = text.substr(colon + 1);
  if (when == "every") return true;
  if (when == "once") {
    f.mode = FaultSpec::kOnce;
    return true;
  }
  const std::size_t slash = when.find('/');
  if (slash != std::string::npos && ParseInt(when.substr(0, slash), f.group) &&
      ParseInt(when.substr(slash + 1), f.parameter) && f.group >= 0 && f.group <= 255 && f.parameter >= 0 &&
      f.parameter <= 255) {
    f.mode = FaultSpec::kWhen;
    return true;
  }
  why = "\"" + when + "\" is not every, once or GROUP/PARAMETER";
  return false;
}

int Fail(const std::string& text) {
  std::fprintf(stderr, "korvane-sim: %s\n", text.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);

  DeviceSpec single;
  std::vector<DeviceSpec> devices;
  std::vector<FaultSpec> faults;
  bool display = false, pace = false, verbose = false, quiet = false;
  int com = 0, lateMs = -1;
  std::string settings, linkPath;

  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    auto number = [&](int& out) {
      std::string v;
      return value(v) && ParseInt(v, out);
    };
    std::string v, why;
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (a == "--type") {
      if (!number(single.type)) return Fail("--type needs a number");
    } else if (a == "--address") {
      if (!number(single.address)) return Fail("--address needs a number");
    } else if (a == "--kind") {
      if (!number(single.kind)) return Fail("--kind needs a number");
    } else if (a == "--device") {
      DeviceSpec d;
      if (!value(v)) return Fail("--device needs type=N,address=A,kind=K");
      if (!ParseDevice(v, d, why)) return Fail("--device " + v + ": " + why);
      devices.push_back(d);
    } else if (a == "--module") {
      DeviceSpec d;
      if (!value(v)) return Fail("--module needs ADDRESS:TYPE[:KIND]");
      if (!ParseModule(v, d, why)) return Fail("--module " + v + ": " + why);
      devices.push_back(d);
    } else if (a == "--display") {
      display = true;
    } else if (a == "--com") {
      if (!number(com) || com < 1 || com > 255) return Fail("--com needs a port number 1..255");
    } else if (a == "--settings") {
      if (!value(settings)) return Fail("--settings needs a folder");
    } else if (a == "--link") {
      if (!value(linkPath)) return Fail("--link needs a path");
    } else if (a == "--pace") {
      pace = true;
    } else if (a == "--fault") {
      FaultSpec f;
      if (!value(v)) return Fail("--fault needs a kind");
      if (!ParseFault(v, f, why)) return Fail("--fault " + v + ": " + why);
      faults.push_back(f);
    } else if (a == "--late-ms") {
      if (!number(lateMs) || lateMs < 0) return Fail("--late-ms needs milliseconds");
    } else if (a == "--verbose") {
      verbose = true;
    } else if (a == "--quiet") {
      quiet = true;
    } else {
      return Fail("unknown option " + a + " (see --help)");
    }
  }
  if (devices.empty()) devices.push_back(single);
  for (std::size_t i = 0; i < devices.size(); ++i) {
    std::string why;
    if (!CheckDevice(devices[i], why)) return Fail(why);
    // Two modules at one address would both answer: a garbled line, not a bus.
    for (std::size_t j = 0; j < i; ++j)
      if (devices[j].address == devices[i].address)
        return Fail(platform::StringPrintf("two modules at address %d", devices[i].address));
  }
  if (com > 0 && !linkPath.empty()) return Fail("give either --com or --link");
  if (com > 0)
    linkPath = (settings.empty() ? platform::SettingsFolder() : settings) + platform::StringPrintf("/ports/COM%d", com);
  if (quiet) verbose = false;

  sim::Bus bus;
  for (const DeviceSpec& d : devices)
    bus.Add(std::make_shared<sim::Amplifier>(d.type, static_cast<std::uint8_t>(d.address), d.kind));
  if (display) bus.Add(std::make_shared<sim::DisplayUnit>());
  if (lateMs >= 0) bus.SetLateDelayMs(lateMs);
  for (const FaultSpec& f : faults) {
    if (f.mode == FaultSpec::kOnce)
      bus.FaultNext(f.fault);
    else if (f.mode == FaultSpec::kWhen)
      bus.FaultWhen(static_cast<std::uint8_t>(f.group), static_cast<std::uint8_t>(f.parameter), f.fault, -1);
    else
      bus.SetFault(f.fault);
  }

  sim::PtyServer server(bus);
  server.setPacing(pace);
  if (!server.Open()) return Fail(server.error());
  if (!linkPath.empty() && !server.SetLink(linkPath)) return Fail(server.error());

  QElapsedTimer started;
  started.start();
  if (verbose) {
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
    for (const DeviceSpec& d : devices)
      std::printf("korvane-sim: amplifier type %d at address %d, device kind %d\n", d.type, d.address, d.kind);
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
  QSocketNotifier stop(signalPipe[0], QSocketNotifier::Read);
  QObject::connect(&stop, &QSocketNotifier::activated, &app, [&] { app.quit(); });

  const int rc = app.exec();
  server.Close();  // removes the link
  if (!quiet) std::printf("korvane-sim: ended\n");
  return rc;
}
