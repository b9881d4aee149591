#include "app/MainController.h"

#include "link/Address.h"
#include "link/Link.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::app {
namespace {

constexpr types::TextPair kParametrize{"Parametrieren", "Parameter"};
constexpr types::TextPair kExit{"Beenden", "Exit"};
constexpr types::TextPair kCalibrate{"Kalibrieren", "Calibration"};
constexpr types::TextPair kConfigure{"Konfigurieren", "Configuration"};
constexpr types::TextPair kSetupMeasurement{"Setup Messung", "Setup Measurement"};
constexpr types::TextPair kDisplayConfig{"Konfiguration RW8200", "Configuration RW8200"};
constexpr types::TextPair kStart{"Messung starten", "Start Measurement"};
constexpr types::TextPair kStop{"Messung beenden", "End Measurement"};
constexpr types::TextPair kAddress{"Geräteadresse", "Device address"};
constexpr types::TextPair kNoError{"kein Fehler", "no error"};
constexpr types::TextPair kEndFirst{"Messung erst beenden!", "End measurement first!"};
constexpr types::TextPair kCancel{"Abbrechen", "Cancel"};
constexpr types::TextPair kLanguage{"Sprache", "Language"};
constexpr types::TextPair kSaveFailed{"Die Einstellungen konnten nicht gespeichert werden:",
                                      "The settings could not be saved:"};

// Counts a flow in progress; handlers do nothing while one runs (its waits keep
// dispatching button clicks).
struct BusyScope {
  explicit BusyScope(int& n) : n_(n) { ++n_; }
  ~BusyScope() { --n_; }
  int& n_;
};

}  // namespace

MainCaptions CaptionsFor(int language, bool running) {
  return {kParametrize(language),
          kExit(language),
          kCalibrate(language),
          kConfigure(language),
          kSetupMeasurement(language),
          kDisplayConfig(language),
          running ? kStop(language) : kStart(language),
          kAddress(language)};
}

std::string SetupCancelCaption(int language) { return kCancel(language); }
std::string SetupLanguageCaption(int language) { return kLanguage(language); }

MainController::MainController(link::Link& link, platform::Ui& ui, IntervalPicker& intervals,
                               std::string settingsFolder, platform::Clock clock, QObject* parent)
    : QObject(parent),
      link_(link),
      ui_(ui),
      intervals_(intervals),
      settingsFolder_(std::move(settingsFolder)),
      live_(link, ui, context_),
      recording_(ui, std::move(clock)) {
  connect(&live_, &LiveMeasurement::recordingTick, this, &MainController::OnRecordingTick);
  connect(&link_, &link::Link::watchdogNotice, this, &MainController::SetStatusInfo);
  connect(&live_, &LiveMeasurement::lost, this, &MainController::OnMeasurementLost);
}

MainController::~MainController() = default;

void MainController::Initialize() {
  settings_ = LoadSettingsFile(settingsFolder_);
  link_.setPortIndex(settings_.portIndex);
  link_.setBaudRate(settings_.baud);
  ApplyLanguage();
}

int MainController::comNumber() const { return link_.portIndex() + 1; }

void MainController::ApplyLanguage() {
  context_.language = settings_.language;
  buttons_.parametrize = settings_.parametrize == 1;
  // A recording has to be set up (again) before a measurement can start.
  buttons_.start = false;
  statusInfo_ = kNoError(settings_.language);
  emit stateChanged();
}

void MainController::SetStatusInfo(const std::string& text) {
  statusInfo_ = text;
  emit stateChanged();
}

void MainController::SetFlowButtons(bool enabled) {
  buttons_.setupMeasurement = enabled;
  buttons_.setup = enabled;
  buttons_.calibrate = enabled;
  buttons_.exit = enabled;
  buttons_.configure = enabled;
  buttons_.displayConfig = enabled;
  // Parametrization would share the line with the live chain, so it waits like the rest.
  buttons_.parametrize = enabled && settings_.parametrize == 1;
  emit stateChanged();
}

void MainController::OnStartStop() {
  if (busy()) return;
  BusyScope scope(busy_);
  if (!live_.running()) {
    // A measurement that ended with a lost line closed its file: the next one goes on
    // writing into it.
    const bool afterLoss = reopenRecording_;
    if (reopenRecording_ && !recording_.isOpen() && !recording_.path().empty()) {
      std::string error;
      if (!recording_.OpenForAppend(recording_.path(), &error, settings_.language)) SetStatusInfo(error);
      reopenRecording_ = false;
    }
    if (!live_.Start(std::chrono::milliseconds(settings_.interval.Milliseconds()))) return;
    // The module is back: the error of the lost line is over.
    if (afterLoss && recording_.isOpen()) SetStatusInfo(kNoError(settings_.language));
    SetFlowButtons(false);
  } else {
    // The buttons come back at once; the values clear after the chain in progress.
    SetFlowButtons(true);
    live_.Stop();
  }
}

void MainController::ApplySetup(int comNumber, int language) {
  if (busy() || running()) return;
  link_.ClosePort();
  settings_.portIndex = comNumber - 1;
  settings_.language = language;
  link_.setPortIndex(settings_.portIndex);
  ApplyLanguage();
}

void MainController::OnSetupMeasurement() {
  if (busy() || running()) return;
  BusyScope scope(busy_);
  reopenRecording_ = false;
  if (recording_.Setup(settings_.language, settings_.interval, intervals_) == Recording::SetupResult::kDone)
    buttons_.start = true;
  emit stateChanged();
}

void MainController::OnRecordingTick() {
  std::string notice;
  const link::ModuleState& m = link_.module();
  recording_.WriteLine(m.typeIndex, m.measured, settings_.language, &notice);
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
  const int language = settings_.language;
  SetStatusInfo(std::string(types::kCommError(language)) + " " + reason);
  SetFlowButtons(true);
  ui_.Message(std::string(types::kCommError(language)) + "\n" + reason);
}

void MainController::ReleaseRecordingFile() {
  recording_.Close();
  reopenRecording_ = false;
  buttons_.start = false;
  emit stateChanged();
}

void MainController::NotAvailable() { ui_.Message(types::kNotAvailable(settings_.language)); }

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
  emit stateChanged();
}

void MainController::RunExclusive(const std::function<void()>& run) {
  if (busy() || running()) return;
  BusyScope scope(busy_);
  SetFlowButtons(false);
  run();
  SetFlowButtons(true);
}

bool MainController::Exit() {
  if (running()) {
    ui_.Message(kEndFirst(settings_.language));
    return false;
  }
  if (busy()) return false;
  settings_.portIndex = link_.portIndex();
  settings_.baud = link_.baudRate();
  std::string error;
  if (!SaveSettingsFile(settingsFolder_, settings_, &error))
    ui_.Message(std::string(kSaveFailed(settings_.language)) + "\n" + error + "\n" +
                types::kNothingSaved(settings_.language));
  recording_.Close();
  link_.StopWorker();
  return true;
}

int MainController::SetAddressPosition(int position) {
  const int folded = link::FoldAddressPosition(position);
  context_.address = static_cast<std::uint8_t>(folded);
  return folded;
}

}  // namespace korvane::app
