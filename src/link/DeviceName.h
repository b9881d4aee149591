#pragma once
// What a device name names: a serial device by its path, or a line over the network as
// rfc2217://host:port (Telnet with com-port control: the rate is set from here) or
// socket://host:port (raw TCP: the rate is fixed at the server).
#include <string>

#include "platform/Language.h"

namespace korvane::link {

enum class LineKind { kSerial, kRfc2217, kRawTcp };

struct DeviceName {
  LineKind kind = LineKind::kSerial;
  std::string host;   // network lines: without the brackets of an IPv6 address
  int port = 0;       // network lines: 1..65535
  std::string error;  // a network name that names no line: why, in the language
};

// The kind by the prefix alone (a name that is malformed still has its kind).
LineKind KindOf(const std::string& device);
DeviceName ParseDeviceName(const std::string& device, Language language);

}  // namespace korvane::link
