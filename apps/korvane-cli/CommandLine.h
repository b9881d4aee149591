#pragma once
// The command line of each korvane-cli command, read before anything is opened or
// asked: a command either gets its options within their documented ranges or stops
// with a usage error (status 2) that names what is wrong.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "measurement/Interval.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/ProgramLine.h"

namespace korvane::cli {

using Args = std::vector<std::string>;

struct CommonOptions {
  std::string device;         // --device: a device path instead of the COM mapping
  std::optional<int> port;    // --port: COM number 1..255
  int address = 0;            // --address 0..255
  bool addressGiven = false;  // --address was on the command line
  // --address as a list or range ("0,3,5-7", each 0..31, once): the bus of live. Empty
  // for a single address.
  std::vector<std::uint8_t> addresses;
  std::optional<int> baud;                // --baud 4800 | 19200 | 38400
  std::optional<Language> language;       // --lang de | en
  std::string settingsFolder;             // where config.ini and ports/COM<n> are (default: the user's)
  std::string trace;                      // --trace: communication trace file, "-" for stderr
  std::string history;                    // --history FILE | postgresql://... | none ("": the default file)
  std::optional<std::string> technician;  // --technician NAME
};

// The common options with their help texts (--help, the manual's check); each is read
// by ParseCommonOptions.
extern const platform::ProgramLineSpec kCliLine;

// Takes the common options out of args (wherever they stand); the rest stays in
// order. False with a message for a bad or incomplete option.
bool ParseCommonOptions(std::vector<std::string>& args, CommonOptions& options, std::string* error);

// Reads a command's own options: each call takes one option (and its value) out of
// the argument list.
class ArgReader {
 public:
  explicit ArgReader(std::vector<std::string>& args) : args_(args) {}
  // "--name VALUE" or "--name=VALUE"; false when absent. A missing value (nothing or
  // another option follows) and a repeated option are errors that name the option.
  bool Value(const std::string& name, std::string* value);
  // Every "--name VALUE" (or "--name=VALUE") of a repeatable option, in order.
  std::vector<std::string> Values(const std::string& name);
  // "--name" alone.
  bool Flag(const std::string& name);
  // An integer option within [min, max].
  bool Int(const std::string& name, int min, int max, int* value);
  // Whatever the command did not take: an error names the first of them.
  bool Done();
  // The first positional argument, taken out.
  std::optional<std::string> Positional();
  const std::string& error() const { return error_; }
  bool failed() const { return !error_.empty(); }

 private:
  // Sets the error when name stands again after position first.
  bool Repeated(const std::string& name, std::size_t first);

  std::vector<std::string>& args_;
  std::string error_;
};

// "hh:mm:ss" with hours 0..23, minutes and seconds 0..59.
std::optional<measurement::TimeOfDay> ParseTimeOfDay(const std::string& text);

// Every command's own options; each command fills the ones it takes.
struct CommandOptions {
  std::string output;    // -o FILE
  std::string input;     // the file a command reads (config-write, display-write)
  std::string chart;     // logger-read --chart CHART.pdf|CHART.png
  std::string record;    // live --record FILE
  bool display = false;  // --display: the display unit at 0x80
  bool bus = false;      // live --bus: every module the scan finds
  bool yes = false;      // logger-clear --yes
  bool withCalibration = false;
  int count = 0;                             // live --count 1..1000000000; 0: until interrupted
  int pollMs = 2000;                         // live --poll
  measurement::TimeOfDay interval{0, 1, 0};  // live --interval
  std::optional<platform::LocalTime> time;   // clock-set --time; none: the PC's clock
  int contrast = 0;                          // display-contrast 0..20
  std::string second;                        // config-diff FILE1 FILE2: the second file
  // history: verify (with a head it must hold), head, init, or the listing's filters and form.
  bool verify = false;
  bool head = false;
  bool init = false;
  std::optional<std::string> expectedHead;  // verify --head SEQ:HASH
  bool json = false;
  std::optional<std::string> module;  // --module IDENTITY, as the history keeps it (UTF-8)
  std::optional<std::string> kind;
  std::optional<std::int64_t> sinceMs, untilMs;  // UTC; until exclusive
  std::optional<std::string> site;               // report --site TEXT
  // calibrate
  std::string procedure;          // --procedure NAME
  std::string buffers;            // --buffers SET ("" the korvane.conf's)
  bool autoAccept = false;        // --auto
  std::vector<float> references;  // --reference VALUE, in the points' order
  std::optional<bool> save;       // --save / --no-save
  bool saveImplausible = false;   // --save-implausible
  std::string certificate;        // --certificate FILE.pdf
};

// The documented bounds the parsers keep.
inline constexpr int kMaxCount = 1000000000;
inline constexpr int kMinPollMs = 10;
inline constexpr int kMaxPollMs = 3600000;

// A command's parser: takes the command's arguments out of args and fills options;
// returns the usage error, "" when the line is good. baud is the line's rate (the live
// poll must leave room for a chain at it).
using ParseFn = std::string (*)(Args& args, int baud, CommandOptions& options);

std::string ParseNothing(Args& args, int baud, CommandOptions& options);
std::string ParseLive(Args& args, int baud, CommandOptions& options);
std::string ParseConfigRead(Args& args, int baud, CommandOptions& options);
std::string ParseConfigWrite(Args& args, int baud, CommandOptions& options);
std::string ParseConfigPrint(Args& args, int baud, CommandOptions& options);
std::string ParseLoggerRead(Args& args, int baud, CommandOptions& options);
std::string ParseLoggerClear(Args& args, int baud, CommandOptions& options);
std::string ParseClockSet(Args& args, int baud, CommandOptions& options);
std::string ParseDisplayRead(Args& args, int baud, CommandOptions& options);
std::string ParseDisplayWrite(Args& args, int baud, CommandOptions& options);
std::string ParseDisplayContrast(Args& args, int baud, CommandOptions& options);
std::string ParseParamReport(Args& args, int baud, CommandOptions& options);
std::string ParseScan(Args& args, int baud, CommandOptions& options);
std::string ParseHistory(Args& args, int baud, CommandOptions& options);
std::string ParseConfigDiff(Args& args, int baud, CommandOptions& options);
std::string ParseReport(Args& args, int baud, CommandOptions& options);
std::string ParseCalibrate(Args& args, int baud, CommandOptions& options);

// "YYYY-MM-DD" or "YYYY-MM-DD hh:mm[:ss]" in local time as UTC milliseconds; endOfSpan
// gives the first millisecond after the day (or second) named. Nothing for another text.
std::optional<std::int64_t> ParseHistoryDate(const std::string& text, bool endOfSpan);
// An identity as a listing shows it ("\x01" for a byte that is not printable) back as
// the history keeps it.
std::string IdentityFromShown(const std::string& shown);

// "YYYY-MM-DD hh:mm:ss" of a date the device's clock can take, nothing else.
std::optional<platform::LocalTime> ParseDeviceTime(const std::string& text);

// The shortest live poll period at a baud rate, in ms: one chain of six requests and
// replies against the paced simulator, the module's turnaround included (bench_live
// measures it).
int ShortestPollMs(int baud);

}  // namespace korvane::cli
