#pragma once
// The broker's address as the configuration gives it: mqtt://host[:port] (plain) or
// mqtts://host[:port] (TLS), ports 1883 and 8883 when left out.
#include <optional>
#include <string>

namespace korvane::station {

struct BrokerUrl {
  bool tls = false;
  std::string host;  // a name, an IPv4 address or an IPv6 address without brackets
  int port = 0;
};

// Nothing, with *error saying what is wrong, for another scheme, a user or password in
// the URL (they come from their own settings), a path, or a bad port.
std::optional<BrokerUrl> ParseBrokerUrl(const std::string& text, std::string* error);

// mqtts://host:8883 with brackets around an IPv6 address.
std::string BrokerUrlText(const BrokerUrl& url);

}  // namespace korvane::station
