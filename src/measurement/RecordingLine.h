#pragma once
// One line of the recording file.
#include <array>
#include <string>

#include "platform/Clock.h"

namespace korvane::measurement {

// "dd.mm.yyyy<TAB>hh:mm<TAB>" followed by the five measured values with the type's
// channel decimals and the temperature with one decimal, TAB-separated, ending in CR LF.
// The value part uses decimal commas; the date keeps its dots.
std::string RecordingLine(const platform::LocalTime& t, int typeIndex, const std::array<float, 6>& values);
// The same with the cell of a value the module did not answer left empty.
std::string RecordingLine(const platform::LocalTime& t, int typeIndex, const std::array<float, 6>& values,
                          const std::array<bool, 6>& answered);

}  // namespace korvane::measurement
