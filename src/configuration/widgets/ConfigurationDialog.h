#pragma once
// The configuration dialog "Konfiguration": shows one module configuration, lets the
// user edit it, load and save it as a setup file, print it, and checks the choice on
// OK. The dialog only moves values between the settings and its controls; reading and
// writing the module, files and printouts are done by the configuration flows.
#include <QDialog>

#include <functional>
#include <map>
#include <string>

#include "configuration/ConfigSettings.h"
#include "platform/Clock.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::platform {
class Ui;
}

namespace korvane::configuration {

class ConfigTransfer;

// Called by OK after the address check: true when the module accepts the chosen type.
// It tells the user itself why not (communication error, type error).
using OkCheck = std::function<bool(ConfigSettings&)>;
// Opens the module logger dialog of a series ("QX7100", "PB70,PD70,PF70") in a language.
using LoggerOpener = std::function<void(const std::string& series, int language)>;

class ConfigurationDialog : public QDialog {
  Q_OBJECT

 public:
  ConfigurationDialog(platform::Ui& ui, ConfigSettings& settings, OkCheck okCheck, QWidget* parent = nullptr,
                 platform::Clock clock = platform::SystemClock(), LoggerOpener openLogger = {});

  // The control with a resource id of the dialog (nullptr for unknown ids).
  QWidget* control(int id) const;
  QAbstractButton* button(int id) const;
  QLineEdit* edit(int id) const;
  QComboBox* combo(int id) const;
  QLabel* label(int id) const;
  QGroupBox* group(int id) const;
  // Caption of a control: button text, label text, group title.
  QString caption(int id) const;

  // Settings -> controls.
  void SettingsToControls();
  // Controls -> settings; false (after telling the user) when the address field holds
  // no number in 0..31. The settings are then left as they were.
  bool ControlsToSettings();
  // Adapts the controls to the type, series and language of the settings.
  void SetupDialogControls();

  // Button handlers (public so the tests press them without a mouse).
  void OnOpen();
  void OnSave();
  void OnPrint();
  void OnSeriesButton();
  void accept() override;
  void reject() override;

 private:
  void Build();
  void SetButtonTexts();
  QButtonGroup* RadioGroup(int firstId, int count, QGroupBox* box, QGridLayout* grid, int column);
  void Register(int id, QWidget* w) { controls_[id] = w; }

  platform::Ui& ui_;
  ConfigSettings& settings_;
  OkCheck okCheck_;
  platform::Clock clock_;
  LoggerOpener openLogger_;
  bool busy_ = false;  // the OK check is waiting for the module
  std::map<int, QWidget*> controls_;
  // Radio groups by the id of their first button: 1001, 1007, 1013, 1019, 1101, 1103, 1105, 1108.
  std::map<int, QButtonGroup*> radioGroups_;
  // What the last SetupDialogControls left; some controls keep it across runs.
  DialogControlStates states_ = FreshDialogControls();
};

// Runs the dialog modally on the settings; true when it was closed with OK (after the
// OK check passed). The settings then hold the control values, with IDC_TYPAUSWAHL as
// list index beside settings.typeListOffset.
bool RunConfigurationDialog(QWidget* parent, platform::Ui& ui, ConfigSettings& settings, OkCheck okCheck,
                            platform::Clock clock = platform::SystemClock(), LoggerOpener openLogger = {});

// The dialog callback for ConfigTransfer::ReadConfiguration: the dialog on the settings,
// its OK checked by the transfer's type check (which re-reads the module type).
std::function<bool(ConfigSettings&)> ConfigurationDialogRunner(QWidget* parent, platform::Ui& ui,
                                                               ConfigTransfer& transfer,
                                                               platform::Clock clock = platform::SystemClock(),
                                                               LoggerOpener openLogger = {});

}  // namespace korvane::configuration
