#include "measurement/Interval.h"

#include <cmath>

namespace korvane::measurement {

TimeOfDay Interval::Fields() const {
  if (!std::isfinite(days)) return {};
  constexpr double kHalfSecond = 0.5 / 86400.0;
  const double v = days + (days < 0 ? -kHalfSecond : kHalfSecond);
  // fmod keeps the sign of a negative span and cannot overflow like an int cast.
  auto part = [v](double perDay, double modulo) { return static_cast<int>(std::fmod(std::trunc(v * perDay), modulo)); };
  return {part(24.0, 24.0), part(1440.0, 60.0), part(86400.0, 60.0)};
}

Interval Interval::FromFields(int hours, int minutes, int seconds) {
  Interval i;
  i.days = (static_cast<double>(hours) * 3600.0 + static_cast<double>(minutes) * 60.0 + seconds) / 86400.0;
  return i;
}

std::int64_t Interval::Milliseconds() const {
  const TimeOfDay f = Fields();
  const std::int64_t ms = (static_cast<std::int64_t>(f.hour) * 3600 + f.minute * 60 + f.second) * 1000;
  return ms < 0 ? 0 : ms;
}

}  // namespace korvane::measurement
