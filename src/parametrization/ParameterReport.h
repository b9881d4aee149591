#pragma once
// The parameter report ("aktuelle Werte"): the adjustment values the module holds, one
// line each ended by "\n\r", and its printout. Pure C++.
#include <string>
#include <vector>

#include "link/ModuleState.h"
#include "link/Protocol.h"
#include "platform/Clock.h"
#include "platform/Page.h"

namespace korvane::parametrization {

// The parameters of the report in the order they are read; the first request opens the
// report, a missing reply to a later one leaves the value last held.
std::vector<link::Parameter> ReportParameters(int typeIndex);

// The report of the values in m for the type: the date line, then one line per
// parameter (a calibration value 4 line only for type 7).
std::string BuildParameterReport(const link::ModuleState& m, int typeIndex, const platform::LocalTime& now);

// Draws the report's lines at x = 400, y = 400 + 100 n (device units) on one page and
// ends the job; text after the last line feed is not printed. False when the job failed.
bool LayoutParameterReport(platform::PageTarget& page, const std::string& report);

}  // namespace korvane::parametrization
