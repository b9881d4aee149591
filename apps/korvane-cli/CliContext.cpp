#include "CliContext.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <fcntl.h>
#include <unistd.h>

#include "app/HistoryWitness.h"
#include "app/OwnSettings.h"
#include "history/HistoryLocation.h"
#include "history/HistoryTexts.h"
#include "link/LinkTexts.h"
#include "platform/NumberText.h"
#include "platform/PortNames.h"
#include "platform/ProgramLine.h"
#include "platform/SafeFile.h"
#include "platform/StagedFile.h"
#include "platform/Texts.h"
#include "platform/Version.h"
#include "trace/TraceRecorder.h"
#include "types/Texts.h"

namespace korvane::cli {

// --- trace ---------------------------------------------------------------------------

namespace {

constexpr types::Text kTraceIncomplete{"cli",
                                       QT_TRANSLATE_NOOP("cli", "Die Protokolldatei kann nicht geschrieben werden:")};
constexpr types::Text kCannotReadSettings{"cli",
                                          QT_TRANSLATE_NOOP("cli", "Die Einstellungsdatei kann nicht gelesen werden:")};

}  // namespace

// The --trace file: lines collect in a buffer, so a trace never waits for the disk
// between a request and its reply. They go to a file beside the target, which takes
// its place when the command ends: a trace that cannot be written whole leaves an
// earlier file as it was, and a command that traced nothing leaves no file.
class TraceFile {
 public:
  TraceFile(link::Link& link, std::string path, Language language, std::ostream& err)
      : path_(std::move(path)),
        language_(language),
        err_(err),
        file_(language),
        recorder_(link, [this](const std::string& line) { Write(line); }) {}

  bool Finish() {
    if (finished_) return ok_;
    finished_ = true;
    if (path_ == "-") return ok_;
    Flush();
    if (file_.isOpen()) ok_ = file_.Commit() && file_.Close();
    file_.Close();
    if (!ok_)
      err_ << Tr(language_, kTraceIncomplete) << ' ' << path_ << ": " << file_.error() << ' '
           << Tr(language_, types::kNothingSaved) << '\n'
           << std::flush;
    return ok_;
  }

 private:
  void Write(const std::string& line) {
    if (finished_) return;
    if (path_ == "-") {
      std::fwrite(line.data(), 1, line.size(), stderr);
      std::fputc('\n', stderr);
      return;
    }
    buffer_ += line;
    buffer_ += '\n';
    if (buffer_.size() >= kBuffer) Flush();
  }
  void Flush() {
    if (buffer_.empty() || !ok_) return;
    if (!file_.isOpen()) ok_ = file_.Open(path_);
    ok_ = ok_ && file_.Write(buffer_);
    buffer_.clear();
  }

  static constexpr std::size_t kBuffer = 1 << 16;
  std::string path_;
  Language language_;
  std::ostream& err_;
  platform::StagedFile file_;
  std::string buffer_;
  bool ok_ = true;
  bool finished_ = false;
  trace::TraceRecorder recorder_;
};

// --- context ------------------------------------------------------------------------------

CliContext::CliContext(CommonOptions options, std::ostream& out, std::ostream& err, link::Link* link,
                       platform::Clock clock)
    : options_(std::move(options)), out_(out), err_(err), ui_(err), clock_(std::move(clock)) {
  if (options_.settingsFolder.empty()) options_.settingsFolder = platform::SettingsFolder();
  // Only read the program's settings; a first start of the desktop program creates them.
  const std::string settingsPath = app::SettingsFilePath(options_.settingsFolder);
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(settingsPath, ec))) {
    if (const std::optional<std::string> bytes = platform::ReadWholeFile(settingsPath))
      settings_ = app::ParseSettingsText(*bytes);
    else
      settingsProblem_ = Tr(options_.language.value_or(Language::kGerman), kCannotReadSettings) + " " + settingsPath +
                         ": " + platform::ReadProblem(settingsPath, options_.language.value_or(Language::kGerman));
  }
  language_ = options_.language.value_or(KnownOrGerman(settings_.language));

  if (link) {
    link_ = link;
  } else {
    const std::string folder = options_.settingsFolder;
    // Tests that cross every command with every fault shorten the reply time-out and
    // the second of the flows' pauses.
    link::LinkTimings timings;
    bool given = false;
    const int timeoutMs = qEnvironmentVariableIntValue("KORVANE_REPLY_TIMEOUT_MS", &given);
    if (given && timeoutMs > 0) {
      timings.replyTimeout = std::chrono::milliseconds(timeoutMs);
      // The scan's and the rate search's time-outs keep their ratio to the reply time-out.
      timings.scanTimeout = std::min(timings.scanTimeout, timings.replyTimeout / 10);
      timings.rateProbe = std::min(timings.rateProbe, timings.replyTimeout / 3);
    }
    const int secondMs = qEnvironmentVariableIntValue("KORVANE_SECOND_MS", &given);
    if (given && secondMs > 0) timings.second = std::chrono::milliseconds(secondMs);
    ownLink_ = std::make_unique<link::Link>([folder](int com) { return platform::DeviceForPort(folder, com); }, timings,
                                            clock_);
    link_ = ownLink_.get();
  }
  link_->setPortIndex(options_.port ? *options_.port - 1 : settings_.portIndex);
  lineBaud_ = options_.baud.value_or(settings_.baud);
  link_->setBaudRate(lineBaud_);
  context_.language = language_;
  ui_.language = language_;
  qtTexts_.Apply(language_);
  context_.address = static_cast<std::uint8_t>(options_.address);
  if (!options_.device.empty()) link_->setDeviceOverride(options_.device);
  // A module left at another rate is looked for and set back to 4800 baud; stderr says so.
  link_->setRateSearch(true);
  rateConnection_ = QObject::connect(link_, &link::Link::rateRecovered, link_, [this](int found) {
    err_ << link::RateRecoveredText(found, language_) << '\n' << std::flush;
  });

  // The name the desktop program keeps, else the account's name.
  technician_ = options_.technician.value_or(app::TechnicianOf(app::LoadOwnSettings(options_.settingsFolder)));
  history::HistoryChoice choice;
  // The option was checked with the command line; an unknown text records nothing.
  if (history::ParseHistoryOption(options_.history, &choice, nullptr)) historyLocation_ = choice.location;
  witness_ = std::make_shared<app::OwnSettingsWitness>(options_.settingsFolder);
  if (historyLocation_) {
    history::Recorder::Options o;
    o.location = *historyLocation_;
    o.createFolder = options_.history.empty();
    o.technician = technician_;
    o.host = history::HostName();
    o.program = ProgramName();
    o.witness = witness_;
    recorder_ = std::make_unique<history::Recorder>(std::move(o));
    context_.log = recorder_.get();
  }
}

