#include "calibration/widgets/TrendSparkline.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace korvane::calibration {

TrendSparkline::TrendSparkline(QWidget* parent) : QWidget(parent) {
  setMinimumSize(200, 60);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TrendSparkline::setTrend(const std::deque<std::pair<double, double>>& trend, double windowSeconds, bool stable) {
  trend_ = trend;
  window_ = windowSeconds;
  stable_ = stable;
  update();
}

void TrendSparkline::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(4, 4, -4, -4);
  p.fillRect(rect(), palette().base());
  p.setPen(palette().mid().color());
  p.drawRect(r);
  if (trend_.size() < 2) return;
  const double t0 = trend_.front().first, t1 = trend_.back().first;
  const auto [lo, hi] = std::minmax_element(trend_.begin(), trend_.end(),
                                            [](const auto& a, const auto& b) { return a.second < b.second; });
  double vmin = lo->second, vmax = hi->second;
  // A flat line sits in the middle, not on the frame.
  if (vmax - vmin < 1e-9) {
    vmin -= 1;
    vmax += 1;
  }
  const double span = std::max(t1 - t0, 1e-9);
  const auto at = [&](const std::pair<double, double>& s) {
    return QPointF(r.left() + (s.first - t0) / span * r.width(),
                   r.bottom() - (s.second - vmin) / (vmax - vmin) * r.height());
  };
  // The stretch the stability is judged over, shaded.
  const double from = std::max(t0, t1 - window_);
  const double x = r.left() + (from - t0) / span * r.width();
  p.fillRect(QRectF(x, r.top(), r.right() - x, r.height()), stable_ ? QColor(200, 240, 200) : QColor(255, 235, 200));
  QPainterPath path;
  path.moveTo(at(trend_.front()));
  for (std::size_t i = 1; i < trend_.size(); ++i) path.lineTo(at(trend_[i]));
  p.setPen(QPen(stable_ ? QColor(0, 130, 0) : QColor(30, 80, 180), 1.6));
  p.drawPath(path);
}

}  // namespace korvane::calibration
