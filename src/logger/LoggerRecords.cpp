#include "logger/LoggerRecords.h"

#include <cstring>

#include "platform/NumberText.h"
#include "types/Catalogue.h"

namespace korvane::logger {
namespace {

char NibbleCharacter(std::uint8_t n) {
  static constexpr char kCode[16] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '<', '>', ',', '-', ' ', ' '};
  return kCode[n & 0x0F];
}

}  // namespace

std::string DisplayCharacters(const std::uint8_t* packed, std::size_t bytes) {
  std::string out;
  out.reserve(bytes * 2);
  for (std::size_t i = 0; i < bytes; ++i) {
    out += NibbleCharacter(static_cast<std::uint8_t>(packed[i] >> 4));
    out += NibbleCharacter(packed[i]);
  }
  return out;
}

float ThreeByteFloat(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) { return link::DataFloat({0, b1, b2, b3}); }

LongRecord DecodeLongRecord(const LongRecordBytes& r) {
  LongRecord d;
  d.day = r[0];
  d.month = r[1];
  d.year = r[2];
  d.hour = r[3];
  d.minute = r[4];
  d.second = r[5];
  d.value1 = ThreeByteFloat(r[6], r[7], r[8]);
  d.value2 = ThreeByteFloat(r[9], r[10], r[11]);
  d.temperature = ThreeByteFloat(r[12], r[13], r[14]);
  return d;
}

std::string ChannelNameCell(const std::optional<link::Data4>& name) {
  if (!name) return "err ";
  const link::Data4& n = *name;
  if (n[0] == 0 && n[1] == 0 && n[2] == 0 && n[3] == 0) return "n.a.\t";
  return std::string{static_cast<char>(n[0]), static_cast<char>(n[1]), static_cast<char>(n[2]), static_cast<char>(n[3]),
                     '\t'};
}

std::string DeviceCell(const std::string& identity) {
  std::string four = identity.substr(0, 4);
  four.resize(4, '\0');
  return std::string("\260C\tdevice:") + four;  // the degree sign in Windows-1252
}

std::string DisplayRecordLine(const DisplayRecord& r) {
  std::string line = platform::StringPrintf("\n%02u.%02u.%02u\t%02u:%02u\t", r[0], r[1], r[2], r[3], r[4]);
  std::string chars = DisplayCharacters(r.data() + 5, 21);
  for (std::size_t at = 5; at <= 35; at += 5) chars[at] = '\t';
  return line + chars;
}

std::string LongRecordLine(const LongRecord& r, int typeIndex) {
  return platform::StringPrintf("\n%02u.%02u.%02u\t%02u:%02u:%02u\t%.*f\t%.*f\t%.1f", r.day, r.month, r.year, r.hour,
                                r.minute, r.second, types::ChannelDecimals(typeIndex, 1), static_cast<double>(r.value1),
                                types::ChannelDecimals(typeIndex, 2), static_cast<double>(r.value2),
                                static_cast<double>(r.temperature));
}

int ModuleDataBytes(std::uint16_t sizeReply) {
  if (sizeReply & 0x2000) return 64000;
  if (sizeReply == 0) return 2;
  return sizeReply * static_cast<int>(kLongRecordBytes);
}

}  // namespace korvane::logger
