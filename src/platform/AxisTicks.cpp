#include "platform/AxisTicks.h"

#include <algorithm>
#include <cmath>

namespace korvane::platform {

ValueTicks NiceTicks(double low, double high, int decimals) {
  ValueTicks t;
  t.decimals = std::clamp(decimals, 0, 6);
  // A garbled value gives no range to divide: the axis shows 0..1.
  if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(high - low)) return t;
  if (high < low) std::swap(low, high);
  const double finest = std::pow(10.0, -t.decimals);
  const double span = high - low;
  // About five intervals.
  const double raw = std::isfinite(span) && span > 0 ? span / 5 : finest;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10 * power;
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw * (1 - 1e-9)) {
      step = m * power;
      break;
    }
  step = std::max(step, finest);
  // Ends on whole steps; a hair of tolerance keeps a value on a tick from adding one.
  const double lo = std::floor(low / step + 1e-9) * step;
  double hi = std::ceil(high / step - 1e-9) * step;
  if (hi - lo < step / 2) hi = lo + step;
  t.min = lo;
  t.max = hi;
  t.tickCount = static_cast<int>(std::lround((hi - lo) / step)) + 1;
  return t;
}

}  // namespace korvane::platform
