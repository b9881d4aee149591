#pragma once
// Civil date and time of a simulated device clock, kept as seconds since 1970.
#include <chrono>
#include <cmath>

#include "platform/Clock.h"

namespace korvane::sim {

inline double SecondsFromCivil(const platform::LocalTime& t) {
  using namespace std::chrono;
  const auto days = sys_days{year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)}}
                        .time_since_epoch()
                        .count();
  return static_cast<double>(days) * 86400.0 + t.hour * 3600.0 + t.minute * 60.0 + t.second;
}

inline platform::LocalTime CivilFromSeconds(double secs) {
  using namespace std::chrono;
  const long long s = static_cast<long long>(std::floor(secs));
  long long d = s / 86400;
  long long rest = s % 86400;
  if (rest < 0) {
    rest += 86400;
    --d;
  }
  const year_month_day ymd{sys_days{days{d}}};
  platform::LocalTime t;
  t.year = static_cast<int>(ymd.year());
  t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>((rest / 60) % 60);
  t.second = static_cast<int>(rest % 60);
  return t;
}

}  // namespace korvane::sim
