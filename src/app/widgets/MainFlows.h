#pragma once
// The flows of the other subsystems behind the main window's flow buttons, with the
// dialogs and state they keep while the window lives. This is the one place where a
// flow is wired to its button: adding a flow is one entry in the constructor.
#include <memory>
#include <optional>

#include "configuration/ConfigSettings.h"
#include "display/DisplaySettings.h"
#include "parametrization/ParamFields.h"
#include "platform/Clock.h"
#include "scan/ScanDialogs.h"

class QWidget;

namespace korvane::calibration {
class AssistantUi;
class CalibrationUi;
}  // namespace korvane::calibration
namespace korvane::configuration {
class ConfigurationEditor;
}
namespace korvane::display {
class DisplayEditor;
}
namespace korvane::link {
class Link;
}
namespace korvane::logger {
class QtModuleLogger;
}
namespace korvane::platform {
class Ui;
}
namespace korvane::parametrization {
class ParametrizationDialogs;
}
namespace korvane::scan {}

namespace korvane::app {

class CalibrationFlow;
class MainController;

// The flows' own dialogs; those left unset are the Qt dialogs on the main window.
struct FlowDialogs {
  calibration::CalibrationUi* calibration = nullptr;
  // The calibration assistant; unset: a window of its own each run. A calibration given
  // without an assistant runs classic.
  calibration::AssistantUi* assistant = nullptr;
  configuration::ConfigurationEditor* configuration = nullptr;
  display::DisplayEditor* display = nullptr;
  parametrization::ParametrizationDialogs* parametrization = nullptr;
  scan::ScanDialogs* scan = nullptr;
};

class MainFlows {
 public:
  MainFlows(MainController& controller, link::Link& link, platform::Ui& ui, QWidget* window, platform::Clock clock,
            FlowDialogs dialogs);
  ~MainFlows();
  MainFlows(const MainFlows&) = delete;
  MainFlows& operator=(const MainFlows&) = delete;

  // "Suchen": scans the bus while no other flow runs and lets the user pick a module;
  // its address, or nullopt.
  scan::ScanChoice Scan();

 private:
  struct RecordingGuard;

  std::unique_ptr<calibration::CalibrationUi> ownCalibrationUi_;
  std::unique_ptr<configuration::ConfigurationEditor> ownConfigurationEditor_;
  std::unique_ptr<CalibrationFlow> calibration_;
  std::unique_ptr<RecordingGuard> recordingGuard_;
  std::unique_ptr<logger::QtModuleLogger> moduleLogger_;
  // The configuration dialog's settings live as long as the window, so a second
  // "Konfigurieren" starts from what the first one left.
  configuration::ConfigSettings configSettings_;
  std::unique_ptr<display::DisplayEditor> ownDisplayEditor_;
  // The display unit dialog's values, kept as the dialog keeps its members.
  display::DisplaySettings displaySettings_;
  std::unique_ptr<parametrization::ParametrizationDialogs> ownParametrizationDialogs_;
  // The parametrization dialog's fields, kept from one run to the next.
  parametrization::ParamFields paramFields_;
  std::unique_ptr<scan::ScanDialogs> ownScanDialogs_;
  MainController& controller_;
  link::Link& link_;
  platform::Ui& ui_;
  scan::ScanDialogs* scanDialogs_;
};

}  // namespace korvane::app
