#pragma once
// "Setup": the date and time a device clock is set to, preset with the PC's time.
#include <QDialog>

#include <optional>

#include "platform/Clock.h"
#include "platform/Language.h"

class QDateEdit;
class QPushButton;
class QTimeEdit;

namespace korvane::logger {

class ClockDialog : public QDialog {
  Q_OBJECT

 public:
  ClockDialog(const platform::LocalTime& preset, const QString& cancelCaption, QWidget* parent = nullptr);
  platform::LocalTime time() const;

  QDateEdit* dateEdit() const { return date_; }
  QTimeEdit* timeEdit() const { return time_; }
  QPushButton* okButton() const { return ok_; }

  // Runs the dialog; the chosen time after OK, nullopt otherwise.
  static std::optional<platform::LocalTime> Ask(QWidget* parent, const platform::LocalTime& preset, Language language);

 private:
  QDateEdit* date_;
  QTimeEdit* time_;
  QPushButton* ok_;
};

}  // namespace korvane::logger
