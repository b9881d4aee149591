#include "calibration/widgets/QtCalibrationUi.h"

#include "calibration/widgets/CalibrationResultDialog.h"
#include "calibration/widgets/CalibrationValueDialog.h"
#include "calibration/widgets/TwoChoiceDialog.h"

namespace korvane::calibration {

EntryResult QtCalibrationUi::EnterValue(ValueEntry& entry) {
  CalibrationValueDialog dialog(parent_);
  dialog.prompt = entry.prompt;
  dialog.unit = entry.unit;
  dialog.value = entry.value;
  dialog.language = entry.language;
  const int result = dialog.exec();
  entry.value = dialog.value;
  return result == 1 ? EntryResult::kAccepted : EntryResult::kClosed;
}

ResultAction QtCalibrationUi::ShowResult(const ResultRows& rows) {
  CalibrationResultDialog dialog(parent_);
  dialog.saveCaption = rows.saveCaption;
  dialog.exitCaption = rows.exitCaption;
  dialog.labels = rows.labels;
  dialog.values = rows.values;
  return dialog.exec() == 1 ? ResultAction::kSave : ResultAction::kExit;
}

Choice QtCalibrationUi::Choose(const std::string& firstCaption, const std::string& secondCaption) {
  TwoChoiceDialog dialog(parent_);
  dialog.firstCaption = firstCaption;
  dialog.secondCaption = secondCaption;
  return dialog.exec() == 1 ? Choice::kFirst : Choice::kSecond;
}

}  // namespace korvane::calibration
