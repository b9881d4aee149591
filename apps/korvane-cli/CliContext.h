#pragma once
// What every korvane-cli command gets: the common options, the settings of the
// program's settings file, the link to the module and a Ui without windows.
#include <chrono>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CliUi.h"
#include "app/SettingsFile.h"
#include "link/Link.h"
#include "platform/Clock.h"
#include "platform/QtTranslations.h"

namespace korvane::cli {

// Exit statuses shared by all commands.
enum ExitCode : int {
  kExitOk = 0,
  kExitNoAnswer = 1,    // the module does not answer
  kExitUsage = 2,       // bad command line
  kExitPortFailed = 3,  // the port cannot be opened
  kExitFile = 6,        // a file cannot be read or written
};

struct CommonOptions {
  std::string device;           // --device: a device path instead of the COM mapping
  std::optional<int> port;      // --port: COM number 1..255
  int address = 0;              // --address 0..255
  std::optional<int> baud;      // --baud 4800 | 19200 | 38400
  std::optional<int> language;  // --lang de | en
  std::string settingsFolder;   // where config.ini and ports/COM<n> are (default: the user's)
  std::string trace;            // --trace: communication trace file, "-" for stderr
};

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
std::optional<app::TimeOfDay> ParseTimeOfDay(const std::string& text);

class TraceFile;

class CliContext {
 public:
  // link: a link to use instead of the serial port (tests); clock: local time.
  CliContext(CommonOptions options, std::ostream& out, std::ostream& err, link::Link* link = nullptr,
             platform::Clock clock = platform::SystemClock());
  ~CliContext();

  const CommonOptions& options() const { return options_; }
  const app::AppSettings& settings() const { return settings_; }
  int language() const { return language_; }
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }
  CliUi& ui() { return ui_; }
  link::Link& link() { return *link_; }
  // The module address of --address and the language of the command.
  link::FlowContext& context() { return context_; }
  const platform::Clock& clock() const { return clock_; }

  // Opens the port: kExitOk, or kExitPortFailed after the reason went to stderr.
  int OpenPort();
  // The language's communication error on stderr; returns kExitNoAnswer.
  int CommError();
  // Usage error on stderr; returns kExitUsage.
  int Usage(const std::string& message);
  // Starts the --trace file; false (the reason on stderr) when it cannot be opened.
  bool StartTrace();

 private:
  CommonOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  CliUi ui_;
  platform::QtTranslations qtTexts_;
  app::AppSettings settings_;
  int language_ = 0;
  link::FlowContext context_;
  platform::Clock clock_;
  std::unique_ptr<link::Link> ownLink_;
  link::Link* link_ = nullptr;
  std::unique_ptr<TraceFile> trace_;  // after the link: it goes first
};

// Ctrl-C (SIGINT) and SIGTERM as a callback in the event loop, while the guard lives.
class InterruptGuard {
 public:
  explicit InterruptGuard(std::function<void()> onInterrupt);
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace korvane::cli
