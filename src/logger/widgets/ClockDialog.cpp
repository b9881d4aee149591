#include "logger/widgets/ClockDialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeEdit>

#include "types/Texts.h"

namespace korvane::logger {

ClockDialog::ClockDialog(const platform::LocalTime& preset, const QString& cancelCaption, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Setup"));
  date_ = new QDateEdit(QDate(preset.year, preset.month, preset.day), this);
  date_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  date_->setCalendarPopup(true);
  time_ = new QTimeEdit(QTime(preset.hour, preset.minute, preset.second), this);
  time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  auto* cancel = new QPushButton(cancelCaption, this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* layout = new QGridLayout(this);
  layout->addWidget(date_, 0, 0);
  layout->addWidget(time_, 1, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons, 2, 0);
}

platform::LocalTime ClockDialog::time() const {
  const QDate d = date_->date();
  const QTime t = time_->time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

std::optional<platform::LocalTime> ClockDialog::Ask(QWidget* parent, const platform::LocalTime& preset,
                                                    Language language) {
  static constexpr types::TextPair kCancel{"Abbrechen", "Cancel"};
  ClockDialog dialog(preset, QString::fromUtf8(kCancel(language)), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.time();
}

}  // namespace korvane::logger
