#include "calibration/widgets/CalibrationResultDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "platform/Ui.h"

namespace korvane::calibration {

CalibrationResultDialog::CalibrationResultDialog(QWidget* parent)
    : QDialog(parent),
      save_(new QPushButton(QStringLiteral("Speichern"), this)),
      exit_(new QPushButton(QStringLiteral("Abbrechen"), this)) {
  setWindowTitle(QString::fromUtf8(platform::kAppTitle));
  auto* grid = new QGridLayout(this);
  for (int row = 0; row < 3; ++row) {
    labelTexts_[row] = new QLabel(this);
    valueTexts_[row] = new QLabel(this);
    labelTexts_[row]->setObjectName(QStringLiteral("label%1").arg(row + 1));
    valueTexts_[row]->setObjectName(QStringLiteral("value%1").arg(row + 1));
    grid->addWidget(labelTexts_[row], row, 0);
    grid->addWidget(valueTexts_[row], row, 1);
  }
  save_->setObjectName(QStringLiteral("save"));
  exit_->setObjectName(QStringLiteral("exit"));
  grid->addWidget(save_, 3, 0);
  grid->addWidget(exit_, 3, 1);
  connect(save_, &QPushButton::clicked, this, [this] { done(1); });
  connect(exit_, &QPushButton::clicked, this, &CalibrationResultDialog::reject);
}

void CalibrationResultDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    save_->setText(QString::fromStdString(saveCaption));
    exit_->setText(QString::fromStdString(exitCaption));
    for (int row = 0; row < 3; ++row) {
      labelTexts_[row]->setText(QString::fromStdString(labels[row]));
      valueTexts_[row]->setText(QString::fromStdString(values[row]));
    }
  }
  QDialog::showEvent(event);
}

void CalibrationResultDialog::reject() { done(2); }

}  // namespace korvane::calibration
