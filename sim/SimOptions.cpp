#include "SimOptions.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "Amplifier.h"
#include "DisplayUnit.h"
#include "platform/NumberText.h"
#include "platform/PortNames.h"

namespace korvane::sim {

namespace {

bool ParseInt(const std::string& text, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 0);
  if (errno != 0 || *end != '\0' || v < -1000000 || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

bool ParseDevice(const std::string& text, DeviceSpec& d, std::string& why) {
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t comma = text.find(',', pos);
    const std::string item = text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos);
    const std::size_t eq = item.find('=');
    int v = 0;
    const bool text = eq != std::string::npos && item.substr(0, eq) == "identity";
    if (eq == std::string::npos || (!text && !ParseInt(item.substr(eq + 1), v))) {
      why = "expected key=number, got \"" + item + "\"";
      return false;
    }
    const std::string key = item.substr(0, eq);
    if (key == "identity" && eq != std::string::npos) {
      d.identity = item.substr(eq + 1);
    } else if (key == "type")
      d.type = v;
    else if (key == "address")
      d.address = v;
    else if (key == "kind")
      d.kind = v;
    else {
      why = "unknown key \"" + key + "\" (type, address, kind, identity)";
      return false;
    }
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  return true;
}

// "ADDRESS:TYPE[:KIND[:IDENTITY]]".
bool ParseModule(const std::string& text, DeviceSpec& d, std::string& why) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (true) {
    const std::size_t colon = text.find(':', pos);
    parts.push_back(text.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos));
    if (colon == std::string::npos) break;
    pos = colon + 1;
  }
  if (parts.size() < 2 || parts.size() > 4) {
    why = "expected ADDRESS:TYPE, ADDRESS:TYPE:KIND or ADDRESS:TYPE:KIND:IDENTITY";
    return false;
  }
  if (parts.size() == 4) d.identity = parts[3];
  int* fields[] = {&d.address, &d.type, &d.kind};
  for (std::size_t i = 0; i < parts.size() && i < 3; ++i) {
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
  else if (d.identity.size() > 4)
    why = "identity \"" + d.identity + "\" is longer than four characters";
  else
    return true;
  return false;
}

bool ParseFault(const std::string& text, FaultSpec& f, std::string& why) {
  const std::size_t colon = text.find(':');
  const std::string kind = text.substr(0, colon);
  static const Fault all[] = {Fault::kNoReply,  Fault::kBadCheck,   Fault::kBadEnd,
                              Fault::kWatchdog, Fault::kStrayBytes, Fault::kLate,
                              Fault::kHangUp,   Fault::kCutStream,  Fault::kDropFrame};
  for (Fault x : all)
    if (kind == FaultName(x)) f.fault = x;
  if (f.fault == Fault::kNone) {
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

// A number with "." whatever the locale, the whole text.
bool ParseDouble(const std::string& text, double& out) {
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

// "TAU[:NOISE][@ADDRESS]".
bool ParseSettle(const std::string& text, SettleSpec& s, std::string& why) {
  std::string rest = text;
  if (const std::size_t at = rest.find('@'); at != std::string::npos) {
    if (!ParseInt(rest.substr(at + 1), s.address) || s.address < 0 || s.address > 255) {
      why = "\"" + rest.substr(at + 1) + "\" is no address";
      return false;
    }
    rest = rest.substr(0, at);
  }
  const std::size_t colon = rest.find(':');
  if (!ParseDouble(rest.substr(0, colon), s.tau) || s.tau <= 0 ||
      (colon != std::string::npos && (!ParseDouble(rest.substr(colon + 1), s.noise) || s.noise < 0))) {
    why = "expected TAU[:NOISE][@ADDRESS] with TAU > 0 seconds and NOISE >= 0";
    return false;
  }
  return true;
}

}  // namespace

const char* const kSimUsage =
    "Usage: korvane-sim [options]\n"
    "Simulated measuring amplifiers (and a display unit) on a pseudo-terminal.\n"
    "\n"
    "  --type N          measurement type on the wire, 1..31 (default 1 = pH)\n"
    "  --address A       module address, 0..31 or 255 (default 0)\n"
    "  --kind K          device kind: 4 = amplifier family, 5 = display/controller\n"
    "                    series, other = earlier devices (default 4)\n"
    "  --device type=N,address=A,kind=K[,identity=ID]\n"
    "                    one more amplifier (repeatable); when given, --type,\n"
    "                    --address and --kind are not used\n"
    "  --module ADDRESS:TYPE[:KIND[:IDENTITY]]\n"
    "                    one more amplifier at ADDRESS with measurement type TYPE and\n"
    "                    device kind KIND (default 4); repeat it for a bus of modules,\n"
    "                    each with values of its own. Like --device, it replaces --type,\n"
    "                    --address and --kind\n"
    "                    Identity (parameter 26, up to four characters): A123 for a\n"
    "                    single module, S and the address on a bus (S005), unless given\n"
    "  --display         add a display unit at address 0x80 (listens at 19200 baud)\n"
    "  --baud RATE       the modules listen at RATE (4800, 19200 or 38400) from the\n"
    "                    start, as one left at its fast rate by a transfer that was\n"
    "                    cut off; the baud command sets them back\n"
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
    "  --settle TAU[:NOISE][@ADDRESS]\n"
    "                    the values settle: each approaches its target exponentially\n"
    "                    with the time constant TAU (seconds), with Gaussian noise of\n"
    "                    NOISE times the channel's usual wander (default 0.02); for\n"
    "                    every module, or the one at ADDRESS (repeatable)\n"
    "  --buffer V[,V...] the solutions the sensors are put into, in order: the buffer's\n"
    "                    pH for the pH types (the electrode's voltage follows), else\n"
    "                    the value of channel 1; the first at the start, the next on\n"
    "                    SIGUSR1 (kill -USR1) or every --buffer-every seconds\n"
    "  --buffer-every S  switch to the next solution every S seconds\n"
    "  --temperature C   the temperature the modules settle at\n"
    "  --verbose         print every frame in hex, both directions\n"
    "  --quiet           print nothing but errors\n"
    "  --help            prints this text and exits\n"
    "  --version         prints the program's name and version and exits\n"
    "\n"
    "A hang-up closes the line; the simulator then opens a fresh one behind the same\n"
    "link. Ends on Ctrl+C or SIGTERM and removes the link.\n";

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, bool* help, std::string* error) {
  SimOptions o;
  DeviceSpec single;
  int com = 0;
  std::string settings;
  *help = false;
  auto fail = [&](const std::string& text) {
    *error = text;
    return std::nullopt;
  };
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
      *help = true;
      return std::nullopt;
    } else if (a == "--type") {
      if (!number(single.type)) return fail("--type needs a number");
    } else if (a == "--address") {
      if (!number(single.address)) return fail("--address needs a number");
    } else if (a == "--kind") {
      if (!number(single.kind)) return fail("--kind needs a number");
    } else if (a == "--device" || a == "--module") {
      DeviceSpec d;
      const bool module = a == "--module";
      if (!value(v)) return fail(a + (module ? " needs ADDRESS:TYPE[:KIND]" : " needs type=N,address=A,kind=K"));
      if (!(module ? ParseModule(v, d, why) : ParseDevice(v, d, why))) return fail(a + " " + v + ": " + why);
      o.devices.push_back(d);
    } else if (a == "--display") {
      o.display = true;
    } else if (a == "--com") {
      if (!number(com) || com < 1 || com > 255) return fail("--com needs a port number 1..255");
    } else if (a == "--settings") {
      if (!value(settings)) return fail("--settings needs a folder");
    } else if (a == "--link") {
      if (!value(o.linkPath)) return fail("--link needs a path");
    } else if (a == "--pace") {
      o.pace = true;
    } else if (a == "--fault") {
      FaultSpec f;
      if (!value(v)) return fail("--fault needs a kind");
      if (!ParseFault(v, f, why)) return fail("--fault " + v + ": " + why);
      o.faults.push_back(f);
    } else if (a == "--baud") {
      if (!number(o.baud) || !link::IsLineRate(o.baud)) return fail("--baud needs 4800, 19200 or 38400");
    } else if (a == "--late-ms") {
      if (!number(o.lateMs) || o.lateMs < 0) return fail("--late-ms needs milliseconds");
    } else if (a == "--settle") {
      SettleSpec curve;
      if (!value(v)) return fail("--settle needs TAU[:NOISE][@ADDRESS]");
      if (!ParseSettle(v, curve, why)) return fail("--settle " + v + ": " + why);
      o.settle.push_back(curve);
    } else if (a == "--buffer") {
      if (!value(v)) return fail("--buffer needs values");
      std::size_t pos = 0;
      while (pos <= v.size()) {
        const std::size_t comma = v.find(',', pos);
        double x = 0;
        if (!ParseDouble(v.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos), x))
          return fail("--buffer " + v + ": expected numbers separated by commas");
        o.solutions.push_back(x);
        if (comma == std::string::npos) break;
        pos = comma + 1;
      }
    } else if (a == "--buffer-every") {
      if (!value(v) || !ParseDouble(v, o.solutionEvery) || o.solutionEvery <= 0)
        return fail("--buffer-every needs seconds");
    } else if (a == "--temperature") {
      double t = 0;
      if (!value(v) || !ParseDouble(v, t) || t < -20 || t > 150) return fail("--temperature needs °C from -20 to 150");
      o.temperature = t;
    } else if (a == "--verbose") {
      o.verbose = true;
    } else if (a == "--quiet") {
      o.quiet = true;
    } else {
      return fail("unknown option " + a);
    }
  }
  if (o.devices.empty()) o.devices.push_back(single);
  for (std::size_t i = 0; i < o.devices.size(); ++i) {
    std::string why;
    if (!CheckDevice(o.devices[i], why)) return fail(why);
    // Two modules at one address would both answer: a garbled line, not a bus.
    for (std::size_t j = 0; j < i; ++j)
      if (o.devices[j].address == o.devices[i].address)
        return fail(platform::StringPrintf("two modules at address %d", o.devices[i].address));
  }
  if (com > 0 && !o.linkPath.empty()) return fail("give either --com or --link");
  if (com > 0)
    o.linkPath =
        (settings.empty() ? platform::SettingsFolder() : settings) + platform::StringPrintf("/ports/COM%d", com);
  if (o.quiet) o.verbose = false;
  if ((!o.solutions.empty() || o.temperature) && o.settle.empty()) o.settle.push_back({});
  for (SettleSpec& curve : o.settle)
    if (curve.tau <= 0) curve.tau = 5;  // a buffer or temperature alone settles quickly
  return o;
}

