#pragma once
// A small chart of the value the calibration waits for: the last minutes as a line,
// the stability window's stretch drawn thicker, green once the value is stable.
#include <QWidget>

#include <deque>
#include <utility>

namespace korvane::calibration {

class TrendSparkline : public QWidget {
  Q_OBJECT

 public:
  explicit TrendSparkline(QWidget* parent = nullptr);

  // (seconds, value) oldest first; window: the seconds the stability is judged over.
  void setTrend(const std::deque<std::pair<double, double>>& trend, double windowSeconds, bool stable);
  QSize sizeHint() const override { return {360, 90}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::deque<std::pair<double, double>> trend_;
  double window_ = 30;
  bool stable_ = false;
};

}  // namespace korvane::calibration
