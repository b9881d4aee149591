#include "link/Frame.h"

#include <bit>
#include <cstring>

#include "platform/NumberText.h"

namespace korvane::link {

std::uint8_t CheckByte(const std::uint8_t* frame) {
  std::uint8_t x = 0;
  for (int i = 1; i <= 8; ++i) x ^= frame[i];
  return x;
}

Frame BuildFrame(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                 const Data4& data) {
  Frame f{kFrameStart, address, group, length, parameter, data[0], data[1], data[2], data[3], 0, kFrameEnd};
  f[9] = CheckByte(f.data());
  return f;
}

bool IsValidFrame(const Frame& f) { return f[0] == kFrameStart && f[10] == kFrameEnd && CheckByte(f.data()) == f[9]; }

Data4 FloatData(float value) {
  static_assert(std::endian::native == std::endian::little);
  Data4 d;
  std::memcpy(d.data(), &value, 4);
  return d;
}

float DataFloat(const Data4& d) {
  float v;
  std::memcpy(&v, d.data(), 4);
  return v;
}

Data4 U16Data(std::uint16_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8), 0, 0};
}

std::uint16_t DataU16(const Data4& d) { return static_cast<std::uint16_t>(d[0] | (d[1] << 8)); }

Data4 TimeData(int hour, int minute, int second) {
  return {static_cast<std::uint8_t>(hour), static_cast<std::uint8_t>(minute), static_cast<std::uint8_t>(second), 0};
}

Data4 DateData(int year, int month, int day) {
  return {static_cast<std::uint8_t>(year - 2000), static_cast<std::uint8_t>(day), static_cast<std::uint8_t>(month), 0};
}

std::string FirmwareText(float version) {
  return platform::StringPrintf("Firmware V%.2f", static_cast<double>(version));
}

std::string ModuleDateText(const Data4& d) { return platform::StringPrintf("%02u.%02u.%02u", d[0], d[1], d[2]); }

std::string ModuleTimeText(const Data4& d) { return platform::StringPrintf("%02u:%02u:%02u", d[0], d[1], d[2]); }

std::string NextEntryTimeText(const Data4& d) { return platform::StringPrintf("%02u:%02u", d[0], d[1]); }

std::string IdentityText(const Data4& d) {
  // Built as a C string from "%c%c%c%c": a zero byte ends the text.
  std::string s;
  for (std::uint8_t c : d) {
    if (c == 0) break;
    s += static_cast<char>(c);
  }
  return s;
}

std::string HexText(const std::uint8_t* bytes, std::size_t n) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (std::size_t i = 0; i < n; ++i) {
    if (i) s += ' ';
    s += digits[bytes[i] >> 4];
    s += digits[bytes[i] & 15];
  }
  return s;
}

}  // namespace korvane::link
