#include "link/LineFactory.h"

#include "link/DeviceName.h"
#include "link/NetworkLine.h"
#include "link/SerialLine.h"

namespace korvane::link {

std::unique_ptr<Line> MakeLine(const std::string& device) {
  if (KindOf(device) == LineKind::kSerial) return std::make_unique<SerialLine>();
  return std::make_unique<NetworkLine>();
}

}  // namespace korvane::link
