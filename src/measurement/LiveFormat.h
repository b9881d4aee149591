#pragma once
// Texts of the main window's live value fields and calibration status line.
#include <array>
#include <string>

#include "types/CalibrationStatus.h"

namespace korvane::measurement {

// Whether the type names channel 1..5 (the temperature, 6, always shows): a channel
// without a name shows nothing.
bool ShowsChannel(int typeIndex, int channel);

// Text of a named field whose value the module left unanswered in the last chain.
inline constexpr const char* kNotAnswered = "---";

// Text of value field `channel` (1..5 measured values, 6 = temperature) for the given
// measurement type: the type's channel decimals, one decimal for the temperature; ""
// for a channel the type does not name, whatever the module sent. The 500 mS/cm
// four-channel range (type index 23) shows channel 3 only below 100, as ">>>>" otherwise.
std::string FieldText(int typeIndex, int channel, float value);

using types::CalibrationStatusLine;

}  // namespace korvane::measurement
