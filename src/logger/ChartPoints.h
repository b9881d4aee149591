#pragma once
// Which records of a module readout the chart shows, and where: value 1 and the
// temperature against the seconds since the first record. Pure C++.
#include <cstdint>
#include <vector>

#include "logger/LoggerRecords.h"

namespace korvane::logger {

struct ChartPoint {
  double seconds;  // since the first record
  float value1;
  float temperature;
};

// The base of the chart: the first record whose date and time can be (day 1..31, month
// 1..12, hour 0..23, minute and second 0..59); nullptr when there is none. A garbled
// first record must not hide the good ones after it.
const LongRecord* ChartBase(const std::vector<LongRecord>& table);

// A record is left out when its date or time cannot be or when it is older than the
// base; it stays in the export file.
std::vector<ChartPoint> ChartPoints(const std::vector<LongRecord>& table);

// Seconds of a record's date and time on a plain calendar (years since 2000), for
// differences between records.
std::int64_t RecordSeconds(const LongRecord& r);

}  // namespace korvane::logger
