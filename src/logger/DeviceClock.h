#pragma once
// Setting a device's clock: the time frame, then the date frame (year byte, day, month).
#include "platform/Clock.h"

namespace korvane::link {
class Link;
struct FlowContext;
}  // namespace korvane::link
namespace korvane::platform {
class Ui;
}

namespace korvane::logger {

// Sends the time and, when the device acknowledged it, the date to the context's
// address. A missing reply to the time is shown as the communication error and the
// date is not sent; one to the date is not reported. True when the time was taken.
bool SetDeviceClock(link::Link& link, platform::Ui& ui, const link::FlowContext& context, const platform::LocalTime& t);

}  // namespace korvane::logger
