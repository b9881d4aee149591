#pragma once
// The main window: six large value fields with their labels and units, the status
// lines, the buttons and the module address. It shows what the MainController holds
// and passes its buttons on; the flows do the work.
#include <QDialog>
#include <QLabel>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/MainController.h"
#include "app/widgets/MainFlows.h"
#include "link/Link.h"
#include "platform/Clock.h"
#include "platform/QtTranslations.h"
#include "platform/widgets/QtUi.h"

class QAction;
class QGroupBox;
class QStatusBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class QVBoxLayout;
class QHBoxLayout;

namespace korvane::platform {
class Ui;
}
namespace korvane::trace {
class TraceWindow;
}
namespace korvane::bus {
class BusView;
}
namespace korvane::trend {
class TrendPanel;
}
namespace korvane::history {
class HistoryWindow;
class WitnessBook;
}  // namespace korvane::history

namespace korvane::measurement {
class IntervalPicker;
}

namespace korvane::app {

class MainController;

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
    std::string settingsFolder;                        // empty: the user's settings folder
    platform::Ui* ui = nullptr;                        // nullptr: Qt dialogs
    measurement::IntervalPicker* intervals = nullptr;  // nullptr: the interval dialog
    FlowDialogs flowDialogs;                           // the flows' own dialogs; unset: Qt dialogs
    link::Link* link = nullptr;                        // nullptr: the serial port of the settings
    link::LinkTimings timings{};
    platform::Clock clock = platform::SystemClock();
    // The module history: "" the default file in the data folder, "none", another file or
    // a postgresql:// URL (as korvane --history takes them).
    std::string history;
  };

  explicit MainWindow(QWidget* parent = nullptr);
  explicit MainWindow(Options options, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainController& controller() { return *controller_; }

  // Controls by name. Buttons: "start", "setupMeasurement", "calibrate", "configure",
  // "parametrize", "displayConfig", "setup", "exit", "history". Labels: "value1".."value6",
  // "channel1".."channel6", "unit1".."unit5", "calibrationStatus", "recordingStatus",
  // "statusInfo", "addressLabel", "lineStatus" (the bottom line). nullptr for other names.
  QLabel* label(const QString& name) const;
  QPushButton* button(const QString& name) const;
  QSpinBox* addressSpin() const { return address_; }

  void ShowAbout();
  // The bus scan behind "Suchen"; a double-clicked module's address goes into the field.
  void OnScan();
  // The bus view ("Bus…", or the scan list's "Bus…" with the modules found); made on
  // first use. Empty addresses keep the ones it has (at first the window's address).
  bus::BusView* ShowBus(const std::vector<std::uint8_t>& addresses = {});
  // The communication window (context menu); made on first use.
  trace::TraceWindow* ShowTrace();
  // "Historie…": the history window, made on first use and read afresh at each; with an
  // identity that module is chosen.
  history::HistoryWindow* ShowHistory(const std::string& identity = {});
  trend::TrendPanel* trendPanel() const { return trendPanel_; }

  // The technician the history records, as Setup or the history window changed it
  // (blank: the account's name again); kept in the program's own settings.
  void SetTechnician(const std::string& typed);

 public slots:
  // Esc, the close box and "Beenden": the exit routine decides.
  void reject() override;

 private:
  void Build();
  void RefreshState();
  void RefreshFields();
  void RefreshCaptions();
  void RefreshLineStatus();
  void OnSetup();
  void OnAddressChanged(int position);

  std::unique_ptr<platform::Ui> ownUi_;
  platform::QtUi* qtUi_ = nullptr;  // ownUi_ when the window made its own
  platform::QtTranslations qtTexts_;
  platform::Ui* ui_ = nullptr;
  std::unique_ptr<measurement::IntervalPicker> ownIntervals_;
  std::unique_ptr<link::Link> ownLink_;
  link::Link* link_ = nullptr;
  std::unique_ptr<MainController> controller_;
  std::unique_ptr<MainFlows> flows_;

  std::array<ValueField*, 6> values_{};
  std::array<QLabel*, 6> channels_{};
  std::array<QLabel*, 5> units_{};
  QLabel* calibrationStatus_ = nullptr;
  QLabel* recordingStatus_ = nullptr;
  QLabel* statusInfo_ = nullptr;
  QLabel* addressLabel_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* lineStatus_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* setupMeasurement_ = nullptr;
  QPushButton* setup_ = nullptr;
  QPushButton* exit_ = nullptr;
  std::array<QPushButton*, kFlows.size()> flowButtons_{};
  QSpinBox* address_ = nullptr;
  QGroupBox* statusBox_ = nullptr;
  QToolButton* help_ = nullptr;
  QAction* aboutAction_ = nullptr;
  bool closing_ = false;
  // The technician's bench: live trend, bus scan, communication trace.
  void BuildBench(QVBoxLayout* left, QVBoxLayout* right, QHBoxLayout* addressRow);
  void RefreshBench();
  void OnChainForTrend();
  QPushButton* trendButton_ = nullptr;
  QPushButton* scan_ = nullptr;
  QPushButton* bus_ = nullptr;
  QPushButton* history_ = nullptr;
  history::HistoryWindow* historyWindow_ = nullptr;
  bus::BusView* busView_ = nullptr;
  measurement::IntervalPicker* intervals_ = nullptr;
  platform::Clock clock_;
  std::string settingsFolder_;
  std::shared_ptr<history::WitnessBook> witness_;  // the heads of the histories this program saw
  QAction* traceAction_ = nullptr;
  trend::TrendPanel* trendPanel_ = nullptr;
  trace::TraceWindow* traceWindow_ = nullptr;
  int heightWithoutTrend_ = 0;  // the window's height before the trend was shown
};

}  // namespace korvane::app
