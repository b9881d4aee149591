#pragma once
// The main window: six large value fields with their labels and units, the status
// lines, the buttons and the module address. It shows what the MainController holds
// and passes its buttons on; the flows do the work.
#include <QDialog>
#include <QLabel>

#include <map>
#include <memory>
#include <string>

#include "configuration/ConfigSettings.h"
#include "link/Link.h"
#include "platform/Clock.h"

class QGroupBox;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace korvane::platform {
class Ui;
}

namespace korvane::app {

class MainController;
class QtUi;

inline constexpr char kVersionText[] = "Korvane Version 1.0";

// A sunken value field whose font grows and shrinks with the field's height.
class ValueField : public QLabel {
  Q_OBJECT

 public:
  explicit ValueField(QWidget* parent = nullptr);
  // The field's size comes from the window, never from its (large) text.
  QSize sizeHint() const override { return {240, 80}; }
  QSize minimumSizeHint() const override { return minimumSize(); }

 protected:
  void resizeEvent(QResizeEvent* e) override;
};

class MainWindow : public QDialog {
  Q_OBJECT

 public:
  struct Options {
    std::string settingsFolder;         // empty: the user's settings folder
    platform::Ui* ui = nullptr;         // nullptr: Qt dialogs
    link::Link* link = nullptr;         // nullptr: the serial port of the settings
    link::LinkTimings timings{};
    platform::Clock clock = platform::SystemClock();
  };

  explicit MainWindow(QWidget* parent = nullptr);
  explicit MainWindow(Options options, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainController& controller() { return *controller_; }

  // Controls by their resource number: value fields 1009..1014, labels 1123..1128,
  // units 1129..1133, status 1016, 1099, 1100, address label 1134; buttons 2, 3, 4,
  // 5, 1015, 1020, 1021, 1022.
  QLabel* label(int id) const;
  QPushButton* button(int id) const;
  QSpinBox* addressSpin() const { return address_; }

  void ShowAbout();

 public slots:
  // Esc, the close box and "Beenden": the exit routine decides.
  void reject() override;

 private:
  void Build();
  void RefreshState();
  void RefreshFields();
  void RefreshCaptions();
  void OnSetup();
  void OnAddressChanged(int position);

  std::unique_ptr<QtUi> ownUi_;
  platform::Ui* ui_ = nullptr;
  std::unique_ptr<link::Link> ownLink_;
  link::Link* link_ = nullptr;
  std::unique_ptr<MainController> controller_;
  struct CalibrationBridge;
  std::unique_ptr<CalibrationBridge> calibrationHost_;
  // The configuration dialog's settings live as long as the window, so a second
  // "Konfigurieren" starts from what the first one left.
  configuration::ConfigSettings configSettings_;

  std::map<int, QLabel*> labels_;
  std::map<int, QPushButton*> buttons_;
  QSpinBox* address_ = nullptr;
  QGroupBox* statusBox_ = nullptr;
  QToolButton* help_ = nullptr;
  bool closing_ = false;
};

}  // namespace korvane::app
