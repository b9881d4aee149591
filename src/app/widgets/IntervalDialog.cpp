#include "app/widgets/IntervalDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTime>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace korvane::app {

IntervalDialog::IntervalDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Aufzeichnungintervall"));
  edit_ = new QTimeEdit(this);
  edit_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  edit_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  edit_->setCurrentSection(QDateTimeEdit::SecondSection);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Abbrechen"), this);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(edit_);
  outer->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &IntervalDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &IntervalDialog::reject);
  setTime(time_);
}

void IntervalDialog::setTime(const measurement::TimeOfDay& t) {
  QTime q(t.hour, t.minute, t.second);
  if (!q.isValid()) q = QTime(0, 0, 0);
  time_ = {q.hour(), q.minute(), q.second()};
  edit_->setTime(q);
}

void IntervalDialog::accept() {
  // Take a half-typed field as it stands.
  edit_->interpretText();
  const QTime q = edit_->time();
  time_ = {q.hour(), q.minute(), q.second()};
  QDialog::accept();
}

std::optional<measurement::TimeOfDay> QtIntervalPicker::PickInterval(const measurement::TimeOfDay& preset) {
  IntervalDialog dlg(parent_);
  dlg.setTime(preset);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.time();
}

}  // namespace korvane::app
