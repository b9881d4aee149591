#pragma once
// The display unit's outputs and relays: DAC limits, output kind, current range, relay
// limits, hystereses and the side they act at. Thin: the outputs flow reads and writes.
#include <QDialog>

#include "display/DisplayEditor.h"
#include "platform/Language.h"

class QLineEdit;
class QRadioButton;

namespace korvane::platform {
class Ui;
}

namespace korvane::display {

class DisplayOutputsDialog : public QDialog {
  Q_OBJECT

 public:
  DisplayOutputsDialog(platform::Ui& ui, DisplayOutputs& outputs, Language language, QWidget* parent = nullptr);
  // OK: every float field must hold a number ("1,5" counts as 1.5); otherwise the user
  // is told which field and the dialog stays open.
  void accept() override;

  // The fields in the order DAC0 lower, upper, DAC1 lower, upper, relay 0 limit,
  // hysteresis, relay 1 limit, hysteresis.
  QLineEdit* field(int i) const { return fields_[i]; }
  QRadioButton* current() const { return current_; }
  QRadioButton* fourTo20() const { return fourTo20_; }

 private:
  platform::Ui& ui_;
  DisplayOutputs& outputs_;
  Language language_;
  QLineEdit* fields_[8];
  QRadioButton *voltage_, *current_, *zeroTo20_, *fourTo20_, *min0_, *max0_, *min1_, *max1_;
};

class QtOutputsEditor : public OutputsEditor {
 public:
  QtOutputsEditor(platform::Ui& ui, QWidget* parent) : ui_(ui), parent_(parent) {}
  bool Edit(DisplayOutputs& outputs, Language language) override;

 private:
  platform::Ui& ui_;
  QWidget* parent_;
};

}  // namespace korvane::display
