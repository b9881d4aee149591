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

namespace {

constexpr platform::ProgramOption kSimOptions[] = {
    {"type", "N", "measurement type on the wire, 1..31 (default 1 = pH)"},
    {"address", "A", "module address, 0..31 or 255 (default 0)"},
    {"kind", "K",
     "device kind: 4 = amplifier family, 5 = display/controller\n"
     "series, other = earlier devices (default 4)"},
    {"device", "type=N,address=A,kind=K[,identity=ID]",
     "one more amplifier (repeatable); when given, --type,\n"
     "--address and --kind are not used",
     true},
    {"module", "ADDRESS:TYPE[:KIND[:IDENTITY]]",
     "one more amplifier at ADDRESS with measurement type TYPE and\n"
     "device kind KIND (default 4); repeat it for a bus of modules,\n"
     "each with values of its own. Like --device, it replaces --type,\n"
     "--address and --kind\n"
     "Identity (parameter 26, up to four characters): A123 for a\n"
     "single module, S and the address on a bus (S005), unless given",
     true},
    {"display", nullptr, "add a display unit at address 0x80 (listens at 19200 baud)"},
    {"baud", "RATE",
     "the modules listen at RATE (4800, 19200 or 38400) from the\n"
     "start, as one left at its fast rate by a transfer that was\n"
     "cut off; the baud command sets them back"},
    {"com", "N", "link <settings folder>/ports/COM<N> to the pseudo-terminal"},
    {"settings", "DIR", "settings folder for --com (default: the program's own)"},
    {"link", "PATH", "link any path to the pseudo-terminal"},
    {"pace", nullptr,
     "let replies take their time on the line (10 bits per byte\n"
     "at the rate the program set)"},
    {"fault", "KIND[:every|once|G/P]",
     "inject a fault: no-reply, bad-check, bad-end, watchdog,\n"
     "stray, late, hangup, cut-stream, drop-frame (logger streams);\n"
     "for every request (default), the next\n"
     "one only, or every request of group G and parameter P\n"
     "(repeatable)",
     true},
    {"late-ms", "MS", "delay of the late fault (default 2500)"},
    {"settle", "TAU[:NOISE][@ADDRESS]",
     "the values settle: each approaches its target exponentially\n"
     "with the time constant TAU (seconds), with Gaussian noise of\n"
     "NOISE times the channel's usual wander (default 0.02); for\n"
     "every module, or the one at ADDRESS (repeatable)",
     true},
    {"buffer", "V[,V...]",
     "the solutions the sensors are put into, in order: the buffer's\n"
     "pH for the pH types (the electrode's voltage follows), else\n"
     "the value of channel 1; the first at the start, the next on\n"
     "SIGUSR1 (kill -USR1) or every --buffer-every seconds",
     true},
    {"buffer-every", "S", "switch to the next solution every S seconds"},
    {"temperature", "C", "the temperature the modules settle at"},
    {"verbose", nullptr, "print every frame in hex, both directions"},
    {"quiet", nullptr, "print nothing but errors"},
};

// Takes one option of the line (name without "--", with its value) into the options.
std::string TakeOption(const std::string& name, const std::string& v, SimOptions& o, DeviceSpec& single, int& com,
                       std::string& settings) {
  const std::string a = "--" + name;
  std::string why;
  if (name == "type" || name == "address" || name == "kind") {
    int& target = name == "type" ? single.type : name == "address" ? single.address : single.kind;
    if (!ParseInt(v, target)) return a + " needs a number";
  } else if (name == "device" || name == "module") {
    DeviceSpec d;
    if (!(name == "module" ? ParseModule(v, d, why) : ParseDevice(v, d, why))) return a + " " + v + ": " + why;
    o.devices.push_back(d);
  } else if (name == "display" || name == "pace" || name == "verbose" || name == "quiet") {
    (name == "display" ? o.display : name == "pace" ? o.pace : name == "verbose" ? o.verbose : o.quiet) = true;
  } else if (name == "com") {
    if (!ParseInt(v, com) || com < 1 || com > 255) return "--com needs a port number 1..255";
  } else if (name == "settings") {
    settings = v;
  } else if (name == "link") {
    o.linkPath = v;
  } else if (name == "fault") {
    FaultSpec f;
    if (!ParseFault(v, f, why)) return "--fault " + v + ": " + why;
    o.faults.push_back(f);
  } else if (name == "baud") {
    if (!ParseInt(v, o.baud) || !link::IsLineRate(o.baud)) return "--baud needs 4800, 19200 or 38400";
  } else if (name == "late-ms") {
    if (!ParseInt(v, o.lateMs) || o.lateMs < 0) return "--late-ms needs milliseconds";
  } else if (name == "settle") {
    SettleSpec curve;
    if (!ParseSettle(v, curve, why)) return "--settle " + v + ": " + why;
    o.settle.push_back(curve);
  } else if (name == "buffer") {
    std::size_t pos = 0;
    while (pos <= v.size()) {
      const std::size_t comma = v.find(',', pos);
      double x = 0;
      if (!ParseDouble(v.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos), x))
        return "--buffer " + v + ": expected numbers separated by commas";
      o.solutions.push_back(x);
      if (comma == std::string::npos) break;
      pos = comma + 1;
    }
  } else if (name == "buffer-every") {
    if (!ParseDouble(v, o.solutionEvery) || o.solutionEvery <= 0) return "--buffer-every needs seconds";
  } else if (name == "temperature") {
    double t = 0;
    if (!ParseDouble(v, t) || t < -20 || t > 150) return "--temperature needs °C from -20 to 150";
    o.temperature = t;
  }
  return {};
}

}  // namespace

const platform::ProgramLineSpec kSimLine{
    "korvane-sim", "[options]", "Simulated measuring amplifiers (and a display unit) on a pseudo-terminal.",
    kSimOptions,
    "A hang-up closes the line; the simulator then opens a fresh one behind the same\n"
    "link. Ends on Ctrl+C or SIGTERM and removes the link.\n"};

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, platform::LineRequest* request,
                                          std::string* error) {
  SimOptions o;
  DeviceSpec single;
  int com = 0;
  std::string settings;
  auto fail = [&](const std::string& text) {
    *error = text;
    return std::nullopt;
  };
  const std::optional<platform::ProgramLine> line = platform::ParseProgramLine(kSimLine, args, error);
  *request = line ? line->request : platform::LineRequest::kRun;
  if (!line || line->request != platform::LineRequest::kRun) return std::nullopt;
  if (!line->positional.empty()) return fail("unknown argument \"" + line->positional.front() + "\"");
  for (const auto& [name, value] : line->inOrder)
    if (std::string why = TakeOption(name, value, o, single, com, settings); !why.empty()) return fail(why);
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
