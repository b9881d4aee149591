#pragma once
// A service client's data bytes as request frames: eleven bytes from '(' that pass the
// checks a reply passes on the link. What does not is dropped and counted; the next
// '(' starts a frame afresh. Pure code.
#include <cstdint>
#include <span>
#include <vector>

#include "link/Frame.h"

namespace korvane::station::service {

class RequestFrames {
 public:
  // Appends the whole frames the bytes complete to out.
  void Feed(std::span<const std::uint8_t> bytes, std::vector<link::Frame>& out);
  // Bytes dropped so far (outside a frame, or of a frame that failed its checks).
  std::uint64_t dropped() const { return dropped_; }
  // Part of a frame waits for its rest.
  bool partial() const { return count_ > 0; }
  void Clear() { count_ = 0; }

 private:
  link::Frame buffer_{};
  std::size_t count_ = 0;
  std::uint64_t dropped_ = 0;
};

}  // namespace korvane::station::service
