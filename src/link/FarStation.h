#pragma once
// A line whose far end is a Korvane station's service port: the station names itself
// and its topic prefix in the Telnet negotiation (RFC 2217 SIGNATURE), as
// "korvane-station <name> <prefix>". Pure code.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Language.h"

namespace korvane::link {

struct FarStation {
  std::string name;
  std::string prefix;
  bool operator==(const FarStation&) const = default;
};

// The station a signature names; nothing for any other far end (ser2net, a device server).
std::optional<FarStation> ParseStationSignature(std::string_view signature);
std::string StationSignature(const FarStation& station);

// "über Station <name>" / "through station <name>".
std::string ThroughStationText(const FarStation& station, Language language);

}  // namespace korvane::link
