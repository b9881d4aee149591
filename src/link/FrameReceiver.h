#pragma once
// Assembles received bytes into reply frames, one call per byte, the way the line
// has always been read: no search for '(' — every request resets the count, which
// restores the frame alignment. Pure C++.
#include <cstdint>
#include <functional>
#include <string>

#include "link/Frame.h"
#include "platform/Clock.h"

namespace korvane::link {

class FrameReceiver {
 public:
  enum class Result { kNone, kFrame, kBadFrame, kWatchdog };

  // Feeds one byte. kFrame: frame() holds a valid reply. kBadFrame: eleven bytes that
  // failed start, end or check. kWatchdog: "WD" and seven more bytes arrived.
  Result Feed(std::uint8_t byte);

  // A request was sent: the next byte starts a frame.
  void Reset() { count_ = 0; }
  std::uint8_t count() const { return count_; }
  const Frame& frame() const { return buffer_; }

 private:
  Frame buffer_{};
  std::uint8_t count_ = 0;  // 8 bits, like the original counter
};

// "%02d.%02d.%02d\t%02d:%02d\tWD-RESET \n\r" with day, month, four-digit year, hour, minute.
std::string WatchdogText(const platform::LocalTime& t);

}  // namespace korvane::link
