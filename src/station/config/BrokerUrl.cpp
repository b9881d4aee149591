#include "station/config/BrokerUrl.h"

#include <charconv>

namespace korvane::station {

std::optional<BrokerUrl> ParseBrokerUrl(const std::string& text, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<BrokerUrl> {
    if (error) *error = "\"" + text + "\" " + why;
    return std::nullopt;
  };
  BrokerUrl url;
  std::string rest;
  if (text.rfind("mqtt://", 0) == 0) {
    rest = text.substr(7);
  } else if (text.rfind("mqtts://", 0) == 0) {
    url.tls = true;
    rest = text.substr(8);
  } else {
    return fail("is not a broker URL (mqtt://host:1883 or mqtts://host:8883)");
  }
  if (!rest.empty() && rest.back() == '/') rest.pop_back();
  if (rest.find('@') != std::string::npos)
    return fail("holds a user name or password: give them as user and password_file");
  if (rest.find('/') != std::string::npos || rest.find('?') != std::string::npos)
    return fail("has a path; the broker URL is mqtt://host:port");
  std::string port;
  if (!rest.empty() && rest.front() == '[') {
    const auto close = rest.find(']');
    if (close == std::string::npos) return fail("has an IPv6 address without its closing ]");
    url.host = rest.substr(1, close - 1);
    const std::string after = rest.substr(close + 1);
    if (!after.empty() && after.front() != ':') return fail("has text after the address");
    if (!after.empty()) port = after.substr(1);
    if (after == ":") return fail("has an empty port");
  } else {
    const auto colon = rest.find(':');
    url.host = rest.substr(0, colon);
    if (colon != std::string::npos) {
      port = rest.substr(colon + 1);
      if (port.empty()) return fail("has an empty port");
    }
  }
  if (url.host.empty()) return fail("names no host");
  for (const char c : url.host)
    if (c == ' ' || c == '\t' || static_cast<unsigned char>(c) < 0x20) return fail("has a blank in the host name");
  url.port = url.tls ? 8883 : 1883;
  if (!port.empty()) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (ec != std::errc() || ptr != port.data() + port.size() || value < 1 || value > 65535)
      return fail("has a port that is not 1..65535");
    url.port = value;
  }
  return url;
}

std::string BrokerUrlText(const BrokerUrl& url) {
  const bool v6 = url.host.find(':') != std::string::npos;
  return std::string(url.tls ? "mqtts://" : "mqtt://") + (v6 ? "[" + url.host + "]" : url.host) + ":" +
         std::to_string(url.port);
}

}  // namespace korvane::station
