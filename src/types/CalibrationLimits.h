#pragma once
// The plausibility limits of the calibration procedures: the range each calibration
// value a procedure produces must lie in for its result to count as plausible. The
// procedures judge their results by them; the drift chart draws them as bands.
#include <string>
#include <vector>

namespace korvane::types {

struct PlausibleRange {
  int value = 1;  // calibration value 1..4
  double low = 0;
  double high = 0;
};

inline constexpr PlausibleRange kPhOffsetRange{1, -60, 60};
inline constexpr PlausibleRange kPhSlopeRange{2, -61, -45};
inline constexpr PlausibleRange kRedoxOffsetRange{1, -100, 100};
inline constexpr PlausibleRange kCellConstantRange{1, 0.8, 1.2};
inline constexpr PlausibleRange kCellConstant4Range{1, 0.05, 1.2};
inline constexpr PlausibleRange kOxygenSlopeRange{1, 10, 200};
inline constexpr PlausibleRange kLinearChlorineRange{1, 0, 1};
inline constexpr PlausibleRange kChlorineSlopeRange{1, 10, 50};
inline constexpr PlausibleRange kPhCompensationRange{3, -60, 60};
inline constexpr PlausibleRange kSaturationRange{1, 0.5, 1.5};

// Nernst's slope at 25 °C, R T ln10 / F at 298.15 K, in mV per pH: the pH slopes are
// shown in percent of it.
inline constexpr double kNernstSlope25 = -59.16;

// In single precision, as the module holds its values: 1.2f is within 0.8..1.2.
inline bool InRange(const PlausibleRange& r, float v) {
  return !(v < static_cast<float>(r.low) || v > static_cast<float>(r.high));
}

// The ranges of a procedure by the name its records carry ("ph-two-point", "redox",
// "cell-constant", ...); none for a procedure without limits (air pressure, ISE) or an
// unknown name.
std::vector<PlausibleRange> PlausibleRanges(const std::string& procedure);

}  // namespace korvane::types
