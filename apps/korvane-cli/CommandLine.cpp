#include "CommandLine.h"

#include <cctype>
#include <climits>
#include <tuple>
#include <cstdio>

#include <QDateTime>
#include <QTimeZone>

#include "app/OwnSettings.h"
#include "bus/AddressList.h"
#include "history/HistoryLocation.h"
#include "history/Witness.h"
#include "types/Cp1252.h"
#include "display/DisplayFile.h"
#include "link/Protocol.h"
#include "logger/DeviceClock.h"
#include "logger/render/ChartFile.h"
#include "platform/NumberText.h"

namespace korvane::cli {
namespace {

// A whole decimal integer that fits an int, nothing else.
bool ParseInt(const std::string& text, int* value) {
  std::size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    i = 1;
  }
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  *value = static_cast<int>(v);
  return true;
}

bool IsOption(const std::string& arg, const std::string& name) { return arg == name || arg.rfind(name + "=", 0) == 0; }

constexpr platform::ProgramOption kCommonOptions[] = {
    {"device", "PATH",
     "serial device to use (instead of the COM port mapping), or a\n"
     "line over the network: rfc2217://HOST:PORT, socket://HOST:PORT"},
    {"port", "N", "COM port number 1..255 (default: the settings file's)"},
    {"address", "A",
     "module address 0..255 (default 0); live also takes a list\n"
     "of addresses 0..31 and ranges: 0,3,5-7"},
    {"baud", "RATE", "4800, 19200 or 38400 (default: the settings file's)"},
    {"lang", kLanguageChoice, "language of texts and messages (default: the settings file's)"},
    {"settings", "DIR",
     "settings folder (default: $APPDATA/Korvane, else\n"
     "$XDG_CONFIG_HOME/Korvane or ~/.config/Korvane)"},
    {"trace", "FILE",
     "every frame sent and received, damaged frames and time-outs,\n"
     "one line each with a millisecond time stamp, into FILE (- for stderr)"},
    {"history", "WHERE",
     "the module history every command that talks to a module records\n"
     "in: a file, postgresql://user@host:port/database (the password from\n"
     "~/.pgpass or PGPASSFILE), or none (default: <data folder>/history.sqlite,\n"
     "the data folder $APPDATA/Korvane, else $XDG_DATA_HOME/Korvane or\n"
     "~/.local/share/Korvane)"},
    {"technician", "NAME",
     "who is recorded (default: the name the desktop program keeps, else\n"
     "the login name)"},
};

}  // namespace

const platform::ProgramLineSpec kCliLine{
    "korvane-cli", "[common options] COMMAND [command options]", "", kCommonOptions, nullptr, "Common options:"};

// --- options ------------------------------------------------------------------------------

