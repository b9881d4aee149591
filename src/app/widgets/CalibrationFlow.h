#pragma once
// "Kalibrieren" of the main window: the calibration with the assistant, or with the
// classic message boxes when korvane.conf (or the window's context menu) says so. A
// calibration the module did not take is never shown as the module's values: after
// "Beenden", an error or a lost line the module object and the status line go back to
// what the module holds.
#include <memory>

#include "platform/Language.h"

class QAction;
class QWidget;

namespace korvane::calibration {
class AssistantUi;
class CalibrationUi;
struct CalibrationRun;
}  // namespace korvane::calibration
namespace korvane::link {
class Link;
struct FlowRecord;
}  // namespace korvane::link
namespace korvane::platform {
class Ui;
}

namespace korvane::app {

class MainController;

class CalibrationFlow {
 public:
  // classic: the dialogs of the classic calibration; assistant: the assistant (a fresh
  // window each run when null). Classic dialogs given without an assistant stand for the
  // whole conversation: the run is classic.
  CalibrationFlow(MainController& controller, link::Link& link, platform::Ui& ui, QWidget* window,
                  calibration::CalibrationUi& classic, calibration::AssistantUi* assistant, bool classicGiven);
  ~CalibrationFlow();

  void Run();
  // The context menu's "Kalibrierassistent": checked while the assistant leads calibrations.
  QAction* modeAction() const { return mode_; }

 private:
  struct Bridge;
  void Retranslate();
  void PrintCertificate(const link::FlowRecord& record, Language language);

  MainController& c_;
  link::Link& link_;
  platform::Ui& ui_;
  QWidget* window_;
  calibration::CalibrationUi& classic_;
  calibration::AssistantUi* assistant_;
  bool classicGiven_;
  QAction* mode_ = nullptr;
};

}  // namespace korvane::app
