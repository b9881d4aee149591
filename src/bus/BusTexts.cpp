#include "bus/BusTexts.h"

#include <ctime>

#include "platform/NumberText.h"

namespace korvane::bus {

std::string ClockText(std::chrono::system_clock::time_point t) {
  const std::time_t s = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  localtime_r(&s, &tm);
  return platform::StringPrintf("%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
}

}  // namespace korvane::bus
