#pragma once
// The trend's axes: which stretch of time the chart shows for a span, how its time
// labels read, and a value range that holds the shown values. Pure C++.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/AxisTicks.h"
#include "trend/TrendBuffer.h"

namespace korvane::trend {

enum class TrendSpan { kFiveMinutes, kOneHour, kEightHours };
inline constexpr TrendSpan kSpans[] = {TrendSpan::kFiveMinutes, TrendSpan::kOneHour, TrendSpan::kEightHours};
inline constexpr TrendSpan kDefaultSpan = TrendSpan::kOneHour;

std::int64_t SpanMs(TrendSpan span);
// "5 min", "1 h", "8 h".
const char* SpanName(TrendSpan span);

struct TimeAxis {
  std::int64_t fromMs = 0;
  std::int64_t toMs = 0;
  int tickCount = 2;   // including both ends
  std::string format;  // Qt date-time format of the labels
};

// A trend shorter than the span grows from the left edge; a longer one scrolls, the
// newest sample at the right edge. nowMs places an empty trend.
TimeAxis TimeAxisFor(TrendSpan span, const TrendBuffer& buffer, std::int64_t nowMs);

struct ValueRange {
  double min = 0;
  double max = 1;
};

// The range of channel (0..5) over the samples from index first on, widened by a
// twentieth on each side; non-numbers are left out. A flat or empty trend gets a
// range of one unit around its value (or 0..1).
ValueRange ValueRangeOf(const TrendBuffer& buffer, std::size_t first, int channel);

// The points of channel (0..5) from index first on that a chart of the given width
// draws: all of them while there are no more than two per bucket; otherwise, per
// stretch of time bucketMs (counted from time 0, so buckets stay put as the trend
// scrolls), its lowest and highest in the order they came. Non-numbers are left out.
std::vector<std::pair<std::int64_t, double>> ChartPoints(const TrendBuffer& buffer, std::size_t first, int channel,
                                                         std::int64_t bucketMs);

}  // namespace korvane::trend
