#pragma once
// The configuration dialog "Konfiguration": shows one module configuration, lets the
// user edit it, load and save it as a setup file, print it, and checks the choice on
// OK. The dialog only moves values between the settings and its controls; reading and
// writing the module, files and printouts are done by the configuration flows.
#include <QDialog>

#include <QPointer>

#include <map>
#include <optional>
#include <string>

#include "configuration/ConfigSettings.h"
#include "configuration/ConfigurationEditor.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::configuration {

class ConfigurationDialog : public QDialog {
  Q_OBJECT

 public:
  // actions: what the buttons do (OK asks its type check after the address check);
  // line: the buttons wait while a flow holds it (nullptr: they never do).
  ConfigurationDialog(platform::Ui& ui, ConfigSettings& settings, ConfigurationActions& actions,
                      QWidget* parent = nullptr, link::Link* line = nullptr);

  // The control in a role (nullptr for a role the dialog has no control for).
  QWidget* control(ctl::Control id) const;
  QAbstractButton* button(ctl::Control id) const;
  QLineEdit* edit(ctl::Control id) const;
  QComboBox* combo(ctl::Control id) const;
  QLabel* label(ctl::Control id) const;
  QGroupBox* group(ctl::Control id) const;
  // Caption of a control: button text, label text, group title.
  QString caption(ctl::Control id) const;

  // Settings -> controls.
  void SettingsToControls();
  // Controls -> settings; false (after telling the user) when the address field holds
  // no number in 0..31, an editable field holds no number (a decimal comma is taken as
  // the point) or a field holds a character without a Windows-1252 byte. The settings
  // are then left as they were.
  bool ControlsToSettings();
  // Adapts the controls to the type, series and language of the settings.
  void SetupDialogControls();

  // Button handlers (public so the tests press them without a mouse).
  void OnOpen();
  void OnSave();
  void OnPrint();
  void OnSeriesButton();
  // "Vergleichen…": the dialog's values beside the module's (read afresh) or a setup
  // file's, in a table; nothing of the dialog changes.
  void OnCompare();
  void accept() override;
  void reject() override;

 private:
  void Build();
  // The parts of Build: the source and pair groups, the calibration group, the
  // general group, the buttons down the right side.
  void BuildOutputs(QGridLayout* body);
  void BuildCalibration(QGridLayout* body);
  void BuildGeneral(QGridLayout* body);
  void BuildButtons(QHBoxLayout* top);
  void SetButtonTexts();
  QButtonGroup* RadioGroup(ctl::Control first, int count, QGroupBox* box, QGridLayout* grid, int column);
  void Register(ctl::Control id, QWidget* w) { controls_[id] = w; }
  // "group: label" of an edit, as the user reads it.
  std::string FieldName(ctl::Control editId) const;
  // The edit's text as the settings hold it (Windows-1252, a number with "." where
  // the user can edit it), or nullopt after telling the user why not.
  std::optional<std::string> FieldText(ctl::Control editId);

  platform::Ui& ui_;
  ConfigSettings& settings_;
  ConfigurationActions& actions_;
  bool busy_ = false;  // the OK check is waiting for the module
  std::map<ctl::Control, QWidget*> controls_;
  std::map<ctl::Control, QLabel*> editLabels_;
  // Radio groups by the role of their first button.
  std::map<ctl::Control, QButtonGroup*> radioGroups_;
  // What the last SetupDialogControls left; some controls keep it across runs.
  DialogControlStates states_ = FreshDialogControls();
};

// Runs the dialog modally on the settings; true when it was closed with OK (after the
// type confirmation passed). The settings then hold the control values, with
// measurementType as list index beside settings.typeListOffset.
bool RunConfigurationDialog(QWidget* parent, platform::Ui& ui, ConfigSettings& settings, ConfigurationActions& actions,
                            link::Link* line = nullptr);

// The desktop program's configuration editor: the dialog on a parent window.
class QtConfigurationEditor : public ConfigurationEditor {
 public:
  QtConfigurationEditor(QWidget* parent, platform::Ui& ui, link::Link* line = nullptr)
      : parent_(parent), ui_(ui), line_(line) {}
  Result Edit(ConfigSettings& s, ConfigurationActions& actions) override;

 private:
  QPointer<QWidget> parent_;
  platform::Ui& ui_;
  link::Link* line_;
};

}  // namespace korvane::configuration
