#include "bus/BusSample.h"

#include <charconv>
#include <cmath>

namespace korvane::bus {

std::optional<double> ShownNumber(const ChannelSample& channel) {
  const std::string& text = channel.text;
  if (channel.name.empty() || text.empty()) return std::nullopt;
  // from_chars, not strtod: the process locale may want a decimal comma.
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace korvane::bus
