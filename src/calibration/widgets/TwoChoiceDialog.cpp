#include "calibration/widgets/TwoChoiceDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>

#include "platform/Ui.h"

namespace korvane::calibration {

TwoChoiceDialog::TwoChoiceDialog(QWidget* parent)
    : QDialog(parent),
      first_(new QPushButton(QStringLiteral("Sauerstoff"), this)),
      second_(new QPushButton(QStringLiteral("Luftdruck"), this)) {
  setWindowTitle(QString::fromUtf8(platform::kAppTitle));
  first_->setObjectName(QStringLiteral("first"));
  second_->setObjectName(QStringLiteral("second"));
  auto* row = new QHBoxLayout(this);
  row->addWidget(first_);
  row->addWidget(second_);
  connect(first_, &QPushButton::clicked, this, [this] {
    choice = 1;
    done(1);
  });
  connect(second_, &QPushButton::clicked, this, [this] {
    choice = 2;
    done(2);
  });
}

void TwoChoiceDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    first_->setText(QString::fromStdString(firstCaption));
    second_->setText(QString::fromStdString(secondCaption));
  }
  QDialog::showEvent(event);
}

// The close box and Escape give the same result as the second button.
void TwoChoiceDialog::reject() { done(2); }

}  // namespace korvane::calibration
