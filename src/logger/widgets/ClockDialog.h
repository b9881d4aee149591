#pragma once
// "Setup": the date and time a device clock is set to. The fields run with the PC's
// clock until the user edits them; the device's own time, read when the dialog opened,
// runs beside them with its difference from the PC's.
#include <QDialog>

#include <optional>

#include "platform/Clock.h"
#include "platform/Language.h"

class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace korvane::logger {

class ClockDialog : public QDialog {
  Q_OBJECT

 public:
  // device: the device's time when it was read, at the PC's time now() gives at
  // construction (nothing: the device did not tell, and no line shows it).
  ClockDialog(platform::Clock now, const std::optional<platform::LocalTime>& device, Language language,
              QWidget* parent = nullptr);

  // The time the device gets: the PC's at this moment while the fields run, else the
  // date and time the user set.
  platform::LocalTime time() const;
  bool edited() const { return edited_; }

  QDateEdit* dateEdit() const { return date_; }
  QTimeEdit* timeEdit() const { return time_; }
  QLabel* deviceLabel() const { return device_; }
  QPushButton* okButton() const { return ok_; }
  // One step of the running fields (the dialog's timer calls it).
  void Tick();

  // Runs the dialog; the time to set after OK, nullopt otherwise.
  static std::optional<platform::LocalTime> Ask(QWidget* parent, platform::Clock now,
                                                const std::optional<platform::LocalTime>& device, Language language);

 private:
  void Show(const platform::LocalTime& t);

  platform::Clock now_;
  std::optional<platform::LocalTime> deviceAtOpen_;
  platform::LocalTime pcAtOpen_;
  Language language_;
  bool edited_ = false;
  bool showing_ = false;  // the fields change by the clock, not by the user
  QDateEdit* date_;
  QTimeEdit* time_;
  QLabel* device_;
  QPushButton* ok_;
  QTimer* tick_;
};

}  // namespace korvane::logger
