#pragma once
// One bus sample as the JSON object the station publishes on <prefix>/<address>/state.
#include <string>

#include "bus/BusSample.h"

namespace korvane::station {

// {"time","address","type","type_name","identity","values":[six {"name","value","unit"}],
// "calibration","state"} on one line: time in UTC with milliseconds, value the number
// the field shows (null where it shows none), state "live" or "missing". A missing
// module's values have no names or units: its type is not known now.
std::string SampleJson(const bus::BusSample& sample);

}  // namespace korvane::station
