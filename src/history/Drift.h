#pragma once
// A module's calibration values over time, as the drift chart shows them: one series per
// calibration value the module's calibrations changed, each point saved or not, the
// plausibility limits of the procedures as a band, and where a saved series is heading.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/Event.h"
#include "platform/Language.h"

namespace korvane::history {

inline constexpr double kDayMs = 24.0 * 3600 * 1000;

struct DriftPoint {
  std::int64_t timeMs = 0;
  double value = 0;
  bool saved = false;  // false: discarded, refused or not plausible and left
  std::string technician;
};

struct DriftSeries {
  int value = 1;      // calibration value 1..4
  std::string label;  // from the catalogue; "K<n>" where the type has none
  std::string unit;
  std::vector<DriftPoint> points;   // oldest first
  std::optional<double> low, high;  // the band; none where no procedure limits the value
};

// The series of a module's calibration events (oldest first; other kinds are skipped).
std::vector<DriftSeries> DriftOf(const std::vector<Event>& events, Language language);

// The straight line through the saved points of the last twelve months (least squares,
// time in days) and where it meets the band. The fit counts when it has at least
// kTrendMinPoints points and explains at least kTrendMinR2 of their variance (the
// coefficient of determination R²); a line that meets a limit only after
// kTrendHorizonDays, or runs away from both limits, projects nothing.
inline constexpr int kTrendMinPoints = 3;
inline constexpr double kTrendMinR2 = 0.6;
inline constexpr double kTrendHorizonDays = 5 * 365.0;
inline constexpr std::int64_t kTrendWindowMs = 365LL * 24 * 3600 * 1000;

struct Trend {
  double interceptAtNow = 0;  // the line's value at nowMs
  double perDay = 0;          // its slope per day
  double r2 = 0;
  int points = 0;
  std::optional<std::int64_t> reachesMs;  // when it meets a limit (not before nowMs)
  bool towardsHigh = false;               // the limit it meets is the upper one
};

// None with fewer than kTrendMinPoints saved points in the window or a poor fit.
std::optional<Trend> TrendOf(const DriftSeries& series, std::int64_t nowMs);

// "Steilheit erreicht die Grenze voraussichtlich am 12.03.2027" / "slope expected to
// reach its limit on 2027-03-12"; "" when no date is projected.
std::string TrendText(const DriftSeries& series, const std::optional<Trend>& trend, Language language);

// The first projected date of all series of the events, as one text ("" for none).
std::string HeadingFor(const std::vector<Event>& events, std::int64_t nowMs, Language language);

}  // namespace korvane::history
