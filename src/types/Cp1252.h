#pragma once
// Windows-1252, the byte encoding of the files the program shares with existing
// installations (settings, recording and setup files carry °, µ and umlauts).
#include <optional>
#include <string>

namespace korvane::types {

// Characters without a Windows-1252 byte become '?'. A byte that is not part of valid
// UTF-8 is taken to be Windows-1252 already and kept.
std::string ToWindows1252(const std::string& utf8);

// The same for text a user typed: nullopt when a character has no Windows-1252 byte,
// so nothing is silently replaced.
std::optional<std::string> ToWindows1252Exactly(const std::string& utf8);

// Every byte has a character; the five bytes Windows-1252 leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, so they survive
// a round trip.
std::string FromWindows1252(const std::string& bytes);

}  // namespace korvane::types
