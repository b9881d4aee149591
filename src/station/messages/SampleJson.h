#pragma once
// One bus sample as the JSON object the station publishes on <prefix>/<address>/state.
#include <string>

#include "bus/BusSample.h"
#include "station/messages/ModuleStatus.h"

namespace korvane::station {

// {"time","address","type","type_name","identity","values":[six {"name","value","unit"}],
// "calibration","state"} on one line: time in UTC with milliseconds, value the number
// the field shows (null where it shows none), unit without blanks around it, state the
// word of status (live, missing, line_lost, service). A module that is not live has no values,
// names or units: its type is not known now. The calibration text leaves out a value
// its type gives no name.
std::string SampleJson(const bus::BusSample& sample, ModuleStatus status);
inline std::string SampleJson(const bus::BusSample& sample) { return SampleJson(sample, StatusOf(sample)); }

// The calibration status line as a consumer reads it: without blanks at its ends and
// without the value whose label the type leaves empty.
std::string CalibrationText(const std::string& statusLine);

// A unit as a consumer takes it: without blanks around it ("" for the blank unit of a
// field that has none).
std::string UnitText(const std::string& unit);

}  // namespace korvane::station
