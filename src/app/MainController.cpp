#include "app/MainController.h"

#include <QDateTime>
#include <QTimer>

#include <filesystem>

#include "app/DueLookup.h"
#include "app/HistorySettings.h"
#include "history/HistoryTexts.h"
#include "history/Recorder.h"
#include "link/Address.h"
#include "link/DeviceName.h"
#include "link/Link.h"
#include "link/LinkTexts.h"
#include "platform/CommonTexts.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/CalibrationStatus.h"
#include "types/Texts.h"

namespace korvane::app {
namespace {

constexpr types::Text kParametrize{"app", QT_TRANSLATE_NOOP("app", "Parametrieren")};
constexpr types::Text kExit{"app", QT_TRANSLATE_NOOP("app", "Beenden")};
constexpr types::Text kCalibrate{"app", QT_TRANSLATE_NOOP("app", "Kalibrieren")};
constexpr types::Text kConfigure{"app", QT_TRANSLATE_NOOP("app", "Konfigurieren")};
constexpr types::Text kSetupMeasurement{"app", QT_TRANSLATE_NOOP("app", "Setup Messung")};
constexpr types::Text kDisplayConfig{"app", QT_TRANSLATE_NOOP("app", "Konfiguration RW8200")};
constexpr types::Text kStart{"app", QT_TRANSLATE_NOOP("app", "Messung starten")};
constexpr types::Text kStop{"app", QT_TRANSLATE_NOOP("app", "Messung beenden")};
constexpr types::Text kAddress{"app", QT_TRANSLATE_NOOP("app", "Geräteadresse")};
constexpr types::Text kNoError{"app", QT_TRANSLATE_NOOP("app", "kein Fehler")};
constexpr types::Text kEndFirst{"app", QT_TRANSLATE_NOOP("app", "Messung erst beenden!")};
using platform::kCancel;
constexpr types::Text kLanguage{"app", QT_TRANSLATE_NOOP("app", "Sprache")};
// The fields show the last values the module sent, at this time.
constexpr types::Text kNoReplySince{"app", QT_TRANSLATE_NOOP("app", "keine Antwort seit %1:%2:%3")};
constexpr types::Text kSaveFailed{"app",
                                  QT_TRANSLATE_NOOP("app", "Die Einstellungen konnten nicht gespeichert werden:")};

// Counts a flow in progress; handlers do nothing while one runs (its waits keep
// dispatching button clicks).
struct BusyScope {
  explicit BusyScope(int& n) : n_(n) { ++n_; }
  ~BusyScope() { --n_; }
  int& n_;
};

}  // namespace

MainCaptions CaptionsFor(Language language, bool running) {
  return {Tr(language, kParametrize),
          Tr(language, kExit),
          Tr(language, kCalibrate),
          Tr(language, kConfigure),
          Tr(language, kSetupMeasurement),
          Tr(language, kDisplayConfig),
          running ? Tr(language, kStop) : Tr(language, kStart),
          Tr(language, kAddress)};
}

std::string SetupCancelCaption(Language language) { return Tr(language, kCancel); }
std::string SetupLanguageCaption(Language language) { return Tr(language, kLanguage); }

MainController::MainController(link::Link& link, platform::Ui& ui, measurement::IntervalPicker& intervals,
                               std::string settingsFolder, platform::Clock clock, QObject* parent)
    : QObject(parent),
      link_(link),
      ui_(ui),
      intervals_(intervals),
      settingsFolder_(std::move(settingsFolder)),
      live_(link, ui, context_, clock),
      recording_(ui, clock) {
  connect(&live_, &LiveMeasurement::recordingTick, this, &MainController::OnRecordingTick);
  connect(&link_, &link::Link::watchdogNotice, this, &MainController::SetStatusInfo);
  connect(&live_, &LiveMeasurement::lost, this, &MainController::OnMeasurementLost);
  connect(&live_, &LiveMeasurement::staleChanged, this, &MainController::OnStaleChanged);
  connect(&live_, &LiveMeasurement::runningChanged, this, &MainController::RefreshButtons);
  connect(&link_, &link::Link::lineHeldChanged, this, &MainController::RefreshButtons);
  // The bottom line names the module a measurement talks to.
  live_.setReadIdentity(true);
  // A module left at another rate is found by whichever flow reaches it first.
  link_.setRateSearch(true);
  connect(&link_, &link::Link::rateRecovered, this, &MainController::OnRateRecovered);
  connect(&link_, &link::Link::replyReceived, this, &MainController::OnReply);
}

MainController::~MainController() { context_.log = nullptr; }

void MainController::UseHistory(std::unique_ptr<history::Recorder> recorder) {
  history_ = std::move(recorder);
  context_.log = history_.get();
  if (history_ && !dueLookup_) {
    dueLookup_ = std::make_unique<DueLookup>();
    connect(dueLookup_.get(), &DueLookup::found, this, &MainController::OnModuleLookedUp);
  }
  if (!history_) return;
  connect(history_.get(), &history::Recorder::failed, this, &MainController::OnHistoryFailed);
  connect(history_.get(), &history::Recorder::rolledBack, this, &MainController::OnHistoryRolledBack);
}

void MainController::OnHistoryRolledBack() {
  std::string text;
  for (const history::Rollback& r : history_->TakeRollbacks())
    text += (text.empty() ? "" : "\n") + history::RollbackText(r, settings_.language);
  if (text.empty()) return;
  SetStatusInfo(text.substr(0, text.find('\n')));
  historyNotice_ += (historyNotice_.empty() ? "" : "\n\n") + text;
  ShowNotices();
}

void MainController::OnHistoryFailed() {
  const std::vector<history::NotRecorded> failures = history_->TakeFailures();
  if (failures.empty()) return;
  const std::string text = history::NotRecordedText(failures, settings_.language);
  SetStatusInfo(text.substr(0, text.find('\n')));
  // The same reason again, with nothing written since, is not worth a second box.
  const std::string reason = failures.back().store + "\n" + std::to_string(static_cast<int>(failures.back().failure));
  const int written = history_->written();
  if (reason == historyReason_ && written == historyWritten_) return;
  historyReason_ = reason;
  historyWritten_ = written;
  historyNotice_ = text;
  ShowNotices();
}

void MainController::ShowNotices() {
  // A box in the middle of a flow would hold up its waits: it comes once the flow ended.
  if (busy() || link_.lineHeld()) return;
  if (!rateNotice_.empty()) {
    const std::string text = std::exchange(rateNotice_, {});
    // Also after the flow's own "no error": the rate is why it worked.
    SetStatusInfo(text);
    ui_.Message(text);
  }
  if (!historyNotice_.empty()) ui_.Message(std::exchange(historyNotice_, {}));
}

void MainController::OnRateRecovered(int found) {
  ++rateRecoveries_;
  rateNotice_ = link::RateRecoveredText(found, settings_.language);
  SetStatusInfo(rateNotice_);
}

void MainController::OnReply(const link::Frame& reply) {
  // The modules of the window's flows and measurement; the scan's and the bus view's
  // many are theirs.
  if (exclusive_ || !(busy() || live_.running())) return;
  const int address = link::FrameAddress(reply);
  if (link::FrameGroup(reply) != link::kRead || address == link::kDisplayAddress) return;
  const link::Data4 d = link::FrameData(reply);
  if (link::FrameParameter(reply) == link::kType.number) {
    typeAt_ = {address, d[0] >= 1 && d[0] <= 31 ? d[0] - 1 : -1};
    if (seen_ && seen_->address == address) seen_->typeIndex = typeAt_.second;
  } else if (link::FrameParameter(reply) == link::kIdentity.number) {
    const std::string identity = link::IdentityText(d);
    if (seen_ && seen_->identity == identity && seen_->address == address) return;
    seen_ = SeenModule{identity, typeAt_.first == address ? typeAt_.second : -1, address};
    seenInHistory_.reset();
  } else {
    return;
  }
  emit stateChanged();
}

void MainController::LookUpSeenModule() {
  if (history_ && dueLookup_ && seen_ && !seen_->identity.empty()) dueLookup_->Look(*history_, seen_->identity);
}

void MainController::OnModuleLookedUp(const std::string& identity, const std::optional<history::KnownModule>& module) {
  if (!seen_ || seen_->identity != identity) return;
  seenInHistory_ = module;
  emit stateChanged();
}

LineStatus MainController::lineStatus() const {
  LineStatus s;
  s.comNumber = comNumber();
  s.device = link_.device();
  // A ports link (a by-id link, the simulator's) is named by the device it leads to.
  if (link::KindOf(s.device) == link::LineKind::kSerial) {
    std::error_code error;
    const std::filesystem::path end = std::filesystem::canonical(s.device, error);
    if (!error) s.device = end.string();
  }
  if (const auto station = link_.farStation()) s.station = station->name;
  s.baud = link_.baudRate();
  s.module = seen_;
  if (seenInHistory_)
    s.calibrationDue = CalibrationDueText(*seenInHistory_, IntervalsFrom(LoadOwnSettings(settingsFolder_)),
                                          QDateTime::currentMSecsSinceEpoch(), settings_.language);
  return s;
}

void MainController::Initialize() {
  settings_ = LoadSettingsFile(settingsFolder_);
  link_.setPortIndex(settings_.portIndex);
  link_.setBaudRate(settings_.baud);
  ApplyLanguage();
}

int MainController::comNumber() const { return link_.portIndex() + 1; }

void MainController::ApplyLanguage() {
  context_.language = settings_.language;
  // A recording has to be set up (again) before a measurement can start.
  recordingReady_ = false;
  statusInfo_ = Tr(settings_.language, kNoError);
  staleShown_ = false;
  RefreshButtons();
}

void MainController::SetStatusInfo(const std::string& text) {
  statusInfo_ = text;
  staleShown_ = false;
  emit stateChanged();
}

void MainController::RefreshButtons() {
  // While a flow holds the line (the measurement included) nothing else may start;
  // the measurement keeps its own button to stop it.
  const bool free = !link_.lineHeld();
  const bool running = live_.running();
  buttons_.start = running || (free && recordingReady_);
  buttons_.exit = free;
  buttons_.setup = free;
  buttons_.calibrate = free;
  buttons_.setupMeasurement = free;
  buttons_.configure = free;
  buttons_.displayConfig = free;
  buttons_.parametrize = free && settings_.parametrize == 1;
  // The flow's module is the one at this address until it ends.
  buttons_.address = free;
  emit stateChanged();
  if (free && (!historyNotice_.empty() || !rateNotice_.empty()))
    QTimer::singleShot(0, this, &MainController::ShowNotices);
}

void MainController::OnStaleChanged(bool stale) {
  if (stale) {
    const platform::LocalTime& t = live_.staleSince();
    SetStatusInfo(platform::Fill(Tr(settings_.language, kNoReplySince), platform::StringPrintf("%02d", t.hour),
                                 platform::StringPrintf("%02d", t.minute), platform::StringPrintf("%02d", t.second)));
    staleShown_ = true;
  } else if (staleShown_) {
    // The module answers again (or the measurement ended): the notice is over.
    SetStatusInfo(Tr(settings_.language, kNoError));
  }
}

void MainController::ShowCalibration(int typeIndex, const std::array<float, 4>& values) {
  live_.SetStatusLine(types::CalibrationStatusLine(typeIndex, settings_.language, values, 4));
}

void MainController::OnStartStop() {
  if (busy()) return;
  BusyScope scope(busy_);
  if (!live_.running()) {
    // A measurement that ended with a lost line closed its file: the next one goes on
    // writing into it.
    const bool afterLoss = reopenRecording_;
    const int recoveries = rateRecoveries_;
    if (reopenRecording_ && !recording_.isOpen() && !recording_.path().empty()) {
      std::string error;
      if (!recording_.OpenForAppend(recording_.path(), &error, settings_.language)) SetStatusInfo(error);
      reopenRecording_ = false;
    }
    if (!live_.Start(std::chrono::milliseconds(settings_.interval.Milliseconds()))) {
      // A line that went away during the start says why here too.
      if (link_.isLineLost())
        SetStatusInfo(std::string(Tr(settings_.language, types::kCommError)) + " " + link_.openFailure());
      return;
    }
    // The module answers: an error of an earlier run is over (a recording that could
    // not be reopened keeps saying so).
    if ((!afterLoss || recording_.isOpen() || recording_.path().empty()) && recoveries == rateRecoveries_)
      SetStatusInfo(Tr(settings_.language, kNoError));
    LookUpSeenModule();
  } else {
    // The buttons come back once the chain in progress has finished and the values
    // are cleared: the measurement holds the line until then.
    live_.Stop();
    // A module the history met first with this measurement is known to it now.
    LookUpSeenModule();
  }
}

void MainController::ApplySetup(int comNumber, Language language, int baud) {
  if (busy() || running()) return;
  link_.ClosePort();
  // The module met on the port before is not the new port's.
  if (comNumber - 1 != settings_.portIndex) {
    seen_.reset();
    seenInHistory_.reset();
  }
  settings_.portIndex = comNumber - 1;
  settings_.language = language;
  link_.setPortIndex(settings_.portIndex);
  if (baud > 0) link_.setBaudRate(baud);
  ApplyLanguage();
}

void MainController::OnSetupMeasurement() {
  if (busy() || running()) return;
  BusyScope scope(busy_);
  reopenRecording_ = false;
  if (recording_.Setup(settings_.language, settings_.interval, intervals_) ==
      measurement::Recording::SetupResult::kDone)
    recordingReady_ = true;
  RefreshButtons();
}

void MainController::OnRecordingTick() {
  std::string notice;
  const link::ModuleState& m = link_.module();
  // A value the module left unanswered leaves its cell empty, not the value before.
  recording_.WriteLine(m.typeIndex, m.measured, live_.answered(), settings_.language, &notice);
  if (notice.empty()) return;
  SetStatusInfo(notice);
  // Lost lines are worth a box, once; the measurement itself goes on.
  if (recording_.failed()) ui_.Message(notice);
}

void MainController::OnMeasurementLost(const std::string& reason) {
  // Every line written so far is whole on disk; the port opens afresh at the next start.
  recording_.Close();
  reopenRecording_ = true;
  link_.ClosePort();
  const Language language = settings_.language;
  SetStatusInfo(std::string(Tr(language, types::kCommError)) + " " + reason);
  LookUpSeenModule();
  ui_.Message(std::string(Tr(language, types::kCommError)) + "\n" + reason);
}

void MainController::ReleaseRecordingFile() {
  recording_.Release();
  reopenRecording_ = false;
  recordingReady_ = false;
  RefreshButtons();
}

void MainController::NotAvailable() { ui_.Message(Tr(settings_.language, types::kNotAvailable)); }

void MainController::SetFlow(Flow flow, std::function<void()> run) {
  flows_[static_cast<std::size_t>(flow)] = std::move(run);
}

void MainController::OnFlow(Flow flow) {
  if (busy() || running()) return;
  BusyScope scope(busy_);
  if (const auto& run = flows_[static_cast<std::size_t>(flow)])
    run();
  else
    NotAvailable();
  LookUpSeenModule();
  emit stateChanged();
  if (!historyNotice_.empty() || !rateNotice_.empty()) QTimer::singleShot(0, this, &MainController::ShowNotices);
}

void MainController::RunExclusive(const std::function<void()>& run) {
  if (busy() || running()) return;
  BusyScope scope(busy_);
  const link::LineLease line = link_.TakeLine();
  if (!line) return;
  exclusive_ = true;
  run();
  exclusive_ = false;
}

bool MainController::Exit() {
  if (running()) {
    ui_.Message(Tr(settings_.language, kEndFirst));
    return false;
  }
  if (busy()) return false;
  // The bus view's measurement holds the line while it runs.
  if (link_.lineHeld()) {
    ui_.Message(Tr(settings_.language, kEndFirst));
    return false;
  }
  settings_.portIndex = link_.portIndex();
  settings_.baud = link_.baudRate();
  std::string error;
  if (!SaveSettingsFile(settingsFolder_, settings_, &error))
    ui_.Message(std::string(Tr(settings_.language, kSaveFailed)) + "\n" + error + "\n" +
                Tr(settings_.language, types::kNothingSaved));
  recording_.Close();
  link_.StopReading();
  // The last records reach the history before the program ends, or the user hears why not.
  if (history_) {
    history_->Flush(history_->patience());
    const std::vector<history::NotRecorded> failures = history_->TakeFailures();
    if (!failures.empty()) ui_.Message(history::NotRecordedText(failures, settings_.language));
  }
  return true;
}

int MainController::SetAddressPosition(int position) {
  const int folded = link::FoldAddressPosition(position);
  context_.address = static_cast<std::uint8_t>(folded);
  return folded;
}

}  // namespace korvane::app
