#pragma once
// The one place a line is chosen by the device's name: a serial device, rfc2217:// or
// socket://.
#include <functional>
#include <memory>
#include <string>

#include "link/Line.h"

namespace korvane::link {

using LineFactory = std::function<std::unique_ptr<Line>(const std::string& device)>;

std::unique_ptr<Line> MakeLine(const std::string& device);

}  // namespace korvane::link
