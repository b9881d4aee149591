#include "station/config/HostPort.h"

#include <charconv>

namespace korvane::station {

std::optional<HostPort> ParseHostPort(const std::string& text, std::string* why) {
  auto fail = [&](const char* reason) -> std::optional<HostPort> {
    *why = reason;
    return std::nullopt;
  };
  HostPort result;
  std::string port;
  bool hasPort = false;
  if (!text.empty() && text.front() == '[') {
    const auto close = text.find(']');
    if (close == std::string::npos) return fail("has an IPv6 address without its closing ]");
    result.host = text.substr(1, close - 1);
    const std::string after = text.substr(close + 1);
    if (!after.empty() && after.front() != ':') return fail("has text after the address");
    hasPort = !after.empty();
    if (hasPort) port = after.substr(1);
  } else {
    const auto colon = text.find(':');
    result.host = text.substr(0, colon);
    hasPort = colon != std::string::npos;
    if (hasPort) port = text.substr(colon + 1);
  }
  if (hasPort && port.empty()) return fail("has an empty port");
  if (result.host.empty()) return fail("names no host");
  for (const char c : result.host)
    if (c == ' ' || c == '\t' || static_cast<unsigned char>(c) < 0x20) return fail("has a blank in the host name");
  if (hasPort) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (ec != std::errc() || ptr != port.data() + port.size() || value < 1 || value > 65535)
      return fail("has a port that is not 1..65535");
    result.port = value;
  }
  return result;
}

std::string HostPortText(const std::string& host, int port) {
  const bool v6 = host.find(':') != std::string::npos;
  return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

}  // namespace korvane::station
