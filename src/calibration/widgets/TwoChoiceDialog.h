#pragma once
// Two-way choice between the procedures of a type (e.g. oxygen slope or air pressure).
#include <QDialog>

#include <string>

class QPushButton;

namespace korvane::calibration {

class TwoChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TwoChoiceDialog(QWidget* parent = nullptr);

  std::string firstCaption;
  std::string secondCaption;
  int choice = 0;  // set by the button pressed

  // Result 1 for the first button; 2 for the second, the close box or Escape.
  void reject() override;

  QPushButton* firstButton() const { return first_; }
  QPushButton* secondButton() const { return second_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* first_;
  QPushButton* second_;
};

}  // namespace korvane::calibration