std::string IdentityOf(const DeviceSpec& d, std::size_t modules) {
  if (!d.identity.empty()) return d.identity;
  return modules == 1 ? "A123" : platform::StringPrintf("S%03d", d.address);
}

std::vector<std::shared_ptr<Amplifier>> BuildBus(const SimOptions& o, Bus& bus) {
  std::vector<std::shared_ptr<Amplifier>> amplifiers;
  for (const DeviceSpec& d : o.devices) {
    auto amplifier = std::make_shared<Amplifier>(d.type, static_cast<std::uint8_t>(d.address), d.kind);
    const std::string id = IdentityOf(d, o.devices.size());
    link::Data4 bytes{};
    for (std::size_t i = 0; i < id.size() && i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(id[i]);
    amplifier->SetParameter(link::kIdentity.number, bytes);
    if (o.baud > 0) amplifier->SetBaud(o.baud);
    for (const SettleSpec& s : o.settle)
      if (s.address < 0 || s.address == d.address) amplifier->SetSettle(s.tau, s.noise);
    if (o.temperature) amplifier->SetTarget(6, static_cast<float>(*o.temperature));
    amplifiers.push_back(amplifier);
    bus.Add(std::move(amplifier));
  }
  if (o.display) bus.Add(std::make_shared<DisplayUnit>());
  if (o.lateMs >= 0) bus.SetLateDelayMs(o.lateMs);
  for (const FaultSpec& f : o.faults) {
    if (f.mode == FaultSpec::kOnce)
      bus.FaultNext(f.fault);
    else if (f.mode == FaultSpec::kWhen)
      bus.FaultWhen(static_cast<std::uint8_t>(f.group), static_cast<std::uint8_t>(f.parameter), f.fault, -1);
    else
      bus.SetFault(f.fault);
  }
  return amplifiers;
}

std::optional<double> Solutions::Next() {
  if (values_.empty()) return std::nullopt;
  const double v = values_[next_ % values_.size()];
  ++next_;
  for (const auto& a : amplifiers_) a->SetSolution(v);
  return v;
}

}  // namespace korvane::sim
