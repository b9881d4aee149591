#pragma once
// The recording interval picker: one time field (hours, minutes, seconds). German
// captions in both languages.
#include <QDialog>
#include <QPointer>

#include "measurement/IntervalPicker.h"

class QPushButton;
class QTimeEdit;

namespace korvane::app {

class IntervalDialog : public QDialog {
  Q_OBJECT

 public:
  explicit IntervalDialog(QWidget* parent = nullptr);

  // Preset before running; read after OK. Values the field cannot show (negative,
  // beyond 23:59:59) preset 00:00:00.
  measurement::TimeOfDay time() const { return time_; }
  void setTime(const measurement::TimeOfDay& t);

  QTimeEdit* timeEdit() const { return edit_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 public slots:
  void accept() override;

 private:
  measurement::TimeOfDay time_;
  QTimeEdit* edit_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// The desktop program's interval picker: the dialog, run modally on a parent window.
class QtIntervalPicker : public measurement::IntervalPicker {
 public:
  explicit QtIntervalPicker(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<measurement::TimeOfDay> PickInterval(const measurement::TimeOfDay& preset) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvane::app
