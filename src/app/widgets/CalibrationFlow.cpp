#include "app/widgets/CalibrationFlow.h"

#include <QAction>
#include <QFileInfo>
#include <QWidget>

#include <optional>

#include "app/MainController.h"
#include "app/OwnSettings.h"
#include "calibration/AssistantUi.h"
#include "calibration/BufferFile.h"
#include "calibration/Calibrate.h"
#include "calibration/widgets/QtAssistantUi.h"
#include "history/CalibrationCertificate.h"
#include "history/CalibrationDetails.h"
#include "history/HistoryLocation.h"
#include "history/HistoryTexts.h"
#include "history/Recorder.h"
#include "link/Link.h"
#include "platform/SafeFile.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "platform/Version.h"

namespace korvane::app {
namespace {

constexpr platform::Text kAssistantModeAction{"app", QT_TRANSLATE_NOOP("app", "Kalibrierassistent")};

}  // namespace

// The main window's side of a calibration; the status line is shown once the run has
// ended and it is known whether the module took the new values.
struct CalibrationFlow::Bridge : calibration::CalibrationHost {
  explicit Bridge(MainController& c) : c_(c) {}
  void SetChannelCaptions(int typeIndex) override { c_.live().SetChannelCaptions(typeIndex, c_.language()); }
  void StartPolling() override { c_.live().StartPolling(); }
  void StopPolling() override { c_.live().StopPolling(); }
  void ClearValueDisplay() override { c_.live().ClearValueDisplay(); }
  void SetStatusLine(const std::string& text) override { status = text; }
  MainController& c_;
  std::optional<std::string> status;
};

CalibrationFlow::CalibrationFlow(MainController& controller, link::Link& link, platform::Ui& ui, QWidget* window,
                                 calibration::CalibrationUi& classic, calibration::AssistantUi* assistant,
                                 bool classicGiven)
    : c_(controller),
      link_(link),
      ui_(ui),
      window_(window),
      classic_(classic),
      assistant_(assistant),
      classicGiven_(classicGiven) {
  if (!window_) return;
  mode_ = new QAction(window_);
  mode_->setObjectName(QStringLiteral("calibrationAssistantAction"));
  mode_->setCheckable(true);
  window_->addAction(mode_);
  QObject::connect(mode_, &QAction::toggled, mode_, [this](bool on) {
    std::string error;
    const auto keep = [on](OwnSettings& own) {
      own.Set(calibration::kModeKey, on ? "assistant" : "classic");
      return true;
    };
    if (!UpdateOwnSettings(c_.settingsFolder(), keep, &error, c_.language())) ui_.Message(error);
  });
  QObject::connect(&c_, &MainController::stateChanged, mode_, [this] { Retranslate(); });
  Retranslate();
}

CalibrationFlow::~CalibrationFlow() = default;

void CalibrationFlow::Retranslate() {
  if (!mode_) return;
  mode_->setText(QString::fromUtf8(Tr(c_.language(), kAssistantModeAction)));
  const OwnSettings own = LoadOwnSettings(c_.settingsFolder());
  const bool assistant = own.Get(calibration::kModeKey).value_or("assistant") != "classic";
  mode_->blockSignals(true);
  mode_->setChecked(assistant);
  mode_->blockSignals(false);
}

void CalibrationFlow::PrintCertificate(const link::FlowRecord& record, Language l) {
  const OwnSettings own = LoadOwnSettings(c_.settingsFolder());
  const history::Event e =
      history::EventFromRecord(record, history::SystemUtcMs(), own.Get(kTechnicianKey).value_or(history::LoginName()),
                               history::HostName(), std::string("korvane ") + platform::kVersion);
  std::unique_ptr<platform::PageTarget> page = ui_.BeginPrint(Tr(l, history::kCertificateTitle));
  if (!page) return;
  if (!history::LayoutCertificate(*page, e, l) && !page->failure().empty()) ui_.Message(page->failure());
}

void CalibrationFlow::Run() {
  const Language l = c_.language();
  const std::string folder = c_.settingsFolder();
  calibration::AssistantParts parts;
  std::string problem;
  const OwnSettings own = LoadOwnSettings(folder, &problem);
  if (!problem.empty()) parts.problems.push_back(problem);
  parts.settings = calibration::ParseAssistantSettings(own.values, &parts.problems, l);
  Bridge bridge(c_);
  calibration::CalibrationRun run;
  const bool assisted = parts.settings.assistant && (assistant_ || !classicGiven_);
  if (!assisted) {
    run = calibration::Calibrate(link_, c_.context(), ui_, classic_, bridge);
  } else {
    const std::string buffers = folder + "/" + calibration::kBufferFileName;
    if (QFileInfo::exists(QString::fromStdString(buffers))) {
      if (const std::optional<std::string> text = platform::ReadWholeFile(buffers))
        parts.bufferSets = calibration::BufferSetsWithFile(*text, &parts.problems, l);
      else
        parts.problems.push_back(buffers + ": " + platform::ReadProblem(buffers, l));
    }
    std::unique_ptr<calibration::QtAssistantUi> window;
    if (!assistant_) window = std::make_unique<calibration::QtAssistantUi>(window_, l);
    parts.ui = assistant_ ? assistant_ : window.get();
    if (history::Recorder* recorder = c_.history()) {
      const store::Location location = recorder->location();
      parts.lastReference = [location](const calibration::ReferenceQuery& q) -> std::optional<float> {
        const std::optional<double> v =
            history::LastReference(location, q.identity, q.address, q.wireType, q.procedure, q.point);
        if (!v) return std::nullopt;
        return static_cast<float>(*v);
      };
    }
    parts.printCertificate = [this, l](const link::FlowRecord& r) { PrintCertificate(r, l); };
    parts.keepSettings = [this, folder, l](const calibration::AssistantSettings& s) {
      std::string error;
      const auto keep = [&s](OwnSettings& kept) {
        for (const auto& [key, value] : calibration::AssistantSettingsValues(s)) kept.Set(key, value);
        return true;
      };
      if (!UpdateOwnSettings(folder, keep, &error, l)) ui_.Message(error);
    };
    run = calibration::Calibrate(link_, c_.context(), ui_, classic_, bridge, &parts);
  }
  // The module holds what it held before unless the new values were stored.
  if (!run.procedure.empty() && !run.saved()) {
    link_.module().calibration = run.before;
    link_.module().calibrationKey = run.keyBefore;
    c_.live().SetStatusLine(calibration::CalibrationStatusText(run.typeIndex, l, run.before));
  } else if (bridge.status) {
    c_.live().SetStatusLine(*bridge.status);
  }
}

}  // namespace korvane::app
