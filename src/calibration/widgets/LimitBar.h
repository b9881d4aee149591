#pragma once
// A value against its plausibility range: the range as a band, the value before as a
// grey mark and the new value as a green (inside) or red (outside) mark.
#include <QWidget>

namespace korvane::calibration {

class LimitBar : public QWidget {
  Q_OBJECT

 public:
  explicit LimitBar(QWidget* parent = nullptr);
  // Positions in the range: 0 its low end, 1 its high end (outside beyond them).
  void setPositions(double before, double after, bool within);
  QSize sizeHint() const override { return {180, 18}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double before_ = 0.5, after_ = 0.5;
  bool within_ = true;
};

}  // namespace korvane::calibration
