#pragma once
// Modbus TCP requests cut out of what a connection received: the MBAP header
// (transaction, protocol 0, length, unit id) and the PDU its length field announces,
// checked against what the function code says its request holds. Pure; the server
// closes a connection whose bytes are refused here instead of guessing where the next
// request starts.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace korvane::station {

inline constexpr std::size_t kMbapBytes = 7;
inline constexpr std::size_t kMaxFrameBytes = 260;

struct FrameCut {
  enum class Kind { kIncomplete, kRequest, kRefused };
  Kind kind = Kind::kIncomplete;
  std::size_t size = 0;  // kRequest: the request's bytes at the front
  std::string reason;    // kRefused: why, for the log
};

FrameCut CutRequest(std::span<const std::uint8_t> received);

}  // namespace korvane::station
