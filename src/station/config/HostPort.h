#pragma once
// "host", "host:port", "[v6]" and "[v6]:port", as the broker URL and the Modbus listen
// address write them.
#include <optional>
#include <string>

namespace korvane::station {

struct HostPort {
  std::string host;  // an IPv6 address without its brackets
  std::optional<int> port;
};

// Nothing, with *why ("has an empty port"), for a missing ] or host, text after the
// brackets, a blank in the host, or a port that is not 1..65535.
std::optional<HostPort> ParseHostPort(const std::string& text, std::string* why);

// host:port, with brackets around an IPv6 address.
std::string HostPortText(const std::string& host, int port);

}  // namespace korvane::station
