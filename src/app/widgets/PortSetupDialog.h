#pragma once
// The Setup dialog: COM port number, the line's rate, user-interface language and the
// technician's name. It only edits the values handed in; the caller applies them after
// OK. "Netzwerk" / "Network" shows the typed COM number's line over the network
// (protocol, host, port), or "off": OK keeps that as the COM number's mapping in the
// settings folder, so the settings file stays as it is.
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Language.h"
#include "platform/PortNames.h"

class QComboBox;
class QGroupBox;
class QSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::app {

// Checks the text of the COM number field: an integer from 1 to 255 (blanks around it
// are allowed). Returns the message to show when it is not, else nothing; *value gets
// the number when it is valid.
std::optional<std::string> ValidateComNumber(const std::string& text, int* value = nullptr,
                                             Language language = Language::kGerman);

// The text of the free-port box: one line "COM n  <device>  <description>" per port.
QString FreePortListText(const std::vector<platform::FreePort>& ports, Language language);

class PortSetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PortSetupDialog(QWidget* parent = nullptr);

  // Values exchanged with the caller. comNumber and language are taken from the
  // controls when OK is pressed with a valid number.
  int comNumber() const { return comNumber_; }
  void setComNumber(int com);
  Language language() const { return language_; }
  // Also captions the free-port button and the dialog's own labels in that language.
  void setLanguage(Language language);
  // The line's rate: 4800, 19200 or 38400 baud; another rate the settings file holds is
  // shown as it stands until one of them is chosen.
  int baudRate() const;
  void setBaudRate(int baud);
  // The name the history records (blank: the account's name).
  QString technician() const;
  void setTechnician(const QString& name);
  QString cancelCaption() const { return cancelCaption_; }
  void setCancelCaption(const QString& caption);
  QString languageCaption() const { return languageCaption_; }
  void setLanguageCaption(const QString& caption);
  // Where COM numbers are mapped to devices (ports/COM<n> links).
  std::string settingsFolder() const { return settingsFolder_; }
  void setSettingsFolder(const std::string& folder);

  // Message boxes (validation, free-port list); tests replace it.
  std::function<void(const QString& text)> showMessage;
  // The free-port scan; tests replace it.
  std::function<std::vector<platform::FreePort>(const std::string& settingsFolder)> scanFreePorts;

  QLineEdit* comEdit() const { return comEdit_; }
  QLabel* deviceLabel() const { return deviceLabel_; }
  QComboBox* languageBox() const { return languages_; }
  QPushButton* freePortsButton() const { return freePorts_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QGroupBox* networkBox() const { return network_; }
  QComboBox* protocolBox() const { return protocol_; }
  QLineEdit* hostEdit() const { return host_; }
  QSpinBox* networkPortBox() const { return networkPort_; }
  QComboBox* rateBox() const { return rate_; }
  QLineEdit* technicianEdit() const { return technician_; }
  // The network line the fields name ("" when the choice is off).
  std::string networkLine() const;

 public slots:
  void accept() override;
  void OnFreePorts();

 private:
  void OnComTextChanged();
  // The device the COM number maps to, or the network line the box names.
  void UpdateDeviceLabel();
  // Fills the network fields from the mapping of COM com ("off" when it has none).
  void LoadNetworkFields(int com);

  int comNumber_ = 0;
  Language language_ = Language::kGerman;
  QString cancelCaption_;
  QString languageCaption_;
  std::string settingsFolder_;

  QLineEdit* comEdit_;
  QLabel* deviceLabel_;
  QLabel* languageLabel_;
  QComboBox* languages_;
  QPushButton* freePorts_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QGroupBox* network_;
  QLabel* protocolLabel_;
  QComboBox* protocol_;
  QLabel* hostLabel_;
  QLineEdit* host_;
  QSpinBox* networkPort_;
  QLabel* rateLabel_;
  QComboBox* rate_;
  QLabel* technicianLabel_;
  QLineEdit* technician_;
};

}  // namespace korvane::app
