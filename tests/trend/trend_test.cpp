// The trend's ring and axes: bounded memory, the kept samples in order, the shown
// stretch of time per span, value ranges without non-numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "trend/TrendAxis.h"
#include "trend/TrendBuffer.h"

namespace korvane::trend {
namespace {

TrendSample At(std::int64_t ms, float v = 0) {
  TrendSample s;
  s.ms = ms;
  s.values.fill(v);
  return s;
}

TEST(TrendBuffer, KeepsTheNewestWithinItsCapacity) {
  struct Case {
    std::size_t capacity;
    int added;
    std::int64_t oldest, newest;  // time stamps kept (one sample per second)
  } cases[] = {{5, 3, 0, 2000}, {5, 5, 0, 4000}, {5, 6, 1000, 5000}, {5, 23, 18000, 22000}, {1, 4, 3000, 3000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.added);
    TrendBuffer b(c.capacity);
    for (int i = 0; i < c.added; ++i) b.Add(At(i * 1000));
    ASSERT_EQ(b.size(), std::min<std::size_t>(c.capacity, static_cast<std::size_t>(c.added)));
    EXPECT_EQ(b.capacity(), c.capacity);
    EXPECT_EQ(b.at(0).ms, c.oldest);
    EXPECT_EQ(b.newest().ms, c.newest);
    for (std::size_t i = 1; i < b.size(); ++i) EXPECT_EQ(b.at(i).ms - b.at(i - 1).ms, 1000);
  }
  TrendBuffer b(3);
  b.Add(At(1));
  b.Clear();
  EXPECT_TRUE(b.empty());
  b.Add(At(7));
  EXPECT_EQ(b.at(0).ms, 7);
}

TEST(TrendBuffer, FindsTheFirstSampleOfAStretchAfterWrapping) {
  TrendBuffer b(4);
  for (int i = 0; i < 6; ++i) b.Add(At(i * 10));  // keeps 20, 30, 40, 50
  const std::pair<std::int64_t, std::size_t> cases[] = {{0, 0}, {20, 0}, {21, 1}, {40, 2}, {50, 3}, {51, 4}};
  for (auto [from, index] : cases) EXPECT_EQ(b.FirstAtOrAfter(from), index) << from;
}

TEST(TrendAxis, GrowsFromTheLeftThenScrollsWithTheNewest) {
  constexpr std::int64_t kMin = 60 * 1000, kHour = 60 * kMin;
  struct Case {
    TrendSpan span;
    std::int64_t oldest, newest;  // of the buffer; -1: empty
    std::int64_t from, to;
    int ticks;
    const char* format;
  } cases[] = {
      {TrendSpan::kFiveMinutes, -1, -1, 1000, 1000 + 5 * kMin, 6, "HH:mm:ss"},
      {TrendSpan::kFiveMinutes, 0, 2 * kMin, 0, 5 * kMin, 6, "HH:mm:ss"},
      {TrendSpan::kFiveMinutes, 0, 7 * kMin, 2 * kMin, 7 * kMin, 6, "HH:mm:ss"},
      {TrendSpan::kOneHour, 0, 30 * kMin, 0, kHour, 7, "HH:mm"},
      {TrendSpan::kOneHour, 0, 3 * kHour, 2 * kHour, 3 * kHour, 7, "HH:mm"},
      {TrendSpan::kEightHours, 0, 9 * kHour, kHour, 9 * kHour, 9, "HH:mm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(SpanName(c.span));
    TrendBuffer b(10);
    if (c.oldest >= 0) {
      b.Add(At(c.oldest));
      b.Add(At(c.newest));
    }
    const TimeAxis a = TimeAxisFor(c.span, b, 1000);
    EXPECT_EQ(a.fromMs, c.from);
    EXPECT_EQ(a.toMs, c.to);
    EXPECT_EQ(a.tickCount, c.ticks);
    EXPECT_EQ(a.format, c.format);
  }
}

TEST(TrendAxis, ValueRangeHoldsTheShownNumbersOnly) {
  struct Case {
    std::vector<float> values;
    std::size_t first;
    double min, max;
  } cases[] = {
      {{}, 0, 0, 1},
      {{7.0f}, 0, 6.5, 7.5},
      {{0, 10, 20}, 0, -1, 21},
      {{100, 0, 10, 20}, 1, -1, 21},  // the sample before the stretch does not count
      {{NAN, 0, INFINITY, 20}, 0, -1, 21},
      {{NAN}, 0, 0, 1},
  };
  for (const Case& c : cases) {
    TrendBuffer b(10);
    std::int64_t t = 0;
    for (float v : c.values) b.Add(At(t += 1000, v));
    const ValueRange r = ValueRangeOf(b, c.first, 2);
    EXPECT_DOUBLE_EQ(r.min, c.min);
    EXPECT_DOUBLE_EQ(r.max, c.max);
  }
}

TEST(TrendAxis, ChartPointsKeepEachBucketsExtremesInOrder) {
  using Points = std::vector<std::pair<std::int64_t, double>>;
  struct Case {
    std::vector<float> values;  // one per 10 ms
    std::int64_t bucketMs;
    Points points;
  } cases[] = {
      // No more than two samples per bucket: every one that is a number.
      {{1, NAN, 3}, 20, {{10, 1}, {30, 3}}},
      // Buckets of 40 ms: [10, 30], [40, 70], [80, 90]; a high before the low stays first.
      {{5, 1, 9, 4, 8, 2, 3, 6, 7}, 40, {{20, 1}, {30, 9}, {50, 8}, {60, 2}, {80, 6}, {90, 7}}},
      {{2, 2, 2, 2, 2, 2, 2, 2}, 40, {{10, 2}, {40, 2}, {80, 2}}},
  };
  for (const Case& c : cases) {
    TrendBuffer b(20);
    std::int64_t t = 0;
    for (float v : c.values) b.Add(At(t += 10, v));
    EXPECT_EQ(ChartPoints(b, 0, 1, c.bucketMs), c.points);
  }
}

}  // namespace
}  // namespace korvane::trend
