#pragma once
// What the history window keeps in the program's own settings: the calibration interval
// of each measurement family ("calibration-interval.ph=30") and the site of the last
// service report.
#include "app/OwnSettings.h"
#include "history/HistoryView.h"

namespace korvane::app {

inline constexpr const char* kSiteKey = "site";

// Intervals of 1..3650 days; other values keep the default.
history::CalibrationIntervals IntervalsFrom(const OwnSettings& s);
void KeepIntervals(OwnSettings& s, const history::CalibrationIntervals& intervals);

}  // namespace korvane::app
