#pragma once
// Value entry of a calibration: a prompt, an edit for the reference value and its unit.
#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "platform/Language.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane::calibration {

class CalibrationValueDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CalibrationValueDialog(QWidget* parent = nullptr);

  // Filled by the caller before the run; value is read back afterwards.
  float value = 0.0f;
  std::string prompt;
  std::string unit;
  Language language = Language::kGerman;  // of the refusal

  // Tells the user that the text is not a number; a message box unless replaced.
  std::function<void(QWidget* parent, const std::string& text)> refuse;

  // The number the entry takes: "." or the decimal comma whatever the locale, the whole
  // text (blanks around it aside), finite and within single precision.
  static std::optional<float> ParseNumber(const std::string& text);
  // The value as the edit shows it: six significant digits, shortest form.
  static std::string ShowNumber(float value);

  // Result 1 after OK with a number; any other way out returns 2 and keeps the value.
  void accept() override;
  void reject() override;

  QLineEdit* edit() const { return edit_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* prompt_;
  QLineEdit* edit_;
  QLabel* unit_;
  QPushButton* ok_;
};

}  // namespace korvane::calibration
