#include "DisplayUnit.h"

#include <cmath>
#include <string>

#include "SimClock.h"
#include "link/Protocol.h"
#include "platform/NumberText.h"

namespace korvane::sim {

DisplayUnit::DisplayUnit(int baud) : baud_(baud) {
  using namespace link;
  for (link::Parameter p : {kType, kFirmware, kOutput0Lower, kOutput0Upper, kOutput1Lower, kOutput1Upper, kCurrentRange,
                            kOutputKind, kOutput0Source, kOutput1Source, kRelay1Limit, kRelay1Hysteresis, kRelay2Limit,
                            kRelay2Hysteresis, kRelay1LimitType, kRelay2LimitType, kRelay1Source, kRelay2Source})
    known_.set(p.number);
  for (int p = 76; p <= 80; ++p) known_.set(p);
  for (int p = 130; p <= 164; ++p) known_.set(p);
  params_[kType.number] = ByteData(20);  // the unit reports the display type
  params_[kFirmware.number] = FloatData(3.10f);
  params_[kDisplayContrast.number] = ByteData(kContrastOffset + 12);
  // Positions 1..3 show measured values 1, 2 and the temperature of the module at
  // address 1, position 4 virtual 1; the rest are off.
  const std::uint8_t positions[8][3] = {{1, 0, 1}, {1, 1, 1}, {1, 5, 1}, {0, 6, 2},
                                        {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
  for (int i = 0; i < 8; ++i)
    for (int k = 0; k < 3; ++k) params_[kDisplayPositions + 3 * i + k] = ByteData(positions[i][k]);
  // Virtual 1: value 1 of module 1 minus value 1 of module 2; virtual 2: free chlorine.
  const std::uint8_t virtuals[2][5] = {{1, 0, 2, 0, 2}, {1, 0, 1, 1, 3}};
  for (int j = 0; j < 2; ++j)
    for (int k = 0; k < 5; ++k) params_[kDisplayVirtuals + 5 * j + k] = ByteData(virtuals[j][k]);
  params_[kOutput0Lower.number] = FloatData(0.0f);
  params_[kOutput0Upper.number] = FloatData(14.0f);
  params_[kOutput1Lower.number] = FloatData(-500.0f);
  params_[kOutput1Upper.number] = FloatData(500.0f);
  params_[kCurrentRange.number] = ByteData(1);
  params_[kOutputKind.number] = ByteData(1);
  params_[kRelay1Limit.number] = FloatData(7.5f);
  params_[kRelay1Hysteresis.number] = FloatData(0.25f);
  params_[kRelay2Limit.number] = FloatData(30.0f);
  params_[kRelay2Hysteresis.number] = FloatData(1.0f);
  params_[kRelay1LimitType.number] = ByteData(1);
  params_[kRelay2LimitType.number] = ByteData(0);
  params_[kOutput0Source.number] = ByteData(0);
  params_[kOutput1Source.number] = ByteData(1);
  params_[kRelay1Source.number] = ByteData(0);
  params_[kRelay2Source.number] = ByteData(2);
  params_[kLoggerInterval.number] = U16Data(15);
  params_[kLoggerEnabled.number] = ByteData(1);
  params_[kSerialSeconds.number] = ByteData(30);  // 90 s
  params_[kSerialMinutes.number] = ByteData(1);
  params_[kSerialOutputOn.number] = ByteData(0);
  clockBase_ = SecondsFromCivil({2026, 1, 15, 10, 30, 0});
  FillLogger(12);
}

platform::LocalTime DisplayUnit::clock() const { return CivilFromSeconds(clockBase_ + time_); }
void DisplayUnit::SetClock(const platform::LocalTime& t) { clockBase_ = SecondsFromCivil(t) - time_; }

void DisplayUnit::FillLogger(int records) {
  logger_.clear();
  const double now = clockBase_ + time_;
  for (int r = 0; r < records; ++r) {
    const platform::LocalTime t = CivilFromSeconds(now - (records - r) * 900.0);
    std::array<std::uint8_t, 26> rec{};
    rec[0] = static_cast<std::uint8_t>(t.day);
    rec[1] = static_cast<std::uint8_t>(t.month);
    rec[2] = static_cast<std::uint8_t>(t.year - 2000);
    rec[3] = static_cast<std::uint8_t>(t.hour);
    rec[4] = static_cast<std::uint8_t>(t.minute);
    // What the display showed: a field of 5 and six of 4 characters, one of 6, each
    // followed by a separator the readout replaces by TAB.
    const std::string fields[8] = {platform::StringPrintf("%5.2f", 7.0 + 0.05 * std::sin(r)),
                                   platform::StringPrintf("%4.1f", 21.4 + 0.2 * std::cos(r)),
                                   platform::StringPrintf("%4.0f", 245.0 + r),
                                   "  - ",
                                   "  - ",
                                   "  - ",
                                   "  - ",
                                   platform::StringPrintf("%6.1f", 1013.0 - 0.1 * r)};
    std::string shown;
    for (const std::string& f : fields) shown += (shown.empty() ? "" : " ") + f;
    shown.resize(42, ' ');
    for (int i = 0; i < 42; ++i) {
      const char c = shown[static_cast<std::size_t>(i)];
      const std::uint8_t nib = c >= '0' && c <= '9'   ? c - '0'
                               : c == '<'             ? 10
                               : c == '>'             ? 11
                               : c == '.' || c == ',' ? 12
                               : c == '-'             ? 13
                                                      : 15;
      rec[5 + i / 2] |= static_cast<std::uint8_t>(i % 2 == 0 ? nib << 4 : nib);
    }
    logger_.push_back(rec);
  }
}

std::vector<Frame> DisplayUnit::HandleAll(const Frame& request) {
  if (!link::IsValidFrame(request) || !Answers(link::FrameAddress(request)) ||
      link::FrameGroup(request) != link::kValues || link::FrameParameter(request) != 0x36) {
    auto f = Handle(request);
    return f ? std::vector<Frame>{*f} : std::vector<Frame>{};
  }
  // Readout: a first frame without data, then two record bytes per frame.
  std::vector<Frame> out;
  out.push_back(link::BuildFrame(link::kDisplayAddress, 0, 4, 0x36));
  std::uint16_t pointer = 0;
  for (const auto& rec : logger_) {
    for (int k = 0; k < 26; k += 2, pointer += 2)
      out.push_back(
          link::BuildFrame(link::kDisplayAddress, 0, 4, 0x36,
                           {static_cast<std::uint8_t>(pointer & 0xFF), static_cast<std::uint8_t>(pointer >> 8),
                            rec[static_cast<std::size_t>(k)], rec[static_cast<std::size_t>(k + 1)]}));
  }
  return out;
}

std::optional<Frame> DisplayUnit::Handle(const Frame& request) {
  if (!link::IsValidFrame(request) || !Answers(link::FrameAddress(request))) return std::nullopt;
  const std::uint8_t group = link::FrameGroup(request);
  const std::uint8_t length = link::FrameLength(request);
  const std::uint8_t p = link::FrameParameter(request);
  const Data4 data = link::FrameData(request);
  const Frame echo = link::BuildFrame(link::kDisplayAddress, group, length, p, data);
  switch (group) {
    case link::kValues: {
      auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
      const platform::LocalTime now = clock();
      switch (p) {
        case link::kStoreByte.number: stored_.push_back(data[0]); return echo;
        case link::kStoreSettings.number:  // what was written so far survives a restart
          stored_.push_back(data[0]);
          storedParams_ = params_;
          return echo;
        case link::kChannelName.number: {  // channels 0..7
          static const char* const kNames[8] = {"pH  ",
                                                "\260C  ",  // the degree sign in Windows-1252
                                                "mV  ",    "\0\0\0\0", "\0\0\0\0", "\0\0\0\0", "\0\0\0\0", "hPa "};
          const char* n = data[0] < 8 ? kNames[data[0]] : "\0\0\0\0";
          return link::BuildFrame(link::kDisplayAddress, 0, 4, p, {u8(n[0]), u8(n[1]), u8(n[2]), u8(n[3])});
        }
        case link::kLoggerFill.number:  // in bytes
          return link::BuildFrame(link::kDisplayAddress, 0, 2, p,
                                  link::U16Data(static_cast<std::uint16_t>(logger_.size() * 26)));
        case link::kNextEntryTime.number: {
          const int interval = std::max(1, static_cast<int>(link::DataU16(params_[link::kLoggerInterval.number])));
          const int next = (now.hour * 60 + now.minute) / interval * interval + interval;
          return link::BuildFrame(link::kDisplayAddress, 0, 4, p, {u8(next / 60 % 24), u8(next % 60), 0, 0});
        }
        case link::kModuleDate.number:
          return link::BuildFrame(link::kDisplayAddress, 0, 3, p, {u8(now.day), u8(now.month), u8(now.year - 2000), 0});
        case link::kModuleTime.number:
          return link::BuildFrame(link::kDisplayAddress, 0, 3, p, {u8(now.hour), u8(now.minute), u8(now.second), 0});
        default: return std::nullopt;
      }
    }
    case link::kSystem: {
      platform::LocalTime t = clock();
      switch (p) {
        case link::kLoggerClear.number: logger_.clear(); return echo;
        case link::kSetDate.number:
          t.year = 2000 + data[0], t.day = data[1], t.month = data[2];
          if (t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31) SetClock(t);
          return echo;
        case link::kSetTime.number:
          t.hour = data[0], t.minute = data[1], t.second = data[2];
          if (t.hour < 24 && t.minute < 60 && t.second < 60) SetClock(t);
          return echo;
        case link::kCommand72.number: return echo;
        default: return std::nullopt;
      }
    }
    case link::kRead:
      if (!known_.test(p)) return std::nullopt;
      return link::BuildFrame(link::kDisplayAddress, group, length, p, params_[p]);
    case link::kWrite:
      if (!known_.test(p) || p == link::kFirmware.number) return std::nullopt;  // read only
      params_[p] = data;
      return echo;
    default: return std::nullopt;
  }
}

}  // namespace korvane::sim
