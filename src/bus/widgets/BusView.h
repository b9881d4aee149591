#pragma once
// The whole bus at a glance: one row per module (address, type, the six values with
// their units, calibration status, live or missing since when), start and stop, and a
// recording file. Thin: the engine polls, the recording writes; the view shows.
#include <QDialog>
#include <QPointer>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "measurement/Interval.h"
#include "bus/BusSample.h"
#include "platform/Clock.h"
#include "platform/Language.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvane::measurement {
class IntervalPicker;
class Recording;
}  // namespace korvane::measurement
namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::bus {

class BusPoll;
class BusRecording;

class BusView : public QDialog {
  Q_OBJECT

 public:
  struct Parts {
    link::Link& link;
    platform::Ui& ui;
    measurement::IntervalPicker& intervals;
    platform::Clock clock = platform::SystemClock();
  };
  BusView(Parts parts, Language language, QWidget* parent = nullptr);
  ~BusView() override;

  // The modules to watch ("0,3,5-7" in the address field); not while running.
  void setAddresses(const std::vector<std::uint8_t>& addresses);
  void setLanguage(Language language);
  void setPollPeriod(std::chrono::milliseconds period) { period_ = period; }
  bool running() const;

  // Start or stop, as the button does.
  void OnStartStop();
  // "Aufzeichnungsdatei…": the file and interval of the recording, as "Setup Messung".
  void OnRecordingSetup();

  QTreeWidget* rows() const { return rows_; }
  QPushButton* startButton() const { return start_; }
  QLabel* statusLabel() const { return status_; }

 signals:
  // "Historie…" in a row's context menu: the history of the module at that address.
  void historyRequested(int address);

 public slots:
  // Esc closes as the close box does: a running bus stops first.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Start();
  void OnSample(const BusSample& sample);
  void OnEnded(const QString& reason);
  void OnRecordingFailed(const QString& notice);
  void BuildRows();
  void Refresh();
  QTreeWidgetItem* Row(std::uint8_t address);
  void ShowState(QTreeWidgetItem* row, const BusSample& sample);

  Parts parts_;
  Language language_;
  std::chrono::milliseconds period_{2000};
  std::vector<std::uint8_t> addresses_;
  std::map<std::uint8_t, std::string> typeNotes_;  // "type changed" per address, until the next start
  std::unique_ptr<measurement::Recording> recording_;
  measurement::Interval interval_;
  QPointer<BusPoll> poll_;
  QPointer<BusRecording> lines_;
  bool closeWanted_ = false;

  QLabel* addressesLabel_ = nullptr;
  QLineEdit* addressEdit_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* recordButton_ = nullptr;
  QLabel* recordStatus_ = nullptr;
  QTreeWidget* rows_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace korvane::bus
