#include "station/config/BrokerUrl.h"

#include "station/config/HostPort.h"

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
  std::string why;
  const auto hostPort = ParseHostPort(rest, &why);
  if (!hostPort) return fail(why);
  url.host = hostPort->host;
  url.port = hostPort->port.value_or(url.tls ? 8883 : 1883);
  return url;
}

std::string BrokerUrlText(const BrokerUrl& url) {
  return std::string(url.tls ? "mqtts://" : "mqtt://") + HostPortText(url.host, url.port);
}

}  // namespace korvane::station
