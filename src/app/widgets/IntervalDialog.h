#pragma once
// The recording interval picker: one time field (hours, minutes, seconds). German
// captions in both languages.
#include <QDialog>

#include "platform/Ui.h"

class QPushButton;
class QTimeEdit;

namespace korvane::app {

class IntervalDialog : public QDialog {
  Q_OBJECT

 public:
  explicit IntervalDialog(QWidget* parent = nullptr);

  // Preset before running; read after OK. Values the field cannot show (negative,
  // beyond 23:59:59) preset 00:00:00.
  platform::TimeOfDay time() const { return time_; }
  void setTime(const platform::TimeOfDay& t);

  QTimeEdit* timeEdit() const { return edit_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 public slots:
  void accept() override;

 private:
  platform::TimeOfDay time_;
  QTimeEdit* edit_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace korvane::app
