#include "parametrization/widgets/RawValueWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScreen>

namespace korvane::parametrization {

RawValueWindow::RawValueWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("rawValueWindow"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("rawValue"));
  field_->setReadOnly(true);
  field_->setAlignment(Qt::AlignRight);
  QFont font = field_->font();
  font.setPointSize(font.pointSize() * 2);
  field_->setFont(font);
  field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  layout->addWidget(field_);
}

void RawValueWindow::Open(std::uint32_t value) {
  Show(value);
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().topLeft());
  show();
  raise();
}

void RawValueWindow::Show(std::uint32_t value) { field_->setText(QString::number(value)); }

void RawValueWindow::Close() { hide(); }

}  // namespace korvane::parametrization
