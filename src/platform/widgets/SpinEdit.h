#pragma once
// A number edit whose up-down arrows stay within their own range while typing may go
// beyond it (up to the range set with setRange), so a dialog can take a value the arrows
// would not reach, or tell the user what the field takes.
#include <QSpinBox>

namespace korvane::platform {

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

}  // namespace korvane::platform
