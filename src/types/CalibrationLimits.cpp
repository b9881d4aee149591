#include "types/CalibrationLimits.h"

namespace korvane::types {

std::vector<PlausibleRange> PlausibleRanges(const std::string& p) {
  if (p == "ph-two-point") return {kPhOffsetRange, kPhSlopeRange};
  if (p == "ph-compensation") return {kPhCompensationRange};
  if (p == "redox") return {kRedoxOffsetRange};
  if (p == "cell-constant") return {kCellConstantRange};
  if (p == "cell-constant-4") return {kCellConstant4Range};
  if (p == "oxygen-slope") return {kOxygenSlopeRange};
  if (p == "chlorine-linear") return {kLinearChlorineRange};
  if (p == "chlorine-slope") return {kChlorineSlopeRange};
  if (p == "saturation") return {kSaturationRange};
  return {};
}

}  // namespace korvane::types
