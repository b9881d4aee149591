#include "link/DeviceName.h"

#include <charconv>

#include "platform/Reasons.h"

namespace korvane::link {
namespace {

constexpr std::string_view kRfc2217Prefix = "rfc2217://";
constexpr std::string_view kSocketPrefix = "socket://";

}  // namespace

LineKind KindOf(const std::string& device) {
  if (device.starts_with(kRfc2217Prefix)) return LineKind::kRfc2217;
  if (device.starts_with(kSocketPrefix)) return LineKind::kRawTcp;
  return LineKind::kSerial;
}

DeviceName ParseDeviceName(const std::string& device, Language language) {
  DeviceName d;
  d.kind = KindOf(device);
  if (d.kind == LineKind::kSerial) return d;
  const std::string_view rest =
      std::string_view(device).substr((d.kind == LineKind::kRfc2217 ? kRfc2217Prefix : kSocketPrefix).size());
  std::string_view host;
  std::string_view port;
  if (rest.starts_with('[')) {  // [IPv6]:port
    const std::size_t close = rest.find(']');
    if (close != std::string_view::npos) {
      host = rest.substr(1, close - 1);
      if (close + 1 < rest.size() && rest[close + 1] == ':') port = rest.substr(close + 2);
    }
  } else if (const std::size_t colon = rest.rfind(':'); colon != std::string_view::npos) {
    host = rest.substr(0, colon);
    port = rest.substr(colon + 1);
  } else {
    host = rest;
  }
  using platform::FormatReason;
  namespace r = platform::reasons;
  if (host.empty() || host.find_first_of("/?# ") != std::string_view::npos) {
    d.error = FormatReason(r::kNoNetworkHost, language, device);
  } else if (port.empty()) {
    d.error = FormatReason(r::kNoNetworkPort, language, device);
  } else {
    int n = 0;
    const auto [end, ec] = std::from_chars(port.data(), port.data() + port.size(), n);
    if (ec != std::errc() || end != port.data() + port.size() || n < 1 || n > 65535)
      d.error = FormatReason(r::kBadNetworkPort, language, device);
    else
      d.port = n;
  }
  d.host = std::string(host);
  return d;
}

}  // namespace korvane::link
