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

// True for a real date and time in the years the device's year byte holds (2000 to
// 2255): no 31 February, no 24:00:00.
bool IsDeviceTime(const platform::LocalTime& t);

// Sends the time and, when the device acknowledged it, the date to the context's
// address. A missing reply to the time is shown as the communication error and the
// date is not sent; one to the date is not reported. A time the device cannot hold
// (IsDeviceTime) is refused with a message and nothing is sent. True when the time was
// taken.
bool SetDeviceClock(link::Link& link, platform::Ui& ui, const link::FlowContext& context, const platform::LocalTime& t);

}  // namespace korvane::logger
