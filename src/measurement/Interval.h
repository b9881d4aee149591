#pragma once
// The recording interval: a time span held as a fraction of a day, read out to the
// nearest second.
#include <cstdint>

namespace korvane::measurement {

struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

struct Interval {
  double days = 60.0 / 86400.0;  // default 00:01:00

  // Hours (modulo 24), minutes and seconds, each taken after adding half a second
  // (signed like the span), so spans of a day or more lose their whole days.
  TimeOfDay Fields() const;
  static Interval FromFields(int hours, int minutes, int seconds);
  // Timer period from Fields(); never negative (a negative span gives 0).
  std::int64_t Milliseconds() const;
};

}  // namespace korvane::measurement
