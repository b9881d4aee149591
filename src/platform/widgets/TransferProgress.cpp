#include "platform/widgets/TransferProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvane::platform {

TransferProgress::TransferProgress(const QString& caption, const QString& text, int min, int max, QWidget* owner)
    : QDialog(owner) {
  setWindowTitle(caption);
  setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
  text_ = new QLabel(text, this);
  bar_ = new QProgressBar(this);
  bar_->setRange(min, std::max(min, max));
  bar_->setValue(min);
  cancel_ = new QPushButton(this);
  cancel_->setAutoDefault(false);
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
  setMinimumWidth(320);
}

void TransferProgress::setValue(int value) { bar_->setValue(std::clamp(value, bar_->minimum(), bar_->maximum())); }

int TransferProgress::value() const { return bar_->value(); }

QString TransferProgress::text() const { return text_->text(); }

void TransferProgress::AllowCancel(const QString& caption) {
  cancel_->setText(caption);
  cancel_->show();
}

void TransferProgress::reject() {
  // Without a cancel button the transfer cannot be stopped: the window stays.
  if (cancel_->isVisible()) cancelled_ = true;
}

}  // namespace korvane::platform
