#pragma once
// The table of "Vergleichen…": each field that differs, by setup-file key and label,
// with the dialog's value and the other one (the module's or a setup file's).
#include <QDialog>

#include <string>
#include <vector>

#include "configuration/ConfigDiff.h"
#include "platform/Language.h"

class QTableWidget;

namespace korvane::configuration {

class CompareDialog : public QDialog {
  Q_OBJECT

 public:
  // other: the second column's heading ("Modul", or the file's name).
  CompareDialog(const std::vector<FieldDifference>& rows, const std::string& other, Language language,
                QWidget* parent = nullptr);
  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_ = nullptr;
};

}  // namespace korvane::configuration
