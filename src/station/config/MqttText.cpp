#include "station/config/MqttText.h"

#include <cstdio>

namespace korvane::station {
namespace {

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

// The code point at text[i] and its length in bytes; 0 bytes when it is not UTF-8
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate, beyond
// U+10FFFF).
std::size_t Decode(const std::string& text, std::size_t i, char32_t* point) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char first = byte(i);
  std::size_t length = 0;
  char32_t value = 0, least = 0;
  if (first < 0x80) {
    *point = first;
    return 1;
  }
  if ((first & 0xE0) == 0xC0) {
    length = 2, value = first & 0x1F, least = 0x80;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3, value = first & 0x0F, least = 0x800;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4, value = first & 0x07, least = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = value << 6 | (byte(i + k) & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *point = value;
  return length;
}

}  // namespace

std::string MqttTextProblem(const std::string& text, std::size_t maxBytes) {
  if (text.size() > maxBytes)
    return "is " + std::to_string(text.size()) + " bytes long; at most " + std::to_string(maxBytes) + " are taken";
  for (std::size_t i = 0; i < text.size();) {
    char32_t point = 0;
    const std::size_t length = Decode(text, i, &point);
    const std::string at = " at byte " + std::to_string(i + 1);
    if (length == 0) return "is not UTF-8 (byte 0x" + Hex(static_cast<unsigned char>(text[i]), 2) + at + ")";
    if (point == 0) return "holds a NUL byte" + at;
    if (point < 0x20 || (point >= 0x7F && point <= 0x9F))
      return "holds a control character (U+" + Hex(static_cast<unsigned>(point), 4) + ")" + at;
    // U+FFFD is what a command line's bytes that were no UTF-8 became.
    if (point == 0xFFFD) return "holds U+FFFD (bytes that were not UTF-8)" + at;
    if ((point >= 0xFDD0 && point <= 0xFDEF) || (point & 0xFFFE) == 0xFFFE)
      return "holds a non-character (U+" + Hex(static_cast<unsigned>(point), 4) + ")" + at;
    i += length;
  }
  return {};
}

}  // namespace korvane::station
