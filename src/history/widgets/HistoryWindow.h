#pragma once
// "Historie…": the modules the history knows with their calibration due marks, the
// chosen module's events newest first through the kind and span filters, the selected
// event's details, the drift chart of its calibrations, the export of the shown events
// and the service report. A history that cannot be opened says why; nothing else of
// the program depends on it.
#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "history/HistoryView.h"
#include "history/Witness.h"
#include "platform/Language.h"
#include "store/Database.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace korvane::platform {
class Ui;
}

namespace korvane::history {

class DriftChart;

class HistoryWindow : public QDialog {
  Q_OBJECT

 public:
  struct Options {
    store::Location location;
    platform::Ui* ui = nullptr;         // file dialogs and messages
    std::function<std::int64_t()> now;  // UTC ms; the system clock when unset
    CalibrationIntervals intervals;
    std::function<void(const CalibrationIntervals&)> saveIntervals;
    std::string site;
    std::function<void(const std::string&)> saveSite;
    std::string technician, program;
    // The technician field was changed (blank: the account's name); the caller keeps it.
    std::function<void(const std::string&)> saveTechnician;
    std::function<std::string(const std::string& key, int type)> fieldLabel;
    std::function<int(const std::string& key)> fieldRank;  // the report's order of fields
    std::array<std::string, 4> calibrationKeys;            // the setup-file keys of calibration values 1..4
    std::shared_ptr<WitnessBook> witness;                  // the heads this program saw
  };
  HistoryWindow(Options options, Language language, QWidget* parent = nullptr);
  ~HistoryWindow() override;

  // Reads the history afresh (modules, then the chosen module's events).
  void Reload();
  void setLanguage(Language language);
  // Shows the module with this identity (a row of the bus view, the scan list).
  void ShowModule(const std::string& identity);
  // Shows the module last seen at this address (a row of the bus view).
  void ShowAddress(int address);
  // The technician the report names (changed in Setup).
  void setTechnician(const std::string& name);

  // For the tests and the bench: what is shown.
  const std::vector<ModuleRow>& rows() const { return rows_; }
  const std::vector<Event>& shownEvents() const { return shown_; }
  QTableWidget* modulesTable() const { return modules_; }
  QTableWidget* eventsTable() const { return events_; }
  QTableWidget* detailsTable() const { return details_; }
  DriftChart* chart() const { return chart_; }
  QLabel* problemLabel() const { return problem_; }
  QComboBox* kindFilter() const { return kind_; }
  QComboBox* spanFilter() const { return span_; }

  // Buttons.
  void OnExport();
  void OnReport();
  // The chosen calibration's certificate as a PDF file.
  void OnCertificate();
  QPushButton* certificateButton() const { return certificate_; }

 private:
  void Build();
  void Retranslate();
  void FillModules();
  void OnModuleChosen();
  void FillEvents();
  void OnEventChosen();
  void OnFamilyChosen();
  void OnIntervalChanged(int days);
  ViewFilter Filter() const;
  const Event* ChosenEvent() const;
  std::int64_t Now() const;

  Options options_;
  Language language_;
  HistoryStore store_;
  std::string openProblem_;
  std::vector<ModuleRow> rows_;
  std::vector<Event> moduleEvents_;  // of the chosen module, oldest first
  std::vector<Event> shown_;         // through the filters, newest first

  QLabel* problem_ = nullptr;
  QTableWidget* modules_ = nullptr;
  QTableWidget* events_ = nullptr;
  QTableWidget* details_ = nullptr;
  DriftChart* chart_ = nullptr;
  QLabel* trend_ = nullptr;
  QComboBox* kind_ = nullptr;
  QComboBox* span_ = nullptr;
  QComboBox* family_ = nullptr;
  QSpinBox* interval_ = nullptr;
  QLineEdit* site_ = nullptr;
  QLabel* technicianLabel_ = nullptr;
  QLineEdit* technician_ = nullptr;
  QLabel* kindLabel_ = nullptr;
  QLabel* spanLabel_ = nullptr;
  QLabel* intervalLabel_ = nullptr;
  QLabel* siteLabel_ = nullptr;
  QPushButton* export_ = nullptr;
  QPushButton* report_ = nullptr;
  QPushButton* certificate_ = nullptr;
  QPushButton* saveChart_ = nullptr;
  QPushButton* printChart_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace korvane::history
