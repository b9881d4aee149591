#pragma once
// The local clock, injected so tests can pin the date.
#include <functional>

namespace korvane::platform {

struct LocalTime {
  int year = 2000;  // four digits
  int month = 1;    // 1..12
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

using Clock = std::function<LocalTime()>;

// The PC's local time.
LocalTime SystemLocalTime();
inline Clock SystemClock() { return &SystemLocalTime; }

}  // namespace korvane::platform
