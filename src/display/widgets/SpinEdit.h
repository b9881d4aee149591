#pragma once
// A number edit with up-down arrows: the arrows stay within their range, typing may go
// beyond it, so the dialog's OK can tell the user what the field takes.
#include <QSpinBox>

namespace korvane::display {

class SpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  SpinEdit(int stepMin, int stepMax, QWidget* parent = nullptr);
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  int stepMin_;
  int stepMax_;
};

}  // namespace korvane::display
