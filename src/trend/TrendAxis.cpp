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

std::vector<std::pair<std::int64_t, double>> ChartPoints(const TrendBuffer& buffer, std::size_t first, int channel,
                                                         std::int64_t bucketMs) {
  std::vector<std::pair<std::int64_t, double>> points;
  const std::size_t c = static_cast<std::size_t>(channel);
  const bool all = bucketMs <= 0 || buffer.size() <= first ||
                   (buffer.size() - first) <=
                       static_cast<std::size_t>(2 * ((buffer.newest().ms - buffer.at(first).ms) / bucketMs + 1));
  std::size_t lo = 0, hi = 0;  // indices of the current bucket's extremes
  std::int64_t bucket = 0;
  bool open = false;
  auto close = [&] {
    if (!open) return;
    const std::size_t a = std::min(lo, hi), b = std::max(lo, hi);
    points.emplace_back(buffer.at(a).ms, buffer.at(a).values[c]);
    if (b != a) points.emplace_back(buffer.at(b).ms, buffer.at(b).values[c]);
  };
  for (std::size_t i = first; i < buffer.size(); ++i) {
    const TrendSample& s = buffer.at(i);
    const double v = s.values[c];
    if (!std::isfinite(v)) continue;
    if (all) {
      points.emplace_back(s.ms, v);
      continue;
    }
    const std::int64_t k = s.ms / bucketMs;
    if (!open || k != bucket) {
      close();
      open = true;
      bucket = k;
      lo = hi = i;
    } else if (v < buffer.at(lo).values[c]) {
      lo = i;
    } else if (v > buffer.at(hi).values[c]) {
      hi = i;
    }
  }
  close();
  return points;
}

}  // namespace korvane::trend
