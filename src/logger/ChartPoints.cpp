#include "logger/ChartPoints.h"

namespace korvane::logger {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool Possible(const LongRecord& r) {
  return r.day >= 1 && r.day <= 31 && r.month >= 1 && r.month <= 12 && r.hour <= 23 && r.minute <= 59 && r.second <= 59;
}

}  // namespace

std::int64_t RecordSeconds(const LongRecord& r) {
  return DaysFromCivil(2000 + r.year, r.month, r.day) * 86400 + r.hour * 3600 + r.minute * 60 + r.second;
}

const LongRecord* ChartBase(const std::vector<LongRecord>& table) {
  for (const LongRecord& r : table)
    if (Possible(r)) return &r;
  return nullptr;
}

std::vector<ChartPoint> ChartPoints(const std::vector<LongRecord>& table) {
  std::vector<ChartPoint> points;
  const LongRecord* first = ChartBase(table);
  if (!first) return points;
  const std::int64_t base = RecordSeconds(*first);
  for (const LongRecord& r : table) {
    if (!Possible(r)) continue;
    const std::int64_t at = RecordSeconds(r) - base;
    if (at < 0) continue;
    points.push_back({static_cast<double>(at), r.value1, r.temperature});
  }
  return points;
}

}  // namespace korvane::logger
