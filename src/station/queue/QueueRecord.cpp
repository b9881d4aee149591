#include "station/queue/QueueRecord.h"

#include <zlib.h>

namespace korvane::station {
namespace {

void PutLe(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
}

std::uint64_t GetLe(const char* in, int bytes) {
  std::uint64_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(in[i]);
  return value;
}

std::uint32_t Checksum(std::uint64_t seq, std::string_view payload) {
  std::string seqBytes;
  PutLe(seqBytes, seq, 8);
  uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(seqBytes.data()), 8);
  crc = crc32(crc, reinterpret_cast<const Bytef*>(payload.data()), static_cast<uInt>(payload.size()));
  return static_cast<std::uint32_t>(crc);
}

}  // namespace

std::string EncodeRecord(std::uint64_t seq, std::string_view payload) {
  std::string record;
  record.reserve(kRecordHeaderBytes + payload.size());
  PutLe(record, payload.size(), 4);
  PutLe(record, Checksum(seq, payload), 4);
  PutLe(record, seq, 8);
  record.append(payload);
  return record;
}

std::optional<RecordHeader> DecodeRecordHeader(const char* bytes) {
  RecordHeader h;
  h.length = static_cast<std::uint32_t>(GetLe(bytes, 4));
  h.crc = static_cast<std::uint32_t>(GetLe(bytes + 4, 4));
  h.seq = GetLe(bytes + 8, 8);
  if (h.length > kMaxRecordPayload) return std::nullopt;
  return h;
}

bool RecordIntact(const RecordHeader& header, std::string_view payload) {
  return payload.size() == header.length && Checksum(header.seq, payload) == header.crc;
}

}  // namespace korvane::station
