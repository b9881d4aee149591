#include "logger/DeviceClock.h"

#include "link/FlowLog.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

constexpr types::TextPair kNoDeviceTime{"Die Uhr des Geräts kann %04d-%02d-%02d %02d:%02d:%02d nicht annehmen (Jahre 2000 bis 2255).",
                                        "The device's clock cannot take %04d-%02d-%02d %02d:%02d:%02d (years 2000 to 2255)."};

}  // namespace

bool IsDeviceTime(const platform::LocalTime& t) {
  if (t.year < 2000 || t.year > 2255 || t.month < 1 || t.month > 12 || t.day < 1) return false;
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
  return t.day <= days && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

bool SetDeviceClock(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                    const platform::LocalTime& t) {
  if (!IsDeviceTime(t)) {
    ui.Message(platform::StringPrintf(kNoDeviceTime(context.language), t.year, t.month, t.day, t.hour, t.minute,
                                      t.second));
    return false;
  }
  const link::LineLease line = link.TakeLine();
  if (!line) return false;
  if (!link.OpenPort(context.language)) {
    ui.Message(link.openMessage());
    return false;
  }
  if (!link.Request(context.address, link::kSetTime, link::TimeData(t.hour, t.minute, t.second))) {
    ui.Message(link.commErrorMessage(context.language));
    return false;
  }
  const bool dated = link.Request(context.address, link::kSetDate, link::DateData(t.year, t.month, t.day));
  const bool display = context.address == link::kDisplayAddress;
  link::FlowRecord r;
  r.kind = "clock-set";
  r.identify = !display;
  r.details["source"] = display ? "display" : "module";
  r.details["set"] = QString::fromStdString(
      platform::StringPrintf("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second));
  r.details["acknowledged"] = dated;  // the time was; the date may not have been
  link::RecordFlow(link, context, std::move(r));
  return true;
}

}  // namespace korvane::logger
