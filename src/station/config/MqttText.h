#pragma once
// Whether a text can go into an MQTT packet as the station sends it (topic prefix,
// client id, user name): UTF-8 as MQTT 3.1.1 wants it, without NUL, control characters
// or non-characters, and within a length. Checked before the service starts, so that
// libmosquitto never refuses one at run time.
#include <cstddef>
#include <string>

namespace korvane::station {

// MQTT's own limit of a string; the topic prefix keeps far below it.
inline constexpr std::size_t kMqttStringBytes = 65535;
inline constexpr std::size_t kPrefixBytes = 512;

// Empty, or why the text cannot be used ("holds a control character (U+0009) at byte
// 6", "is not UTF-8 (byte 0xE4 at byte 8)", ...).
std::string MqttTextProblem(const std::string& text, std::size_t maxBytes);

}  // namespace korvane::station
