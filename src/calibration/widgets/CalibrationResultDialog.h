#pragma once
// Result display of a calibration: up to three computed values and the offer to save them.
#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace korvane::calibration {

class CalibrationResultDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CalibrationResultDialog(QWidget* parent = nullptr);

  // Filled by the caller; the values arrive formatted.
  std::string saveCaption;
  std::string exitCaption;
  std::array<std::string, 3> labels;
  std::array<std::string, 3> values;

  // Result 1 for the save button; 2 for the exit button or the close box.
  void reject() override;

  QPushButton* saveButton() const { return save_; }
  QPushButton* exitButton() const { return exit_; }
  QLabel* labelText(int row) const { return labelTexts_[row]; }
  QLabel* valueText(int row) const { return valueTexts_[row]; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::array<QLabel*, 3> labelTexts_{};
  std::array<QLabel*, 3> valueTexts_{};
  QPushButton* save_;
  QPushButton* exit_;
};

}  // namespace korvane::calibration
