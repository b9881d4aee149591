#include "link/FrameReceiver.h"

#include "platform/NumberText.h"

namespace korvane::link {

FrameReceiver::Result FrameReceiver::Feed(std::uint8_t byte) {
  // More than eleven bytes cannot accumulate (the count is reset at eleven), so the
  // index stays inside the buffer.
  buffer_[count_] = byte;
  ++count_;
  if (count_ >= 9 && buffer_[count_ - 9] == 'W' && buffer_[count_ - 8] == 'D') {
    count_ = 0;
    return Result::kWatchdog;
  }
  if (count_ >= kFrameSize) {
    count_ = 0;
    return IsValidFrame(buffer_) ? Result::kFrame : Result::kBadFrame;
  }
  return Result::kNone;
}

std::string WatchdogText(const platform::LocalTime& t) {
  return platform::StringPrintf("%02d.%02d.%02d\t%02d:%02d\tWD-RESET \n\r", t.day, t.month, t.year, t.hour, t.minute);
}

}  // namespace korvane::link