std::string ProgramName() { return std::string("korvane-cli ") + platform::kVersion; }

void CliContext::FinishHistory() {
  if (!recorder_) return;
  // A history that does not answer costs its records, said so, not the command's end.
  if (!recorder_->Flush(recorder_->patience())) recorder_->GiveUpPending();
  for (const history::Rollback& r : recorder_->TakeRollbacks())
    err_ << history::RollbackText(r, language_) << '\n' << std::flush;
  const std::vector<history::NotRecorded> failures = recorder_->TakeFailures();
  if (!failures.empty()) err_ << history::NotRecordedText(failures, language_) << '\n' << std::flush;
}

CliContext::~CliContext() {
  QObject::disconnect(rateConnection_);
  context_.log = nullptr;
  if (ownLink_) ownLink_->ClosePort();
  trace_.reset();
}

bool CliContext::StartTrace() {
  const std::string& path = options_.trace;
  if (path.empty()) return true;
  if (path != "-") {
    if (const std::string problem = platform::OutputTargetProblem(path, language_); !problem.empty()) {
      err_ << "korvane-cli: --trace " << path << ": " << problem << '\n' << std::flush;
      return false;
    }
  }
  trace_ = std::make_unique<TraceFile>(*link_, path, language_, err_);
  return true;
}

bool CliContext::FinishTrace() { return !trace_ || trace_->Finish(); }

int CliContext::CheckOutputs(std::vector<std::string> paths) {
  if (!options_.trace.empty() && options_.trace != "-") paths.push_back(options_.trace);
  const std::optional<platform::TargetProblem> problem = platform::OutputTargetsProblem(paths, language_);
  if (!problem) return kExitOk;
  ui_.Message(std::string(Tr(language_, types::kCannotWriteFile)) + " " + problem->path + ": " + problem->reason,
              platform::kAppTitle);
  return kExitFile;
}

int CliContext::OpenPort() {
  // A line whose rate is fixed at the server carries only the rate the command began
  // with: the display unit's 19200 baud is refused before anything is sent.
  if (link_->baudRate() != lineBaud_) {
    if (const int rc = RefuseFixedRate(); rc != kExitOk) return rc;
  }
  // The reason goes to stderr through the Ui.
  if (!link_->OpenPort(language_)) {
    ui_.Message(link_->openMessage(), platform::kAppTitle);
    return kExitPortFailed;
  }
  // The technician learns first that the modules are reached through a station.
  if (const auto station = link_->farStation(); station && !stationSaid_) {
    stationSaid_ = true;
    err_ << link::ThroughStationText(*station, language_) << '\n' << std::flush;
  }
  return link_->portOpen() ? kExitOk : kExitPortFailed;
}

int CliContext::RefuseFixedRate() {
  if (!link_->rateFixed()) return kExitOk;
  ui_.Message(link_->rateFixedMessage(language_), platform::kAppTitle);
  return kExitPortFailed;
}

int CliContext::CommError() {
  // Names the silent device, or says why the line went away.
  err_ << link_->commErrorMessage(language_) << '\n' << std::flush;
  return kExitNoAnswer;
}

int CliContext::Usage(const std::string& message) { return platform::AnswerUsageError("korvane-cli", message, err_); }

}  // namespace korvane::cli
