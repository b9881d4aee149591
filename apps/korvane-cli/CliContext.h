#pragma once
// What every korvane-cli command gets: the common options, the settings of the
// program's settings file, the link to the module and a Ui without windows.
#include <chrono>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CliUi.h"
#include "CommandLine.h"
#include "app/SettingsFile.h"
#include "history/Recorder.h"
#include "link/Link.h"
#include "platform/Clock.h"
#include "platform/InterruptGuard.h"
#include "platform/Language.h"
#include "platform/QtTranslations.h"

namespace korvane::cli {

// Exit statuses shared by all commands.
enum ExitCode : int {
  kExitOk = 0,
  kExitNoAnswer = 1,       // the module does not answer
  kExitUsage = 2,          // bad command line
  kExitPortFailed = 3,     // the port cannot be opened
  kExitFile = 6,           // a file cannot be read or written
  kExitRefused = 9,        // calibrate: no result (equal points, refused entry, given up)
  kExitImplausible = 10,   // calibrate: the result is not plausible
  kExitNotSettled = 11,    // calibrate --auto: the sensor did not settle within the time limit
  kExitInterrupted = 130,  // Ctrl-C, like the cancel button
};

class TraceFile;

class CliContext {
 public:
  // link: a link to use instead of the serial port (tests); clock: local time.
  CliContext(CommonOptions options, std::ostream& out, std::ostream& err, link::Link* link = nullptr,
             platform::Clock clock = platform::SystemClock());
  ~CliContext();

  const CommonOptions& options() const { return options_; }
  const app::AppSettings& settings() const { return settings_; }
  Language language() const { return language_; }
  std::ostream& out() { return out_; }
  std::ostream& err() { return err_; }
  CliUi& ui() { return ui_; }
  link::Link& link() { return *link_; }
  // The module address of --address and the language of the command.
  link::FlowContext& context() { return context_; }
  const platform::Clock& clock() const { return clock_; }
  // Monotonic seconds (calibrate's settling times); tests let the sensor's time run.
  const std::function<double()>& seconds() const { return seconds_; }
  void setSeconds(std::function<double()> seconds) { seconds_ = std::move(seconds); }
  // The module history's recorder (none for --history none).
  history::Recorder* recorder() { return recorder_.get(); }

  // Opens the port: kExitOk, or kExitPortFailed after the reason went to stderr.
  int OpenPort();
  // kExitPortFailed, after saying why, when the line's rate is fixed at its server
  // (socket://) and the command must change it; else kExitOk.
  int RefuseFixedRate();
  // The language's communication error on stderr; returns kExitNoAnswer.
  int CommError();
  // Usage error on stderr; returns kExitUsage.
  int Usage(const std::string& message);
  // Why the settings file could not be read ("" when it could, or there is none).
  const std::string& settingsProblem() const { return settingsProblem_; }
  // Starts the --trace file: false (the reason on stderr) when its target cannot take
  // it. The file is written when the command ends, and only when something was traced.
  bool StartTrace();
  // Ends the --trace file: false (the reason on stderr) when it could not be written
  // whole (the earlier file is then kept).
  bool FinishTrace();
  // The command's output files and the trace file, checked together before the module
  // is asked: kExitOk, or kExitFile after naming the first that cannot be written.
  int CheckOutputs(std::vector<std::string> paths);

  // The module history of --history (none for --history none), and who records.
  const std::optional<store::Location>& historyLocation() const { return historyLocation_; }
  const std::string& technician() const { return technician_; }
  // The heads of the histories this program saw (korvane.conf of --settings).
  const std::shared_ptr<history::WitnessBook>& witness() const { return witness_; }
  // Waits for the command's records to reach the history; what did not (also what the
  // history did not answer for in time) is named on stderr, once, and a history found
  // rolled back is told. The command's status does not change.
  void FinishHistory();

 private:
  CommonOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  bool stationSaid_ = false;  // "through station <name>" was said
  CliUi ui_;
  platform::QtTranslations qtTexts_;
  app::AppSettings settings_;
  int lineBaud_ = 0;  // the rate the command began with
  std::string settingsProblem_;
  Language language_ = Language::kGerman;
  link::FlowContext context_;
  platform::Clock clock_;
  std::function<double()> seconds_;
  std::unique_ptr<link::Link> ownLink_;
  link::Link* link_ = nullptr;
  std::unique_ptr<TraceFile> trace_;  // after the link: it goes first
  std::optional<store::Location> historyLocation_;
  std::string technician_;
  std::shared_ptr<history::WitnessBook> witness_;
  std::unique_ptr<history::Recorder> recorder_;
  QMetaObject::Connection rateConnection_;
};

// "korvane-cli 1.0.0".
std::string ProgramName();

using platform::InterruptGuard;

}  // namespace korvane::cli
