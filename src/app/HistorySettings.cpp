#include "app/HistorySettings.h"

namespace korvane::app {
namespace {

std::string IntervalKey(korvane::types::Family f) { return "calibration-interval." + history::FamilyKey(f); }

}  // namespace

history::CalibrationIntervals IntervalsFrom(const OwnSettings& s) {
  history::CalibrationIntervals intervals;
  for (types::Family f : history::CalibratedFamilies()) {
    const std::optional<std::string> text = s.Get(IntervalKey(f));
    if (!text) continue;
    try {
      std::size_t used = 0;
      const int days = std::stoi(*text, &used);
      if (used == text->size() && days >= 1 && days <= 3650) intervals.days[f] = days;
    } catch (const std::exception&) {
      // A line someone mistyped keeps the default.
    }
  }
  return intervals;
}

void KeepIntervals(OwnSettings& s, const history::CalibrationIntervals& intervals) {
  for (const auto& [family, days] : intervals.days) s.Set(IntervalKey(family), std::to_string(days));
}

}  // namespace korvane::app
