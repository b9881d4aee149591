#include "calibration/widgets/LimitBar.h"

#include <QPainter>

#include <algorithm>

namespace korvane::calibration {

LimitBar::LimitBar(QWidget* parent) : QWidget(parent) { setMinimumSize(120, 16); }

void LimitBar::setPositions(double before, double after, bool within) {
  before_ = before;
  after_ = after;
  within_ = within;
  update();
}

void LimitBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(2, 3, -2, -3);
  // The range takes the middle three fifths; a fifth on each side shows what lies outside.
  const auto x = [&](double at) { return r.left() + r.width() * (0.2 + 0.6 * std::clamp(at, -0.33, 1.33)); };
  p.fillRect(r, QColor(250, 215, 215));
  p.fillRect(QRectF(x(0), r.top(), x(1) - x(0), r.height()), QColor(210, 240, 210));
  p.setPen(QPen(QColor(120, 120, 120), 2));
  p.drawLine(QPointF(x(before_), r.top()), QPointF(x(before_), r.bottom()));
  p.setPen(QPen(within_ ? QColor(0, 130, 0) : QColor(200, 0, 0), 3));
  p.drawLine(QPointF(x(after_), r.top() - 2), QPointF(x(after_), r.bottom() + 2));
}

}  // namespace korvane::calibration
