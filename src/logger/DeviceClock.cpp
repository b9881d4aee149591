#include "logger/DeviceClock.h"

#include "link/Link.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::logger {

bool SetDeviceClock(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                    const platform::LocalTime& t) {
  if (!link.OpenPort(context.language)) return false;
  if (!link.Request(context.address, link::kSetTime, link::TimeData(t.hour, t.minute, t.second))) {
    ui.Message(types::kCommError(context.language));
    return false;
  }
  link.Request(context.address, link::kSetDate, link::DateData(t.year, t.month, t.day));
  return true;
}

}  // namespace korvane::logger
