#include "calibration/widgets/CalibrationDialogs.h"

#include "calibration/widgets/TwoChoiceDialog.h"
#include "calibration/widgets/CalibrationResultDialog.h"
#include "calibration/widgets/CalibrationValueDialog.h"

namespace korvane::calibration {

int RunValueEntry(QWidget* parent, platform::ValueEntry& entry) {
  CalibrationValueDialog dialog(parent);
  dialog.prompt = entry.prompt;
  dialog.unit = entry.unit;
  dialog.value = entry.value;
  const int result = dialog.exec();
  entry.value = dialog.value;
  return result;
}

int RunResultDisplay(QWidget* parent, const platform::ResultRows& rows) {
  CalibrationResultDialog dialog(parent);
  dialog.saveCaption = rows.saveCaption;
  dialog.exitCaption = rows.exitCaption;
  dialog.labels = rows.labels;
  dialog.values = rows.values;
  return dialog.exec();
}

int RunChoice(QWidget* parent, const std::string& first, const std::string& second) {
  TwoChoiceDialog dialog(parent);
  dialog.firstCaption = first;
  dialog.secondCaption = second;
  return dialog.exec();
}

}  // namespace korvane::calibration
