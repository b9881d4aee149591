#include "types/Cp1252.h"

#include <cstdint>

namespace korvane::types {

namespace {

// Characters of bytes 0x80..0x9F; 0 where the byte is unassigned.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CharOf(unsigned char b) {
  if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
  return b;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

int ByteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == c) return 0x80 + i;
  // The unassigned bytes, as FromWindows1252 gives them.
  if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return static_cast<int>(c);
  return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when it is not valid.
std::size_t Decode(const std::string& s, std::size_t i, char32_t* c) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t len;
  char32_t v;
  if (b0 < 0x80) {
    *c = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    v = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    v = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    v = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    v = (v << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (v < kMin[len] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  *c = v;
  return len;
}

}  // namespace

std::string ToWindows1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    const std::size_t len = Decode(utf8, i, &c);
    if (len == 0) {
      out += utf8[i];
      ++i;
      continue;
    }
    const int b = ByteOf(c);
    out += b < 0 ? '?' : static_cast<char>(b);
    i += len;
  }
  return out;
}

std::optional<std::string> ToWindows1252Exactly(const std::string& utf8) {
  std::string out = ToWindows1252(utf8);
  // '?' stands for a character without a byte unless the text had a '?' there too.
  if (out.find('?') == std::string::npos) return out;
  std::string back = FromWindows1252(out);
  if (back != utf8) return std::nullopt;
  return out;
}

std::string FromWindows1252(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) AppendUtf8(out, CharOf(static_cast<unsigned char>(ch)));
  return out;
}

}  // namespace korvane::types
