#pragma once
// "Parametrieren": the adjustment buttons, the DAC limits with their up-downs, the
// device data and the parameter report. Thin: Parametrization does the work.
#include <QDialog>
#include "platform/widgets/SpinEdit.h"

#include <functional>
#include <map>

#include "parametrization/ParametrizationDialogs.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::parametrization {

class RawValueWindow;

class ParametrizationDialog : public QDialog {
  Q_OBJECT

 public:
  ParametrizationDialog(ParametrizationActions& session, QWidget* parent = nullptr);
  ~ParametrizationDialog() override;

  // A control by its role.
  QWidget* control(Control id) const;

  // "Beenden", the close box and Escape. While one of the dialog's actions has the line,
  // the dialog closes once it is done, not in its middle.
  void reject() override;

 private:
  void Build();
  // The parts of Build: the adjustment buttons, the DAC outputs, the device data, the
  // report with its buttons and "Beenden".
  void BuildAdjustments(QGridLayout* top);
  void BuildOutputs(QGridLayout* top);
  void BuildDeviceData(QGridLayout* top);
  void BuildReport(QGridLayout* top);
  QPushButton* NewButton(Control id, const char* caption, QWidget* parent, std::function<void()> action);
  // The measure-and-store button of a role, with its caption.
  QPushButton* NewMeasureButton(Control id, QWidget* parent);
  void Register(Control id, QWidget* w);
  void ApplyEnabling();
  void FieldsToControls();
  void ControlsToFields();

  ParametrizationActions& session_;
  std::map<Control, QWidget*> controls_;
  QLineEdit* airPressure_ = nullptr;
  QLineEdit* deviceNumber_ = nullptr;
  QLineEdit* delay_ = nullptr;
  QCheckBox* screenSaver_ = nullptr;
  QLabel* report_ = nullptr;
  platform::SpinEdit* dac_[8] = {};
  bool closeWanted_ = false;
};

// The Qt windows of the parametrization, on the main window.
class QtParametrizationDialogs : public ParametrizationDialogs {
 public:
  explicit QtParametrizationDialogs(QWidget* parent);
  ~QtParametrizationDialogs() override;
  std::optional<int> SelectType() override;
  void Run(ParametrizationActions& session) override;
  RawValueView& rawValueView() override;

 private:
  QWidget* parent_;
  RawValueWindow* raw_;
};

}  // namespace korvane::parametrization
