#include "logger/DeviceClock.h"

#include <chrono>

#include "link/FlowLog.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

constexpr types::Text kNoDeviceTime{
    "logger",
    QT_TRANSLATE_NOOP("logger", "Die Uhr des Geräts kann %1-%2-%3 %4:%5:%6 nicht annehmen (Jahre 2000 bis 2255).")};
constexpr types::Text kBehind{"logger", QT_TRANSLATE_NOOP("logger", "%1 hinter der PC-Uhr")};
constexpr types::Text kAhead{"logger", QT_TRANSLATE_NOOP("logger", "%1 vor der PC-Uhr")};
constexpr types::Text kSame{"logger", QT_TRANSLATE_NOOP("logger", "wie die PC-Uhr")};

std::string TimeText(const platform::LocalTime& t) {
  return platform::StringPrintf("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// "62 s", "3 min 5 s", "2 h 4 min", "3 d 2 h".
std::string SpanText(std::int64_t s) {
  using platform::StringPrintf;
  const auto n = [](std::int64_t v) { return static_cast<long long>(v); };
  if (s < 60) return StringPrintf("%lld s", n(s));
  if (s < 3600) return StringPrintf("%lld min %lld s", n(s / 60), n(s % 60));
  if (s < 86400) return StringPrintf("%lld h %lld min", n(s / 3600), n(s / 60 % 60));
  return StringPrintf("%lld d %lld h", n(s / 86400), n(s / 3600 % 24));
}

}  // namespace

bool IsDeviceTime(const platform::LocalTime& t) {
  if (t.year < 2000 || t.year > 2255 || t.month < 1 || t.month > 12 || t.day < 1) return false;
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
  return t.day <= days && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
         t.second <= 59;
}

std::int64_t CivilSeconds(const platform::LocalTime& t) {
  using namespace std::chrono;
  const auto days = sys_days{year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)}}
                        .time_since_epoch()
                        .count();
  return static_cast<std::int64_t>(days) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

platform::LocalTime CivilTime(std::int64_t seconds) {
  using namespace std::chrono;
  std::int64_t d = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --d;
  }
  const year_month_day ymd{sys_days{days{d}}};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(rest / 3600),
          static_cast<int>(rest / 60 % 60),
          static_cast<int>(rest % 60)};
}

std::string ClockDifferenceText(std::int64_t deviceMinusPc, Language language) {
  if (deviceMinusPc == 0) return Tr(language, kSame);
  const std::string span = SpanText(deviceMinusPc < 0 ? -deviceMinusPc : deviceMinusPc);
  return platform::Fill(Tr(language, deviceMinusPc < 0 ? kBehind : kAhead), span);
}

std::optional<platform::LocalTime> ReadDeviceClock(link::Link& link, const link::FlowContext& context) {
  const link::LineLease line = link.TakeLine();
  if (!line || !link.OpenPort(context.language)) return std::nullopt;
  // Time first, then date: a read across midnight is off by a day at worst, as the
  // device's own display would be.
  if (!link.Request(context.address, link::kModuleTime)) return std::nullopt;
  const link::Data4 time = link::FrameData(link.lastReply());
  if (!link.Request(context.address, link::kModuleDate)) return std::nullopt;
  const link::Data4 date = link::FrameData(link.lastReply());
  const platform::LocalTime t{2000 + date[2], date[1], date[0], time[0], time[1], time[2]};
  if (!IsDeviceTime(t)) return std::nullopt;
  return t;
}

bool SetDeviceClock(link::Link& link, platform::Ui& ui, const link::FlowContext& context, const platform::LocalTime& t,
                    const std::optional<platform::LocalTime>& before) {
  if (!IsDeviceTime(t)) {
    ui.Message(platform::Fill(Tr(context.language, kNoDeviceTime), platform::StringPrintf("%04d", t.year),
                              platform::StringPrintf("%02d", t.month), platform::StringPrintf("%02d", t.day),
                              platform::StringPrintf("%02d", t.hour), platform::StringPrintf("%02d", t.minute),
                              platform::StringPrintf("%02d", t.second)));
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
  r.details["set"] = QString::fromStdString(TimeText(t));
  // What the setting changed: the device's own time at that moment, and by how much.
  if (before) {
    r.details["before"] = QString::fromStdString(TimeText(*before));
    r.details["difference_s"] = static_cast<double>(CivilSeconds(*before) - CivilSeconds(t));
  }
  r.details["acknowledged"] = dated;  // the time was; the date may not have been
  link::RecordFlow(link, context, std::move(r));
  return true;
}

}  // namespace korvane::logger
