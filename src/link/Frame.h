#pragma once
// The 11-byte frame that every request and reply on the module line uses:
// '(' address group length parameter d0 d1 d2 d3 check ')'. Pure C++, no Qt.
#include <array>
#include <cstdint>
#include <string>

namespace korvane::link {

constexpr std::size_t kFrameSize = 11;
constexpr std::uint8_t kFrameStart = '(';
constexpr std::uint8_t kFrameEnd = ')';
constexpr std::uint8_t kDisplayAddress = 0x80;

using Frame = std::array<std::uint8_t, kFrameSize>;
using Data4 = std::array<std::uint8_t, 4>;

enum Group : std::uint8_t { kValues = 0, kSystem = 1, kRead = 2, kWrite = 3 };

// XOR of bytes 1..8 (address up to d3); the start byte is not included.
std::uint8_t CheckByte(const std::uint8_t* frame);

Frame BuildFrame(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                 const Data4& data = {});

// Start, end and check byte as a receiver checks them.
bool IsValidFrame(const Frame& f);

// Field accessors of a frame.
inline std::uint8_t FrameAddress(const Frame& f) { return f[1]; }
inline std::uint8_t FrameGroup(const Frame& f) { return f[2]; }
inline std::uint8_t FrameLength(const Frame& f) { return f[3]; }
inline std::uint8_t FrameParameter(const Frame& f) { return f[4]; }
inline Data4 FrameData(const Frame& f) { return {f[5], f[6], f[7], f[8]}; }

// Data encodings, little-endian in both directions.
Data4 FloatData(float value);
float DataFloat(const Data4& d);
Data4 U16Data(std::uint16_t value);
std::uint16_t DataU16(const Data4& d);
inline std::uint16_t DataU16High(const Data4& d) { return static_cast<std::uint16_t>(d[2] | (d[3] << 8)); }
inline Data4 ByteData(std::uint8_t value) { return {value, 0, 0, 0}; }

// Group 1 request 59 (set time) and 58 (set date).
Data4 TimeData(int hour, int minute, int second);
Data4 DateData(int year, int month, int day);

// Texts made of reply data.
std::string FirmwareText(float version);        // "Firmware V%.2f"
std::string ModuleDateText(const Data4& d);     // reply 58: "%02u.%02u.%02u"
std::string ModuleTimeText(const Data4& d);     // reply 59: "%02u:%02u:%02u"
std::string NextEntryTimeText(const Data4& d);  // reply 56: "%02u:%02u"
std::string IdentityText(const Data4& d);       // parameter 26: "%c%c%c%c"

std::string HexText(const std::uint8_t* bytes, std::size_t n);
inline std::string HexText(const Frame& f) { return HexText(f.data(), f.size()); }

}  // namespace korvane::link
