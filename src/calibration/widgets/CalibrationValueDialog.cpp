#include "calibration/widgets/CalibrationValueDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>

#include "calibration/AssistantTexts.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"

namespace korvane::calibration {
namespace {}  // namespace

CalibrationValueDialog::CalibrationValueDialog(QWidget* parent)
    : QDialog(parent),
      prompt_(new QLabel(this)),
      edit_(new QLineEdit(this)),
      unit_(new QLabel(this)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
  setWindowTitle(QString::fromUtf8(platform::kAppTitle));
  prompt_->setObjectName(QStringLiteral("prompt"));
  edit_->setObjectName(QStringLiteral("value"));
  unit_->setObjectName(QStringLiteral("unit"));
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  auto* grid = new QGridLayout(this);
  grid->addWidget(prompt_, 0, 0, 1, 2);
  grid->addWidget(edit_, 1, 0);
  grid->addWidget(unit_, 1, 1);
  grid->addWidget(ok_, 2, 0, 1, 2, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, &CalibrationValueDialog::accept);
  refuse = [](QWidget* parent, const std::string& text) {
    QMessageBox::warning(parent, QString::fromUtf8(platform::kAppTitle), QString::fromStdString(text));
  };
}

std::optional<float> CalibrationValueDialog::ParseNumber(const std::string& text) {
  const std::optional<std::string> number = platform::NumberEntryText(text);
  if (!number) return std::nullopt;
  return static_cast<float>(platform::ToDouble(*number));
}

std::string CalibrationValueDialog::ShowNumber(float v) {
  return platform::StringPrintf("%.*g", 6, static_cast<double>(v));
}

void CalibrationValueDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    prompt_->setText(QString::fromStdString(prompt));
    unit_->setText(QString::fromStdString(unit));
    edit_->setText(QString::fromStdString(ShowNumber(value)));
    edit_->selectAll();
    edit_->setFocus();
  }
  QDialog::showEvent(event);
}

void CalibrationValueDialog::accept() {
  const std::optional<float> number = ParseNumber(edit_->text().toStdString());
  if (!number) {
    if (refuse) refuse(this, Tr(language, kNotANumber));
    edit_->setFocus();
    edit_->selectAll();
    return;
  }
  value = *number;
  done(1);
}

void CalibrationValueDialog::reject() { done(2); }

}  // namespace korvane::calibration
