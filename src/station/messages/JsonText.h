#pragma once
// Small pieces of JSON text, for messages whose keys keep the order a reader expects.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::station {

// "text" with the escapes JSON needs (quote, backslash, control characters); UTF-8
// passes through.
std::string JsonString(std::string_view text);

// The shortest text that reads back as the same double; null when there is none or it
// is not finite.
std::string JsonNumber(std::optional<double> value);

// 2024-05-01T12:00:00.123Z: UTC with milliseconds (truncated).
std::string IsoUtcMillis(std::chrono::system_clock::time_point time);

}  // namespace korvane::station
