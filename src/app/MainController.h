#pragma once
// The main window's state and button handlers without widgets: settings read at
// start and written at exit, the language switch, which buttons are enabled, the
// status texts, the address field, the exit routine, and the live measurement and
// recording it owns. The window shows what this holds and forwards its buttons here.
#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "measurement/IntervalPicker.h"
#include "app/LineStatus.h"
#include "app/LiveMeasurement.h"
#include "measurement/Recording.h"
#include "app/SettingsFile.h"
#include "link/FlowContext.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "history/HistoryStore.h"

namespace korvane::history {
class Recorder;
}
namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::app {

class DueLookup;

// The buttons that run a flow of another subsystem.
enum class Flow { kCalibrate, kConfigure, kParametrize, kDisplayConfig };
inline constexpr std::array<Flow, 4> kFlows{Flow::kCalibrate, Flow::kConfigure, Flow::kParametrize,
                                            Flow::kDisplayConfig};

// Enabled state of the main window's buttons.
struct ButtonStates {
  bool start = false;            // 4 "Messung starten"
  bool exit = true;              // 2 "Beenden"
  bool setup = true;             // 3 "Setup"
  bool calibrate = true;         // 1015 "Kalibrieren"
  bool setupMeasurement = true;  // 1020 "Setup Messung"
  bool configure = true;         // 1021 "Konfigurieren"
  bool parametrize = false;      // 1022 "Parametrieren"
  bool displayConfig = true;     // 5 "Konfiguration RW8200"
  bool address = true;           // 1121 the address field, and "Suchen" beside it
};

// Captions that follow the language.
struct MainCaptions {
  std::string parametrize, exit, calibrate, configure, setupMeasurement, displayConfig, start, addressLabel;
};
MainCaptions CaptionsFor(Language language, bool running);

// Texts of the Setup dialog's caller-supplied captions.
std::string SetupCancelCaption(Language language);
std::string SetupLanguageCaption(Language language);

class MainController : public QObject {
  Q_OBJECT

 public:
  MainController(link::Link& link, platform::Ui& ui, measurement::IntervalPicker& intervals, std::string settingsFolder,
                 platform::Clock clock = platform::SystemClock(), QObject* parent = nullptr);
  ~MainController() override;

  // Start-up: reads the settings file (creating it on first start), hands port, baud
  // and language to the link and applies the language (start button disabled).
  void Initialize();

  // --- buttons ------------------------------------------------------------------------
  void OnStartStop();
  // The Setup dialog ended with OK: the port is closed (the next flow opens the new
  // one at the rate chosen; 0 keeps the rate) and the language applied.
  void ApplySetup(int comNumber, Language language, int baud = 0);
  void OnSetupMeasurement();
  // A flow button: runs its flow unless a measurement or another flow is running.
  void OnFlow(Flow flow);
  // The exit routine: false (after telling the user) while a measurement runs or
  // another flow is busy; otherwise writes the settings, closes the recording file,
  // stops the line reading and returns true: the window may close.
  bool Exit();
  // The window's close command.
  bool CloseCommand() { return Exit(); }
  // The address up-down moved: returns the folded address (0..31 or 255).
  int SetAddressPosition(int position);

  // Flows of other subsystems plug in here; without one the button tells the user
  // the function is not available yet.
  void SetFlow(Flow flow, std::function<void()> run);
  // A task of the window's own (the bus scan): runs holding the line (the buttons follow
  // it) unless a measurement or a flow is running.
  void RunExclusive(const std::function<void()>& run);

  // --- state --------------------------------------------------------------------------
  const AppSettings& settings() const { return settings_; }
  const std::string& settingsFolder() const { return settingsFolder_; }
  Language language() const { return settings_.language; }
  int comNumber() const;
  int address() const { return context_.address; }
  // The address and language the flows work with.
  link::FlowContext& context() { return context_; }
  bool running() const { return live_.running(); }
  bool busy() const { return busy_ > 0; }
  const ButtonStates& buttons() const { return buttons_; }
  MainCaptions captions() const { return CaptionsFor(settings_.language, running()); }
  const std::string& statusInfo() const { return statusInfo_; }
  // The window's bottom line: port, mapping, rate, the module last seen, its calibration due.
  LineStatus lineStatus() const;
  const std::string& recordingStatus() const { return recording_.statusText(); }
  void SetStatusInfo(const std::string& text);
  // A logger export takes the recording file over: the recording is closed and has to
  // be set up again before a measurement can start.
  void ReleaseRecordingFile();
  // A configuration write stored these calibration values for the type: the status
  // line shows them as a start would.
  void ShowCalibration(int typeIndex, const std::array<float, 4>& values);

  // The module history the flows record in (nullptr: none). What it cannot take goes to
  // the status line at once and into a box once no flow runs, once per reason.
  void UseHistory(std::unique_ptr<history::Recorder> recorder);
  history::Recorder* history() const { return history_.get(); }

  LiveMeasurement& live() { return live_; }
  measurement::Recording& recording() { return recording_; }
  link::Link& link() { return link_; }
  platform::Ui& ui() { return ui_; }

 signals:
  // Buttons, captions or status texts changed: the window refreshes them.
  void stateChanged();

 private:
  void ApplyLanguage();
  // The one place the buttons follow the line, the measurement and the recording setup.
  void RefreshButtons();
  void OnStaleChanged(bool stale);
  void OnRecordingTick();
  void OnMeasurementLost(const std::string& reason);
  void NotAvailable();
  void OnHistoryFailed();
  void OnHistoryRolledBack();
  // What waits for the end of the flow (a found rate, a history that failed) in a box.
  void ShowNotices();
  void OnRateRecovered(int found);
  // Notes the module a flow of this window reads the identity and type of.
  void OnReply(const link::Frame& reply);
  // Asks the history about the module last seen (its calibration due).
  void LookUpSeenModule();
  void OnModuleLookedUp(const std::string& identity, const std::optional<history::KnownModule>& module);

  link::Link& link_;
  platform::Ui& ui_;
  measurement::IntervalPicker& intervals_;
  std::string settingsFolder_;
  AppSettings settings_;
  link::FlowContext context_;
  std::array<std::function<void()>, kFlows.size()> flows_;
  LiveMeasurement live_;
  measurement::Recording recording_;
  ButtonStates buttons_;
  std::string statusInfo_;
  bool staleShown_ = false;      // the status info is the stale fields' "no reply since"
  bool recordingReady_ = false;  // "Setup Messung" chose a file: a measurement may start
  int busy_ = 0;
  bool reopenRecording_ = false;  // the last measurement lost its line and closed its file
  std::unique_ptr<history::Recorder> history_;
  std::string historyNotice_;  // waits for the end of the flow
  std::string historyReason_;  // the last reason a box told
  int historyWritten_ = 0;     // events written when it told
  std::string rateNotice_;     // a rate found elsewhere, told once the flow ended
  int rateRecoveries_ = 0;
  bool exclusive_ = false;  // the window's own task (the scan) runs: its modules are not "seen"
  std::optional<SeenModule> seen_;
  std::pair<int, int> typeAt_{-1, -1};  // the last type reply: address, type index
  std::optional<history::KnownModule> seenInHistory_;
  // After history_: it goes first, and its lookup uses the recorder.
  std::unique_ptr<DueLookup> dueLookup_;
};

}  // namespace korvane::app
