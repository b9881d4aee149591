#include "app/widgets/MainFlows.h"

#include "app/MainController.h"
#include "app/widgets/CalibrationFlow.h"
#include "calibration/widgets/QtCalibrationUi.h"
#include "configuration/ConfigTransfer.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "display/DisplayTransfer.h"
#include "display/widgets/DisplayUnitDialog.h"
#include "link/Link.h"
#include "logger/widgets/ModuleLoggerDialog.h"
#include "parametrization/StartParametrization.h"
#include "parametrization/widgets/ParametrizationDialog.h"
#include "scan/BusScan.h"
#include "scan/widgets/ScanDialog.h"

#include "platform/NumberText.h"
#include "platform/SafeFile.h"
#include "types/Texts.h"

namespace korvane::app {

// A logger export into the file being recorded into ends the recording first; a file
// of the same name in another folder is another file.
struct MainFlows::RecordingGuard : logger::ExportGuard {
  explicit RecordingGuard(MainController& c) : c_(c) {}
  void BeforeExport(const std::string& path) override {
    const std::string& recording = c_.recording().path();
    if (c_.recording().isOpen() && platform::SameFile(path, recording)) c_.ReleaseRecordingFile();
  }
  MainController& c_;
};

MainFlows::MainFlows(MainController& controller, link::Link& link, platform::Ui& ui, QWidget* window,
                     platform::Clock clock, FlowDialogs dialogs)
    : recordingGuard_(std::make_unique<RecordingGuard>(controller)),
      moduleLogger_(std::make_unique<logger::QtModuleLogger>(
          logger::LoggerParts{link, ui, controller.context(), clock, recordingGuard_.get()}, window)),
      controller_(controller),
      link_(link),
      ui_(ui) {
  const bool classicGiven = dialogs.calibration != nullptr;
  if (!dialogs.calibration) {
    ownCalibrationUi_ = std::make_unique<calibration::QtCalibrationUi>(window);
    dialogs.calibration = ownCalibrationUi_.get();
  }
  calibration_ = std::make_unique<CalibrationFlow>(controller, link, ui, window, *dialogs.calibration,
                                                   dialogs.assistant, classicGiven);
  if (!dialogs.configuration) {
    ownConfigurationEditor_ = std::make_unique<configuration::QtConfigurationEditor>(window, ui, &link);
    dialogs.configuration = ownConfigurationEditor_.get();
  }
  if (!dialogs.display) {
    ownDisplayEditor_ = std::make_unique<display::QtDisplayEditor>(window, ui, &link);
    dialogs.display = ownDisplayEditor_.get();
  }
  if (!dialogs.parametrization) {
    ownParametrizationDialogs_ = std::make_unique<parametrization::QtParametrizationDialogs>(window);
    dialogs.parametrization = ownParametrizationDialogs_.get();
  }
  if (!dialogs.scan) {
    ownScanDialogs_ = std::make_unique<scan::QtScanDialogs>(window);
    dialogs.scan = ownScanDialogs_.get();
  }
  scanDialogs_ = dialogs.scan;
  MainController* c = &controller;

  c->SetFlow(Flow::kCalibrate, [this] { calibration_->Run(); });
  c->SetFlow(Flow::kConfigure, [this, c, &link, &ui, clock, editor = dialogs.configuration] {
    configuration::ConfigTransfer transfer(link, ui, c->context(), clock, moduleLogger_.get());
    if (!transfer.ReadConfiguration(configSettings_, *editor)) return;
    // The module now holds the calibration values of the dialog: the status line says so
    // at once, not only after the next start.
    const configuration::ConfigSettings& s = configSettings_;
    const int type = s.AbsoluteType();
    std::array<float, 4>& k = link.module().calibration;
    k[0] = static_cast<float>(platform::ToDouble(s.calibration1));
    k[1] = static_cast<float>(platform::ToDouble(s.calibration2));
    k[2] = static_cast<float>(platform::ToDouble(s.calibration3));
    if (configuration::WritesCalibration4(type)) k[3] = static_cast<float>(platform::ToDouble(s.calibration4));
    c->ShowCalibration(type, k);
  });
  c->SetFlow(Flow::kDisplayConfig, [this, c, &link, &ui, clock, editor = dialogs.display] {
    display::DisplayTransfer transfer(link, ui, c->language(), clock, recordingGuard_.get(), c->context().log);
    transfer.Configure(displaySettings_, *editor);
  });
  c->SetFlow(Flow::kParametrize, [this, c, &link, &ui, clock, windows = dialogs.parametrization] {
    parametrization::StartParametrization(link, ui, c->context(), *windows, paramFields_, clock);
  });
}

MainFlows::~MainFlows() = default;

scan::ScanChoice MainFlows::Scan() {
  const Language language = controller_.language();
  scan::ScanResult result;
  bool ran = false;
  controller_.RunExclusive([&] {
    if (!link_.OpenPort(language)) {
      ui_.Message(link_.openMessage());
      return;
    }
    result = scan::ScanBus(link_, ui_, language);
    ran = true;
  });
  if (!ran) return {};
  if (result.lineLost) ui_.Message(link_.commErrorMessage(language));
  return scanDialogs_->ChooseModule(result, language);
}

}  // namespace korvane::app
