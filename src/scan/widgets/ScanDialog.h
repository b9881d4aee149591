#pragma once
// The modules a bus scan found: address, type, device kind and identity; a double
// click takes the module's address.
#include <QDialog>

#include "platform/Language.h"
#include "scan/BusScan.h"
#include "scan/ScanDialogs.h"

class QTreeWidget;

namespace korvane::scan {

class ScanDialog : public QDialog {
  Q_OBJECT

 public:
  ScanDialog(const ScanResult& result, Language language, QWidget* parent = nullptr);
  // The address double-clicked; -1 when the dialog was closed without one.
  int chosenAddress() const { return chosen_; }
  // "Bus…" closed the dialog: watch every module found.
  bool busWanted() const { return busWanted_; }
  // "Historie…" closed the dialog: the history of the selected module (its identity).
  const std::optional<std::string>& historyOf() const { return historyOf_; }
  QTreeWidget* list() const { return list_; }

 private:
  QTreeWidget* list_ = nullptr;
  int chosen_ = -1;
  bool busWanted_ = false;
  std::optional<std::string> historyOf_;
};

// The scan dialog on a parent window.
class QtScanDialogs : public ScanDialogs {
 public:
  explicit QtScanDialogs(QWidget* parent) : parent_(parent) {}
  ScanChoice ChooseModule(const ScanResult& result, Language language) override;

 private:
  QWidget* parent_;
};

}  // namespace korvane::scan
