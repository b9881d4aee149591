#pragma once
// The queue an earlier version of the station left in its buffer folder: files named
// <16 hex digits>.queue of framed records
//   u32 payload length | u32 CRC-32 of sequence number and payload | u64 sequence number | payload
// (little-endian; the payload is the module's address byte and the JSON), "head" with
// the first unacknowledged sequence number, and "lock". Read once, so that what it held
// is sent before anything new; then its files go.
#include <cstdint>
#include <string>
#include <vector>

namespace korvane::station {

struct EarlierSample {
  std::int64_t timeMs = 0;  // from the JSON's "time"
  std::uint8_t address = 0;
  std::string json;
};

struct EarlierQueue {
  std::vector<std::string> files;  // everything of it in the folder, to be removed
  std::vector<std::string> segments;
  std::uint64_t head = 0;
};

// Nothing in files when the folder holds no such queue.
EarlierQueue FindEarlierQueue(const std::string& folder);

// The unacknowledged samples of one segment file in order. A damaged record costs only
// itself: reading goes on at the next record that is whole and intact; *damaged counts
// the samples lost on the way.
std::vector<EarlierSample> ReadEarlierSegment(const std::string& path, std::uint64_t head, std::uint64_t* damaged);

}  // namespace korvane::station
