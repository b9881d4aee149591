#pragma once
// One record of the station's on-disk queue, framed so that a record cut short by a
// crash or damaged on disk is recognised:
//   u32 payload length | u32 CRC-32 of sequence number and payload | u64 sequence number | payload
// all little-endian.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane::station {

constexpr std::size_t kRecordHeaderBytes = 16;
constexpr std::uint32_t kMaxRecordPayload = 1u << 20;

struct RecordHeader {
  std::uint32_t length = 0;
  std::uint32_t crc = 0;
  std::uint64_t seq = 0;
};

std::string EncodeRecord(std::uint64_t seq, std::string_view payload);

// The header in 16 bytes; nothing when the length is beyond kMaxRecordPayload.
std::optional<RecordHeader> DecodeRecordHeader(const char* bytes);

// True when payload is the one header's checksum was made over.
bool RecordIntact(const RecordHeader& header, std::string_view payload);

}  // namespace korvane::station
