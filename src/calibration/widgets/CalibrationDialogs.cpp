#include "calibration/widgets/CalibrationDialogs.h"

#include "calibration/widgets/CKALO2Luftdruck.h"
#include "calibration/widgets/CKalWertAusgabe.h"
#include "calibration/widgets/CKalWertEingabe.h"

namespace korvane::calibration {

int RunValueEntry(QWidget* parent, platform::ValueEntry& entry) {
  CKalWertEingabe dialog(parent);
  dialog.prompt = entry.prompt;
  dialog.unit = entry.unit;
  dialog.value = entry.value;
  const int result = dialog.exec();
  entry.value = dialog.value;
  return result;
}

int RunResultDisplay(QWidget* parent, const platform::ResultRows& rows) {
  CKalWertAusgabe dialog(parent);
  dialog.saveCaption = rows.saveCaption;
  dialog.exitCaption = rows.exitCaption;
  dialog.labels = rows.labels;
  dialog.values = rows.values;
  return dialog.exec();
}

int RunChoice(QWidget* parent, const std::string& first, const std::string& second) {
  CKALO2Luftdruck dialog(parent);
  dialog.firstCaption = first;
  dialog.secondCaption = second;
  return dialog.exec();
}

}  // namespace korvane::calibration
