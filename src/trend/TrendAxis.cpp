#include "trend/TrendAxis.h"

#include <algorithm>
#include <cmath>

namespace korvane::trend {

std::int64_t SpanMs(TrendSpan span) {
  switch (span) {
    case TrendSpan::kFiveMinutes: return 5 * 60 * 1000;
    case TrendSpan::kOneHour: return 60 * 60 * 1000;
    case TrendSpan::kEightHours: return 8 * 60 * 60 * 1000;
  }
  return 60 * 60 * 1000;
}

const char* SpanName(TrendSpan span) {
  switch (span) {
    case TrendSpan::kFiveMinutes: return "5 min";
    case TrendSpan::kOneHour: return "1 h";
    case TrendSpan::kEightHours: return "8 h";
  }
  return "";
}

TimeAxis TimeAxisFor(TrendSpan span, const TrendBuffer& buffer, std::int64_t nowMs) {
  const std::int64_t length = SpanMs(span);
  TimeAxis axis;
  const std::int64_t oldest = buffer.empty() ? nowMs : buffer.at(0).ms;
  const std::int64_t newest = buffer.empty() ? nowMs : buffer.newest().ms;
  axis.toMs = std::max(newest, oldest + length);
  axis.fromMs = axis.toMs - length;
  // A tick every minute, ten minutes or hour.
  switch (span) {
    case TrendSpan::kFiveMinutes:
      axis.tickCount = 6;
      axis.format = "HH:mm:ss";
      break;
    case TrendSpan::kOneHour:
      axis.tickCount = 7;
      axis.format = "HH:mm";
      break;
    case TrendSpan::kEightHours:
      axis.tickCount = 9;
      axis.format = "HH:mm";
      break;
  }
  return axis;
}

ValueRange ValueRangeOf(const TrendBuffer& buffer, std::size_t first, int channel) {
  double lo = INFINITY, hi = -INFINITY;
  for (std::size_t i = first; i < buffer.size(); ++i) {
    const double v = buffer.at(i).values[static_cast<std::size_t>(channel)];
    if (!std::isfinite(v)) continue;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  if (lo > hi) return {0, 1};
  if (hi - lo < 1e-9) return {lo - 0.5, hi + 0.5};
  const double pad = (hi - lo) / 20;
  return {lo - pad, hi + pad};
}

}  // namespace korvane::trend
