#pragma once
// Storing a calibration in the module.
#include "link/FlowContext.h"
#include "link/WriteReport.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::calibration {

// Writes calibration values 1..4 of the module object and the store command, with a
// progress window; stops when the line goes away.
link::WriteReport WriteCalibrationSet(link::Link& link, platform::Ui& ui, const link::FlowContext& context);

}  // namespace korvane::calibration
