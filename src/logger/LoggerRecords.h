#pragma once
// The data logger's records as they arrive two bytes a frame, and the lines of the
// export file made of them. Pure C++: tested on byte vectors.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "link/Frame.h"
#include "link/Protocol.h"

namespace korvane::logger {

// A display unit's record: date and time to the minute, then 21 bytes of packed
// display characters.
inline constexpr std::size_t kDisplayRecordBytes = 26;
using DisplayRecord = std::array<std::uint8_t, kDisplayRecordBytes>;
// A module's record (the current series): date and time, three 3-byte floats.
inline constexpr std::size_t kLongRecordBytes = 16;
using LongRecordBytes = std::array<std::uint8_t, kLongRecordBytes>;

struct LongRecord {
  std::uint8_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;  // year since 2000
  float value1 = 0.0f, value2 = 0.0f, temperature = 0.0f;
};

// The current series keep long records; every other kind the display format.
constexpr bool HasLongRecords(int deviceKind) { return link::IsCurrentSeries(deviceKind); }

// The 42 display characters of the packed bytes, high nibble first: 0..9 digits, 10 '<',
// 11 '>', 12 ',', 13 '-', 14 and 15 a space.
std::string DisplayCharacters(const std::uint8_t* packed, std::size_t bytes);

// An IEEE-754 single from its upper three bytes (least significant first); the lowest
// byte is taken as 0.
float ThreeByteFloat(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);

LongRecord DecodeLongRecord(const LongRecordBytes& r);

// A long record is in step when the device's memory pointer of its last frame plus 2
// is a multiple of 16.
constexpr bool PointerInStep(std::uint16_t pointer) { return (pointer + 2) % kLongRecordBytes == 0; }

// --- export file (Windows-1252 bytes) --------------------------------------------------
inline constexpr char kExportHeader[] = "date\ttime\t";

// A channel name cell: the four bytes and TAB, "n.a.\t" for four zero bytes, "err "
// when the device did not answer.
std::string ChannelNameCell(const std::optional<link::Data4>& name);
// The module readout's last header cell: "°C\tdevice:" and the four identity bytes.
std::string DeviceCell(const std::string& identity);
// "\n%02u.%02u.%02u\t%02u:%02u\t" and the display characters with TABs at positions
// 5, 10, ..., 35.
std::string DisplayRecordLine(const DisplayRecord& r);
// "\n%02u.%02u.%02u\t%02u:%02u:%02u\t" and the three values: value 1 and 2 with the
// decimals of channels 1 and 2 of the measurement type, the temperature with one.
std::string LongRecordLine(const LongRecord& r, int typeIndex);

// The number of data bytes a module announces in its size reply: bit 0x2000 means a full
// logger of 4000 records, 0 means 2 (empty), anything else counts records of 16 bytes.
int ModuleDataBytes(std::uint16_t sizeReply);
// A logger of this many data bytes holds no record.
constexpr bool LoggerEmpty(int dataBytes) { return dataBytes <= 2; }

}  // namespace korvane::logger
