#include "platform/ShownText.h"

#include <cstdint>

namespace korvane::platform {
namespace {

// Length of the UTF-8 sequence starting at text[at] that encodes a character a message
// may show as it is, or 0.
std::size_t PrintableSequence(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  if (lead >= 0x20 && lead < 0x7F) return 1;
  const std::size_t n = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (n == 0 || at + n > text.size()) return 0;
  std::uint32_t code = lead & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  // The C1 controls (U+0080..U+009F) steer terminals as well.
  return code >= 0xA0 ? n : 0;
}

}  // namespace

std::string ShownText(std::string_view text, std::size_t maxChars) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t chars = 0;
  for (std::size_t at = 0; at < text.size(); ++chars) {
    if (chars == maxChars) return out + "...";
    if (const std::size_t n = PrintableSequence(text, at)) {
      out.append(text.substr(at, n));
      at += n;
      continue;
    }
    const auto b = static_cast<std::uint8_t>(text[at++]);
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0xF];
  }
  return out;
}

}  // namespace korvane::platform
