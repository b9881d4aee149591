#include "platform/widgets/SpinEdit.h"

#include <algorithm>

namespace korvane::platform {

SpinEdit::SpinEdit(int stepMin, int stepMax, QWidget* parent)
    : QSpinBox(parent), stepMin_(stepMin), stepMax_(stepMax) {}

void SpinEdit::stepBy(int steps) { setValue(std::clamp(value() + steps, stepMin_, stepMax_)); }

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
  StepEnabled e = StepNone;
  if (value() < stepMax_) e |= StepUpEnabled;
  if (value() > stepMin_) e |= StepDownEnabled;
  return e;
}

}  // namespace korvane::platform
