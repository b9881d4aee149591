#include "calibration/Stability.h"

#include <cmath>
#include <limits>

namespace korvane::calibration {

void StabilityWindow::Add(double t, double value) {
  if (!std::isfinite(value) || !std::isfinite(t)) return;
  samples_.push_back({t, value});
  Trim();
}

void StabilityWindow::setWindow(double seconds) {
  window_ = seconds;
  Trim();
}

void StabilityWindow::Trim() {
  if (samples_.empty()) return;
  // The newest sample at or before the window's start stays: the samples then span the
  // whole window, also when the polls come a little later than every two seconds.
  const double from = samples_.back().t - window_;
  while (samples_.size() > 1 && samples_.front().t < from && samples_[1].t <= from) samples_.pop_front();
}

StabilityFigures StabilityWindow::Judge(const StabilityCriterion& c) const {
  StabilityFigures f;
  const std::size_t n = samples_.size();
  f.samples = static_cast<int>(n);
  if (n == 0) return f;
  f.span = samples_.back().t - samples_.front().t;
  // Sums around the first sample keep the numbers small (times since power-up can be large).
  const double t0 = samples_.front().t;
  double st = 0, sv = 0;
  for (const Sample& s : samples_) {
    st += s.t - t0;
    sv += s.v;
  }
  const double mt = st / static_cast<double>(n), mv = sv / static_cast<double>(n);
  double stt = 0, stv = 0;
  for (const Sample& s : samples_) {
    const double dt = s.t - t0 - mt;
    stt += dt * dt;
    stv += dt * (s.v - mv);
  }
  const double slope = stt > 0 ? stv / stt : 0.0;  // per second
  double residual = 0;
  for (const Sample& s : samples_) {
    const double r = s.v - (mv + slope * (s.t - t0 - mt));
    residual += r * r;
  }
  f.mean = mv;
  double drift = slope * 60.0;
  // The standard error of the regression: two figures are spent on the line.
  double noise = n > 2 ? std::sqrt(residual / static_cast<double>(n - 2)) : 0.0;
  if (c.kind == LimitKind::kPercent) {
    const double scale = std::fabs(mv);
    if (scale > 1e-12) {
      drift = drift / scale * 100.0;
      noise = noise / scale * 100.0;
    } else {
      // Percent of nothing: only a reading that does not move at all can be stable.
      constexpr double kInf = std::numeric_limits<double>::infinity();
      drift = drift == 0 ? 0 : kInf;
      noise = noise == 0 ? 0 : kInf;
    }
  }
  f.drift = drift;
  f.noise = noise;
  // A poll that comes a little late must not keep a full window from counting.
  f.covered = n >= 3 && f.span >= 0.9 * window_;
  f.driftRatio = c.maxDrift > 0 ? std::fabs(drift) / c.maxDrift : (drift == 0 ? 0 : 1e9);
  f.noiseRatio = c.maxNoise > 0 ? noise / c.maxNoise : (noise == 0 ? 0 : 1e9);
  f.stable = f.covered && std::fabs(drift) <= c.maxDrift && noise <= c.maxNoise;
  return f;
}

}  // namespace korvane::calibration
