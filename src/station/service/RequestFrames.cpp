#include "station/service/RequestFrames.h"

#include <algorithm>

namespace korvane::station::service {

void RequestFrames::Feed(std::span<const std::uint8_t> bytes, std::vector<link::Frame>& out) {
  for (std::uint8_t b : bytes) {
    if (count_ == 0 && b != link::kFrameStart) {
      ++dropped_;
      continue;
    }
    buffer_[count_++] = b;
    if (count_ < link::kFrameSize) continue;
    if (link::IsValidFrame(buffer_)) {
      out.push_back(buffer_);
      count_ = 0;
      continue;
    }
    // A damaged frame: its first byte goes, and a later '(' in it may start the real one.
    const auto next = std::find(buffer_.begin() + 1, buffer_.end(), link::kFrameStart);
    const std::size_t keep = static_cast<std::size_t>(buffer_.end() - next);
    dropped_ += link::kFrameSize - keep;
    std::copy(next, buffer_.end(), buffer_.begin());
    count_ = keep;
  }
}

}  // namespace korvane::station::service
