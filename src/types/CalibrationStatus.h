#pragma once
// The calibration status line of the main window: "label: value  " for the module's
// calibration values, labelled and rounded as the catalogue says for its type.
#include <array>
#include <string>

#include "platform/Language.h"

namespace korvane::types {

// cal = calibration values 1..4 (parameters 32, 33, 34, 37). Value 1 is always listed
// (an empty label leaves ": value"), values 2..lastLabel only where the type names
// them. A measurement start lists up to value 4, a finished calibration up to value 3.
std::string CalibrationStatusLine(int typeIndex, Language language, const std::array<float, 4>& cal, int lastLabel);

}  // namespace korvane::types
