#pragma once
// The display unit's logger information as the "Information" button shows it. Texts
// are UTF-8.
#include <cstdint>
#include <string>

#include "platform/Language.h"

namespace korvane::logger {

struct LoggerInfo {
  std::string date;         // "%02u.%02u.%02u" of the unit's date reply
  std::string time;         // "%02u:%02u:%02u"
  std::string nextStorage;  // "%02u:%02u"
  unsigned intervalMinutes = 0;
  unsigned sizeReply = 0;  // the logger size reply; the text counts it in sets of 30
  bool enabled = false;
};

std::string LoggerInfoText(const LoggerInfo& info, Language language);

}  // namespace korvane::logger