bool ArgReader::Value(const std::string& name, std::string* value) {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    const std::string& a = args_[i];
    if (IsOption(a, name) && Repeated(name, i)) return false;
    if (a == name) {
      // The next option is not this one's value: "--record --count 5" lacks the file.
      if (i + 1 >= args_.size() || args_[i + 1].rfind("--", 0) == 0) {
        error_ = name + " needs a value";
        args_.erase(args_.begin() + static_cast<long>(i));
        return false;
      }
      *value = args_[i + 1];
      args_.erase(args_.begin() + static_cast<long>(i), args_.begin() + static_cast<long>(i) + 2);
      return true;
    }
    if (a.rfind(name + "=", 0) == 0) {
      *value = a.substr(name.size() + 1);
      args_.erase(args_.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

bool ArgReader::Repeated(const std::string& name, std::size_t first) {
  for (std::size_t j = first + 1; j < args_.size(); ++j) {
    if (IsOption(args_[j], name)) {
      error_ = name + " is given more than once";
      return true;
    }
  }
  return false;
}

std::vector<std::string> ArgReader::Values(const std::string& name) {
  std::vector<std::string> values;
  for (std::size_t i = 0; i < args_.size();) {
    const std::string& a = args_[i];
    if (a == name) {
      if (i + 1 >= args_.size() || args_[i + 1].rfind("--", 0) == 0) {
        error_ = name + " needs a value";
        args_.erase(args_.begin() + static_cast<long>(i));
        continue;
      }
      values.push_back(args_[i + 1]);
      args_.erase(args_.begin() + static_cast<long>(i), args_.begin() + static_cast<long>(i) + 2);
    } else if (a.rfind(name + "=", 0) == 0) {
      values.push_back(a.substr(name.size() + 1));
      args_.erase(args_.begin() + static_cast<long>(i));
    } else {
      ++i;
    }
  }
  return values;
}

bool ArgReader::Flag(const std::string& name) {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] == name) {
      if (Repeated(name, i)) return false;
      args_.erase(args_.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

bool ArgReader::Int(const std::string& name, int min, int max, int* value) {
  std::string text;
  if (!Value(name, &text)) return false;
  int v = 0;
  if (!ParseInt(text, &v) || v < min || v > max) {
    error_ = platform::StringPrintf("%s takes a whole number from %d to %d, not \"%s\"", name.c_str(), min, max,
                                    text.c_str());
    return false;
  }
  *value = v;
  return true;
}

std::optional<std::string> ArgReader::Positional() {
  for (std::size_t i = 0; i < args_.size(); ++i) {
    if (args_[i].rfind("--", 0) != 0 || args_[i] == "-") {
      std::string v = args_[i];
      args_.erase(args_.begin() + static_cast<long>(i));
      return v;
    }
  }
  return std::nullopt;
}

bool ArgReader::Done() {
  if (!error_.empty()) return false;
  if (args_.empty()) return true;
  const std::string& first = args_.front();
  error_ = first.rfind("--", 0) == 0 ? "unknown option " + first.substr(0, first.find('='))
                                     : "unknown argument \"" + first + "\"";
  return false;
}

bool ParseCommonOptions(std::vector<std::string>& args, CommonOptions& o, std::string* error) {
  ArgReader r(args);
  auto fail = [&](const std::string& text) {
    if (error) *error = text;
    return false;
  };
  std::string text;
  if (r.Value("--device", &text)) {
    if (text.empty()) return fail("--device needs a device path");
    o.device = text;
  }
  int v = 0;
  if (r.Int("--port", 1, 255, &v)) o.port = v;
  if (r.Value("--address", &text)) {
    o.addressGiven = true;
    // One number is the module of every command; a list or range is the bus of live.
    if (ParseInt(text, &v)) {
      if (v < 0 || v > 255) return fail("--address takes a whole number from 0 to 255, not \"" + text + "\"");
      o.address = v;
    } else {
      std::string why;
      const auto list = bus::ParseAddressList(text, &why);
      if (!list) return fail("--address: " + why);
      o.addresses = *list;
      o.address = list->front();
    }
  }
  if (r.Int("--baud", 0, 1000000, &v)) {
    if (!link::IsLineRate(v)) return fail("--baud takes 4800, 19200 or 38400");
    o.baud = v;
  }
  if (r.Value("--lang", &text)) {
    o.language = LanguageFromCode(text);
    if (!o.language) return fail("--lang takes " + LanguageCodeList() + ", not \"" + text + "\"");
  }
  if (r.Value("--settings", &text)) o.settingsFolder = text;
  if (r.Value("--trace", &text)) {
    if (text.empty()) return fail("--trace needs a file (- for stderr)");
    o.trace = text;
  }
  if (r.Value("--history", &text)) {
    history::HistoryChoice choice;
    std::string why;
    if (text.empty() || !history::ParseHistoryOption(text, &choice, &why))
      return fail(text.empty() ? "--history needs a file, a postgresql:// URL or none" : why);
    o.history = text;
  }
  if (r.Value("--technician", &text)) {
    const std::optional<std::string> name = app::TechnicianName(text);
    if (!name) return fail("--technician needs a name without control characters");
    o.technician = *name;
  }
  if (r.failed()) return fail(r.error());
  if (!o.device.empty() && o.port) return fail("give either --device or --port, not both");
  return true;
}

std::optional<measurement::TimeOfDay> ParseTimeOfDay(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  int h = 0, m = 0, s = 0;
  if (!ParseInt(text.substr(0, 2), &h) || !ParseInt(text.substr(3, 2), &m) || !ParseInt(text.substr(6, 2), &s))
    return std::nullopt;
  if (text[0] == '-' || text[3] == '-' || text[6] == '-' || text[0] == '+' || text[3] == '+' || text[6] == '+')
    return std::nullopt;
  if (h > 23 || m > 59 || s > 59) return std::nullopt;
  return measurement::TimeOfDay{h, m, s};
}

// --- the commands' own options ---------------------------------------------------------

namespace {

// The shortest poll periods (ms): the mean chain bench_live measured against the paced
// simulator (277, 70 and 35 ms; the wire alone takes 275, 69 and 35 ms), with room for
// the timer's slack and the line's scheduling.
constexpr int kShortestPoll4800 = 300;
constexpr int kShortestPoll19200 = 80;
constexpr int kShortestPoll38400 = 45;

// A file name option that is given must name something.
std::string NeedsName(const std::string& option, const std::string& value) {
  return value.empty() ? option + " needs a file name" : std::string();
}

// The reader's error, or what the command still did not take.
std::string Finish(ArgReader& r) { return r.Done() ? std::string() : r.error(); }

// "-o FILE", which the command needs.
std::string OutputOnly(Args& args, CommandOptions& o, const char* usage) {
  ArgReader r(args);
  if (!r.Value("-o", &o.output)) return r.failed() ? r.error() : usage;
  if (std::string e = Finish(r); !e.empty()) return e;
  return NeedsName("-o", o.output);
}

}  // namespace

int ShortestPollMs(int baud) {
  // Measured by bench_live against the paced simulator: six requests and replies of
  // eleven bytes (132 bytes of ten bits on the wire) and the turns between them.
  switch (baud) {
    case link::kSlowBaud: return kShortestPoll4800;
    case link::kMediumBaud: return kShortestPoll19200;
    case link::kFastBaud: return kShortestPoll38400;
    default: return baud > 0 ? (12 * 11 * 10 * 1000 + baud - 1) / baud : 0;
  }
}

std::optional<platform::LocalTime> ParseDeviceTime(const std::string& text) {
  // Exactly "YYYY-MM-DD hh:mm:ss": digits where the pattern has them.
  static constexpr char kPattern[] = "dddd-dd-dd dd:dd:dd";
  if (text.size() != sizeof kPattern - 1) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return std::nullopt;
  }
  auto field = [&](std::size_t at, std::size_t n) { return std::stoi(text.substr(at, n)); };
  const platform::LocalTime t{field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2)};
  if (!logger::IsDeviceTime(t)) return std::nullopt;
  return t;
}

std::string ParseNothing(Args& args, int, CommandOptions&) {
  ArgReader r(args);
  return Finish(r);
}

std::string ParseLive(Args& args, int baud, CommandOptions& o) {
  ArgReader r(args);
  std::string intervalText = "00:01:00";
  r.Int("--count", 1, kMaxCount, &o.count);
  r.Int("--poll", kMinPollMs, kMaxPollMs, &o.pollMs);
  o.bus = r.Flag("--bus");
  const bool record = r.Value("--record", &o.record);
  r.Value("--interval", &intervalText);
  if (std::string e = Finish(r); !e.empty()) return e;
  const std::optional<measurement::TimeOfDay> t = ParseTimeOfDay(intervalText);
  if (!t) return "--interval takes hh:mm:ss (00:00:00 to 23:59:59), not \"" + intervalText + "\"";
  o.interval = *t;
  if (record && o.record.empty()) return "--record needs a file name";
  // A poll must leave room for one chain of requests and replies.
  const int shortest = ShortestPollMs(baud);
  if (o.pollMs < shortest)
    return "--poll " + std::to_string(o.pollMs) + " is shorter than one request chain at " + std::to_string(baud) +
           " baud; the shortest period is " + std::to_string(shortest) + " ms";
  return {};
}

std::string ParseConfigRead(Args& args, int, CommandOptions& o) {
  return OutputOnly(args, o, "config-read needs -o FILE");
}

std::string ParseConfigPrint(Args& args, int, CommandOptions& o) {
  return OutputOnly(args, o, "config-print needs -o FILE.pdf");
}

std::string ParseConfigWrite(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  o.withCalibration = r.Flag("--with-calibration");
  const std::optional<std::string> path = r.Positional();
  if (!path || path->empty()) return r.failed() ? r.error() : "config-write needs a setup file";
  o.input = *path;
  return Finish(r);
}

std::string ParseLoggerRead(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  if (!r.Value("-o", &o.output)) return r.failed() ? r.error() : "logger-read needs -o FILE";
  o.display = r.Flag("--display");
  const bool charted = r.Value("--chart", &o.chart);
  if (std::string e = Finish(r); !e.empty()) return e;
  if (std::string e = NeedsName("-o", o.output); !e.empty()) return e;
  if (charted && !logger::IsChartFileName(o.chart)) return "--chart needs a file ending in .pdf or .png";
  if (charted && o.display) return "--chart draws a module's logger; the display unit's has no chart";
  return {};
}

std::string ParseLoggerClear(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  o.display = r.Flag("--display");
  o.yes = r.Flag("--yes");
  if (std::string e = Finish(r); !e.empty()) return e;
  // Nothing is cleared without the answer the dialog would ask for.
  if (!o.yes) return "logger-clear needs --yes: it erases the logger's data sets";
  return {};
}

std::string ParseClockSet(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  o.display = r.Flag("--display");
  std::string text;
  const bool given = r.Value("--time", &text);
  if (std::string e = Finish(r); !e.empty()) return e;
  if (!given) return {};
  o.time = ParseDeviceTime(text);
  if (!o.time)
    return "--time takes a real date and time \"YYYY-MM-DD hh:mm:ss\" of the years 2000 to 2255, not \"" + text + "\"";
  return {};
}

std::string ParseDisplayRead(Args& args, int, CommandOptions& o) {
  return OutputOnly(args, o, "display-read needs -o FILE.rw8");
}

std::string ParseDisplayWrite(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  const std::optional<std::string> path = r.Positional();
  if (!path || path->empty()) return r.failed() ? r.error() : "display-write needs a display file (.rw8)";
  o.input = *path;
  return Finish(r);
}

std::string ParseDisplayContrast(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  const std::optional<std::string> value = r.Positional();
  if (std::string e = Finish(r); !e.empty()) return e;
  // Beyond 20 the contrast edit sends nothing: the unit takes 0..20.
  const std::optional<int> contrast = value ? display::WholeNumber(*value, 0, 20) : std::nullopt;
  if (!contrast) return "display-contrast takes a contrast 0..20";
  o.contrast = *contrast;
  return {};
}

std::string ParseParamReport(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  const bool print = r.Value("-o", &o.output);
  if (std::string e = Finish(r); !e.empty()) return e;
  return print ? NeedsName("-o", o.output) : std::string();
}

std::string ParseScan(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  o.display = r.Flag("--display");
  return Finish(r);
}

std::string ParseHistory(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  std::string text;
  if (r.Value("--module", &text)) o.module = IdentityFromShown(text);
  if (r.Value("--kind", &text)) {
    if (text.empty()) return "--kind needs an event kind";
    o.kind = text;
  }
  for (auto [name, target, end] : {std::tuple{"--since", &o.sinceMs, false}, std::tuple{"--until", &o.untilMs, true}}) {
    if (!r.Value(name, &text)) continue;
    *target = ParseHistoryDate(text, end);
    if (!*target)
      return std::string(name) + " takes a date YYYY-MM-DD or \"YYYY-MM-DD hh:mm[:ss]\", not \"" + text + "\"";
  }
  o.json = r.Flag("--json");
  if (r.Value("--head", &text)) {
    if (!history::ParseHead(text))
      return "--head takes SEQ:HASH (at least 12 hex digits of the hash), not \"" + text + "\"";
    o.expectedHead = text;
  }
  // The options' values are taken first: none of them is the word.
  const std::optional<std::string> word = r.Positional();
  if (word && *word != "verify" && *word != "head" && *word != "init")
    return "history takes verify, head, init or the options of the listing, not \"" + *word + "\"";
  o.verify = word == "verify";
  o.head = word == "head";
  o.init = word == "init";
  if (std::string e = Finish(r); !e.empty()) return e;
  const bool listing = o.module || o.kind || o.sinceMs || o.untilMs || o.json;
  if (word && listing) return "history " + *word + " takes no options of the listing";
  if (o.expectedHead && !o.verify) return "--head belongs to history verify";
  return {};
}

std::string ParseReport(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  std::string text;
  if (r.Value("--module", &text)) o.module = IdentityFromShown(text);
  if (r.Value("--site", &text)) o.site = text;
  for (auto [name, target, end] : {std::tuple{"--since", &o.sinceMs, false}, std::tuple{"--until", &o.untilMs, true}}) {
    if (!r.Value(name, &text)) continue;
    *target = ParseHistoryDate(text, end);
    if (!*target)
      return std::string(name) + " takes a date YYYY-MM-DD or \"YYYY-MM-DD hh:mm[:ss]\", not \"" + text + "\"";
  }
  if (!r.Value("-o", &o.output) && !r.failed()) return "report needs -o FILE.pdf";
  if (std::string e = Finish(r); !e.empty()) return e;
  if (o.output.empty()) return "report needs -o FILE.pdf";
  if (o.sinceMs && o.untilMs && *o.untilMs <= *o.sinceMs) return "report: --until lies before --since";
  return {};
}

std::string ParseConfigDiff(Args& args, int, CommandOptions& o) {
  ArgReader r(args);
  const std::optional<std::string> first = r.Positional();
  const std::optional<std::string> second = r.Positional();
  if (!first || first->empty()) return r.failed() ? r.error() : "config-diff needs a setup file (or two)";
  if (second && second->empty()) return "config-diff needs a setup file name";
  o.input = *first;
  o.second = second.value_or("");
  return Finish(r);
}

namespace {

// A local time the clock skips (the hour it is put forward) stands for the first instant
// after the skip: nothing happened in the gap, and nothing after it is left out.
QDateTime LocalTime(const QString& text, const QString& format, bool* skipped) {
  const QDateTime t = QDateTime::fromString(text, format);
  *skipped = !t.isValid();
  if (t.isValid()) return t;
  const QDate day = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
  const QTime time = QTime::fromString(text.mid(11), format.mid(11));
  if (!day.isValid() || !time.isValid()) return {};
  const QTimeZone::OffsetData change = QTimeZone::systemTimeZone().nextTransition(QDateTime(day, QTime(0, 0)));
  if (!change.atUtc.isValid() || change.atUtc.toLocalTime().date() != day) return {};
  return change.atUtc.toLocalTime();
}

}  // namespace

std::optional<std::int64_t> ParseHistoryDate(const std::string& text, bool endOfSpan) {
  for (const char* format : {"yyyy-MM-dd", "yyyy-MM-dd HH:mm", "yyyy-MM-dd HH:mm:ss"}) {
    const QString f = QString::fromLatin1(format);
    if (text.size() != static_cast<std::size_t>(f.size())) continue;
    bool skipped = false;
    QDateTime t = LocalTime(QString::fromStdString(text), f, &skipped);
    if (!t.isValid()) return std::nullopt;
    // The end of a span the clock skipped is where the skip ends.
    if (endOfSpan && !skipped) t = f.size() == 10 ? t.addDays(1) : f.size() == 16 ? t.addSecs(60) : t.addSecs(1);
    return t.toMSecsSinceEpoch();
  }
  return std::nullopt;
}

std::string IdentityFromShown(const std::string& shown) {
  std::string out;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    int hi = -1, lo = -1;
    if (shown.compare(i, 2, "\\x") == 0 && i + 3 < shown.size()) {
      auto hex = [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) ? std::stoi(std::string(1, c), nullptr, 16) : -1;
      };
      hi = hex(shown[i + 2]);
      lo = hex(shown[i + 3]);
    }
    if (hi < 0 || lo < 0) {
      out += shown[i];
      continue;
    }
    out += types::FromWindows1252(std::string(1, static_cast<char>(hi * 16 + lo)));
    i += 3;
  }
  return out;
}

}  // namespace korvane::cli
