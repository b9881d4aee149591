#include <gtest/gtest.h>

#include <array>
#include <string>

#include "measurement/RecordingLine.h"

namespace korvane::measurement {
namespace {

platform::LocalTime At(int y, int mo, int d, int h, int mi, int s = 0) { return {y, mo, d, h, mi, s}; }

TEST(RecordingLine, DateTimeAndValuesWithDecimalCommas) {
  struct Case {
    platform::LocalTime t;
    int type;
    std::array<float, 6> values;
    const char* line;
  } cases[] = {
      {At(2014, 3, 7, 9, 5, 59),
       0,
       {7.02f, -12.0f, 0.0f, 0.0f, 0.0f, 21.4f},
       "07.03.2014\t09:05\t7,02\t-12\t0\t0\t0\t21,4\r\n"},
      {At(2026, 12, 31, 23, 59),
       29,
       {98.76f, 8.123f, 5.0f, 212.34f, 1013.4f, -2.56f},
       "31.12.2026\t23:59\t98,8\t8,12\t5\t212,3\t1013\t-2,6\r\n"},
      {At(2001, 1, 1, 0, 0),
       20,
       {-12.5f, 1.25f, 0.06f, 100.04f, 7.0f, 0.0f},
       "01.01.2001\t00:00\t-12,5\t1,2\t0,1\t100,0\t7\t0,0\r\n"},
      // Unknown type: every value without decimals, temperature with one.
      {At(2020, 6, 15, 12, 30),
       99,
       {1.6f, 2.4f, 3.5f, -4.6f, 5.0f, 20.04f},
       "15.06.2020\t12:30\t2\t2\t4\t-5\t5\t20,0\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(RecordingLine(c.t, c.type, c.values), c.line);
  }
}

// A value the module left unanswered leaves its cell empty; the cells keep their places.
TEST(RecordingLine, UnansweredValuesLeaveTheirCellsEmpty) {
  const std::array<float, 6> values{7.02f, -12.0f, 0.0f, 0.0f, 0.0f, 21.4f};
  const struct {
    std::array<bool, 6> answered;
    const char* line;
  } rows[] = {
      {{true, true, true, true, true, true}, "07.03.2014\t09:05\t7,02\t-12\t0\t0\t0\t21,4\r\n"},
      {{true, false, true, true, true, true}, "07.03.2014\t09:05\t7,02\t\t0\t0\t0\t21,4\r\n"},
      {{false, true, true, true, true, false}, "07.03.2014\t09:05\t\t-12\t0\t0\t0\t\r\n"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.line);
    EXPECT_EQ(RecordingLine(At(2014, 3, 7, 9, 5), 0, values, r.answered), r.line);
  }
}

TEST(RecordingLine, LargeValuesStayOnOneLine) {
  const std::string line = RecordingLine(At(2020, 1, 2, 3, 4), 4, {3.0e38f, -3.0e38f, 1.0f, 1.0f, 1.0f, 1.0f});
  EXPECT_EQ(line.find('\n'), line.size() - 1);
  EXPECT_EQ(line.rfind("\r\n"), line.size() - 2);
  EXPECT_EQ(line.substr(0, 17), "02.01.2020\t03:04\t");
  EXPECT_EQ(line.find('.', 17), std::string::npos);
}

}  // namespace
}  // namespace korvane::measurement
