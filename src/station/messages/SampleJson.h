#pragma once
// One bus sample as the JSON object the station publishes on <prefix>/<address>/state.
#include <string>

#include "bus/BusSample.h"

namespace korvane::station {

// {"time","address","type","type_name","identity","values":[six {"name","value","unit"}],
// "calibration","state"} on one line, in this order; value is null where the field shows
// no number, state "live" or "missing".
std::string SampleJson(const bus::BusSample& sample);

}  // namespace korvane::station
