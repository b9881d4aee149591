// Value axes at round numbers with the values' decimals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/AxisTicks.h"

namespace korvane::platform {
namespace {

TEST(AxisTicks, RoundStepsNeverFinerThanTheDecimals) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double low, high;
    int decimals;
    ValueTicks want;
  } rows[] = {
      // A pH trend of a few hundredths: steps of 0.01 between the round ends.
      {7.0312, 7.0689, 2, {7.03, 7.07, 5, 2}},
      // A temperature drifting a few tenths, one decimal.
      {21.13, 21.47, 1, {21.1, 21.5, 5, 1}},
      // A flat millivolt reading of no decimals: whole millivolts, never -12, -12, -12.
      {-12.5, -11.5, 0, {-13, -11, 3, 0}},
      // A wide range: steps of 200.
      {-480, 510, 0, {-600, 600, 7, 0}},
      // Ends already on ticks stay.
      {0, 100, 1, {0, 100, 6, 1}},
      // Swapped ends are the same range.
      {1.0, 0.0, 1, {0.0, 1.0, 6, 1}},
      // A garbled value gives the plain axis.
      {-inf, 3.0, 2, {0, 1, 2, 2}},
      {std::nan(""), 3.0, 2, {0, 1, 2, 2}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(testing::Message() << r.low << ".." << r.high << " /" << r.decimals);
    const ValueTicks t = NiceTicks(r.low, r.high, r.decimals);
    EXPECT_NEAR(t.min, r.want.min, 1e-9);
    EXPECT_NEAR(t.max, r.want.max, 1e-9);
    EXPECT_EQ(t.tickCount, r.want.tickCount);
    EXPECT_EQ(t.decimals, r.want.decimals);
    if (std::isfinite(r.low)) {
      EXPECT_LE(t.min, std::min(r.low, r.high) + 1e-9);
    }
  }
}

}  // namespace
}  // namespace korvane::platform
