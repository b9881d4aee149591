#pragma once
// Texts of the main window's live value fields and calibration status line.
#include <array>
#include <string>

namespace korvane::app {

// Text of value field `channel` (1..5 measured values, 6 = temperature) for the given
// measurement type: the type's channel decimals, one decimal for the temperature. The
// 500 mS/cm four-channel range (type index 23) shows channel 3 only below 100, as ">>>>"
// otherwise.
std::string FieldText(int typeIndex, int channel, float value);

// "label: value  " for calibration value 1 (always, even with an empty label), then for
// values 2..lastLabel whose label is not empty. cal holds the values of parameters 32,
// 33, 34 and 37. lastLabel is 4 at measurement start and 3 after a calibration.
std::string CalibrationStatusLine(int typeIndex, int language, const std::array<float, 4>& cal, int lastLabel);

}  // namespace korvane::app
