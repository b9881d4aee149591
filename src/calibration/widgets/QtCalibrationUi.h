#pragma once
// The calibration dialogs of the desktop program, run modally on a parent window.
#include <QPointer>
#include <QWidget>

#include "calibration/CalibrationUi.h"

namespace korvane::calibration {

class QtCalibrationUi : public CalibrationUi {
 public:
  explicit QtCalibrationUi(QWidget* parent = nullptr) : parent_(parent) {}

  // The dialogs end with 1 for OK, save or the first button, 2 otherwise.
  EntryResult EnterValue(ValueEntry& entry) override;
  ResultAction ShowResult(const ResultRows& rows) override;
  Choice Choose(const std::string& firstCaption, const std::string& secondCaption) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvane::calibration
