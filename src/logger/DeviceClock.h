#pragma once
// A device's clock: reading it, comparing it with the PC's, and setting it (the time
// frame, then the date frame: year byte, day, month).
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Clock.h"
#include "platform/Language.h"

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

// Seconds of a civil date and time counted from 1970-01-01 00:00:00 (no time zone: two
// of them give the seconds between them), and back.
std::int64_t CivilSeconds(const platform::LocalTime& t);
platform::LocalTime CivilTime(std::int64_t seconds);

// How far the device's clock is from the PC's (device minus PC, in seconds): "62 s
// hinter der PC-Uhr", "3 min 5 s vor der PC-Uhr", "wie die PC-Uhr", in the language.
std::string ClockDifferenceText(std::int64_t deviceMinusPc, Language language);

// The clock of the device at the context's address (its time and date replies), nothing
// when it does not answer them or answers with no real time. Nothing is shown to the user.
std::optional<platform::LocalTime> ReadDeviceClock(link::Link& link, const link::FlowContext& context);

// Sends the time and, when the device acknowledged it, the date to the context's
// address. A missing reply to the time is shown as the communication error and the
// date is not sent; one to the date is not reported. A time the device cannot hold
// (IsDeviceTime) is refused with a message and nothing is sent. True when the time was
// taken. The history records the time set and, when known, the device's time it replaced.
bool SetDeviceClock(link::Link& link, platform::Ui& ui, const link::FlowContext& context, const platform::LocalTime& t,
                    const std::optional<platform::LocalTime>& before = std::nullopt);

}  // namespace korvane::logger
