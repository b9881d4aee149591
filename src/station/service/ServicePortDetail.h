#pragma once
// What the service port's two halves share: the clients' side (ServicePort.cpp) and the
// line held alone (ServicePortAlone.cpp).
#include <QtGlobal>

#include <string>

#include "link/Frame.h"
#include "link/Protocol.h"
#include "platform/NumberText.h"

namespace korvane::station::service::detail {

inline bool IsBaudCommand(const link::Frame& f) {
  return link::FrameGroup(f) == link::kBaudChange.group && link::FrameParameter(f) == link::kBaudChange.number;
}

inline std::string Duration(qint64 ms) { return platform::StringPrintf("%.1f s", static_cast<double>(ms) / 1000.0); }

}  // namespace korvane::station::service::detail
