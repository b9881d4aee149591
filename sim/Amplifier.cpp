#include "Amplifier.h"

#include "SimClock.h"
#include "link/Protocol.h"

#include <bitset>
#include <chrono>
#include <cmath>
#include <random>

namespace korvane::sim {

// What a freshly installed sensor of the type shows, per channel 1..5 and the
// temperature, and how far each value wanders. Amplifier::State holds
// one, so it cannot live in the anonymous namespace.
struct Live {
  float base[6];
  float swing[6];
};

namespace {

using link::BuildFrame;
using link::ByteData;
using link::FloatData;
using link::U16Data;

constexpr double kPi = 3.14159265358979323846;

// Parameters an amplifier keeps: it answers reads and acknowledges writes of these.
std::bitset<256> AmplifierParameters() {
  std::bitset<256> b;
  for (int p : {0, 1, 26, 28, 29, 30, 31, 38, 47, 48, 51, 52, 63, 64, 67, 68, 72, 73, 76, 77, 81, 83, 129}) b.set(p);
  for (int p = 6; p <= 14; ++p) b.set(p);
  for (int p = 18; p <= 25; ++p) b.set(p);
  for (int p = 32; p <= 42; ++p) b.set(p);
  for (int p = 55; p <= 58; ++p) b.set(p);
  return b;
}

Live LiveFor(int typeIndex) {
  switch (typeIndex) {
    case 0: return {{7.02f, -12.0f, 0, 0, 0, 21.4f}, {0.04f, 2.5f, 0, 0, 0, 0.3f}};
    case 1: return {{245.0f, 452.0f, 0, 0, 0, 21.4f}, {3.0f, 3.0f, 0, 0, 0, 0.3f}};
    case 2: return {{84.6f, 11.8f, 0.0f, 0, 0, 21.4f}, {0.8f, 0.1f, 0.0f, 0, 0, 0.3f}};
    case 3: return {{845.0f, 1.18f, 0.4f, 0, 0, 21.4f}, {6.0f, 0.01f, 0.02f, 0, 0, 0.3f}};
    case 4: return {{8.45f, 118.3f, 4.7f, 0, 0, 21.4f}, {0.06f, 0.8f, 0.05f, 0, 0, 0.3f}};
    case 5: return {{52.3f, 19.1f, 34.5f, 0, 0, 21.4f}, {0.4f, 0.15f, 0.3f, 0, 0, 0.3f}};
    case 6: return {{1.8f, 145.0f, 0, 0, 0, 21.4f}, {0.1f, 4.0f, 0, 0, 0, 0.3f}};
    case 7: return {{98.5f, 8.92f, 59.0f, 207.0f, 1013.0f, 21.4f}, {0.6f, 0.05f, 0.5f, 1.2f, 0.8f, 0.3f}};
    case 8: return {{12.34f, 0, 0, 0, 0, 21.4f}, {0.1f, 0, 0, 0, 0, 0.3f}};
    case 9: return {{87.0f, 1.25f, 0, 0, 0, 21.4f}, {1.0f, 0.03f, 0, 0, 0, 0.3f}};
    case 10: return {{0.45f, 7.6f, 0, 0, 0, 21.4f}, {0.02f, 0.1f, 0, 0, 0, 0.3f}};
    case 18: return {{0.45f, 7.2f, 45.0f, 0, 0, 21.4f}, {0.02f, 0.03f, 1.0f, 0, 0, 0.3f}};
    case 20:
    case 24: return {{84.6f, 11.8f, 0.0f, 0.05f, 0, 21.4f}, {0.8f, 0.1f, 0.0f, 0.0f, 0, 0.3f}};
    case 21:
    case 25: return {{845.0f, 1.18f, 0.4f, 541.0f, 0, 21.4f}, {6.0f, 0.01f, 0.02f, 4.0f, 0, 0.3f}};
    case 22:
    case 26: return {{8.45f, 118.3f, 4.7f, 5.41f, 0, 21.4f}, {0.06f, 0.8f, 0.05f, 0.04f, 0, 0.3f}};
    case 23:
    case 27: return {{52.3f, 19.1f, 34.5f, 33.5f, 0, 21.4f}, {0.4f, 0.15f, 0.3f, 0.3f, 0, 0.3f}};
    case 29: return {{98.5f, 8.92f, 0.0f, 207.0f, 1013.0f, 21.4f}, {0.6f, 0.05f, 0.0f, 1.2f, 0.8f, 0.3f}};
    case 30: return {{5.52f, 181.0f, 0.0f, 0, 0, 21.4f}, {0.05f, 1.5f, 0.0f, 0, 0, 0.3f}};
    default: return {{0, 0, 0, 0, 0, 21.4f}, {0, 0, 0, 0, 0, 0.3f}};
  }
}

// Four-character logger column names of channels 1 and 2.
const char* ChannelName(int t, int channel) {
  switch (t) {
    case 0: return channel == 0 ? "pH  " : "mV  ";
    case 1: return channel == 0 ? "mV  " : "mVH ";
    case 6: return channel == 0 ? "NTU " : "mV  ";
    case 7:
    case 29: return channel == 0 ? "%Sat" : "mg/l";
    case 8: return channel == 0 ? "lin " : "    ";
    case 9: return channel == 0 ? "mV  " : "ppm ";
    case 10:
    case 18: return channel == 0 ? "mg/l" : (t == 10 ? "mA  " : "pH  ");
    default: return channel == 0 ? "LF  " : "Ohm ";
  }
}

bool IsConductivity(int t) { return (t >= 2 && t <= 5) || (t >= 20 && t <= 27) || t == 30; }
bool IsFourElectrode(int t) { return t >= 20 && t <= 27; }

// Upper end of output 0 (channel 1) by type.
float RangeTop(int t) {
  switch (t) {
    case 0: return 14.0f;
    case 1: return 1000.0f;
    case 2:
    case 20:
    case 24: return 200.0f;
    case 3:
    case 21:
    case 25: return 2000.0f;
    case 4:
    case 22:
    case 26: return 20.0f;
    case 5: return 100.0f;
    case 23:
    case 27: return 500.0f;
    case 30: return 20.0f;
    case 6: return 100.0f;
    case 7:
    case 29: return 200.0f;
    case 9: return 500.0f;
    case 10:
    case 18: return 2.0f;
    default: return 100.0f;
  }
}

}  // namespace

struct Amplifier::State {
  std::uint8_t address = 0;
  int kind = static_cast<int>(link::DeviceKind::kAmplifier);
  int baud = link::kSlowBaud;
  std::bitset<256> known;
  std::array<Data4, 256> params{};
  Live live{};
  float phase[6] = {};
  float period[6] = {};
  std::optional<float> pinned[6];
  double time = 0;       // simulated seconds since power-up
  double clockBase = 0;  // module clock at time 0, seconds since 1970
  std::vector<std::uint8_t> commands;
  std::vector<std::uint8_t> system;
  std::vector<std::array<std::uint8_t, 16>> logger;
  std::optional<std::array<std::uint16_t, 2>> rawPinned[3];  // requests 60, 61, 62
  bool dacAdjust = false;
  std::array<std::uint16_t, 4> dacOut{};
  // The settle curve: each channel from `from` towards `target` since `since`.
  double tau = 0;
  double noise = 0;
  std::array<double, 6> target{}, from{}, since{};
  double electrodeZero = 8.0;     // mV at pH 7
  double electrodeSlope = -57.8;  // mV/pH at 25 °C
  std::mt19937 noiseRng{20260309};
};

Amplifier::Amplifier(int wireType, std::uint8_t address, int deviceKind) : s_(std::make_shared<State>()) {
  State& s = *s_;
  s.address = address;
  s.kind = deviceKind;
  // A display module talks at the display unit's rate.
  if (wireType == 20) s.baud = link::kMediumBaud;
  s.known = AmplifierParameters();
  const int t = wireType - 1;
  s.live = LiveFor(t);
  // Deterministic: the same type and address drift the same way every run.
  std::mt19937 rng(static_cast<unsigned>(wireType * 131 + address * 7 + deviceKind));
  std::uniform_real_distribution<float> ph(0.0f, static_cast<float>(2 * kPi));
  std::uniform_real_distribution<float> per(40.0f, 240.0f);
  for (int i = 0; i < 6; ++i) {
    s.phase[i] = ph(rng);
    s.period[i] = per(rng);
  }
  s.clockBase = SecondsFromCivil({2026, 1, 15, 10, 30, 0});

  auto f = [&](link::Parameter p, float v) { s.params[p.number] = FloatData(v); };
  auto b = [&](link::Parameter p, int v) { s.params[p.number] = ByteData(static_cast<std::uint8_t>(v)); };
  auto w = [&](link::Parameter p, int v) { s.params[p.number] = U16Data(static_cast<std::uint16_t>(v)); };
  // The range and output adjustment values by number.
  auto raw = [&](int p, int v) { s.params[p] = U16Data(static_cast<std::uint16_t>(v)); };

  // Electronics adjustment from the factory.
  w(link::kTemperature0Raw, 8192);
  w(link::kTemperature100Raw, 11345);
  for (int p = 6; p <= 13; ++p) raw(p, 32768 + (p - 6) * 97);
  raw(14, 31020);
  for (int p = 18; p <= 25; ++p) raw(p, p % 2 == 0 ? 410 : 2048);
  s.params[link::kIdentity.number] = {'A', '1', '2', '3'};
  b(link::kType, wireType);
  b(link::kDeviceKind, deviceKind);
  b(link::kAddress, address);
  f(link::kFirmware, link::IsKind(deviceKind, link::DeviceKind::kController)  ? 2.05f
                     : link::IsKind(deviceKind, link::DeviceKind::kAmplifier) ? 1.20f
                                                                              : 0.98f);

  // Calibration as delivered.
  if (t == 0) {
    f(link::kCalibration1, -3.5f), f(link::kCalibration2, -59.2f), f(link::kCalibration3, 0.0f),
        f(link::kCalibrationKey1, 3.0f), f(link::kCalibrationKey2, 1.0f), f(link::kCalibration4, 0.0f);
  } else if (t == 1) {
    f(link::kCalibration1, 0.0f);
  } else if (IsConductivity(t)) {
    f(link::kCalibration1, t == 30 ? 0.1f : IsFourElectrode(t) ? 0.5f : 1.0f);
    f(link::kCalibration2, 2.0f), f(link::kCalibration3, 0.0f);
    if (IsFourElectrode(t)) f(link::kCalibrationKey1, 0.64f);
  } else if (t == 6) {
    f(link::kCalibration1, 0.0f), f(link::kCalibration2, 1.0f);
  } else if (t == 7) {
    f(link::kCalibration1, 60.0f), f(link::kCalibration2, 2.9f), f(link::kCalibration3, 2.3f),
        f(link::kCalibration4, 1.0f);
  } else if (t == 29) {
    f(link::kCalibration1, 100.0f), f(link::kCalibration4, 1.0f);
  } else if (t == 8) {
    f(link::kCalibration2, 0.0f), f(link::kCalibration3, 100.0f);
  } else if (t == 9) {
    f(link::kCalibration1, 59.2f), f(link::kCalibration2, 100.0f), f(link::kCalibration3, 1.0f);
  } else if (t == 10) {
    f(link::kCalibration1, 0.5f);
  } else if (t == 18) {
    f(link::kCalibration1, 45.0f), f(link::kCalibration2, 7.2f), f(link::kCalibration3, 0.0f),
        f(link::kCalibration4, 7.5f);
  }

  // Configuration.
  f(link::kTemperatureOffset, 0.0f);
  f(link::kOutput0Lower, t == 1 ? -1000.0f : 0.0f);
  f(link::kOutput0Upper, RangeTop(t));
  f(link::kOutput1Lower, 0.0f);
  f(link::kOutput1Upper, 100.0f);
  b(link::kCurrentRange, 1);  // 4..20 mA
  b(link::kOutputKind, link::IsCurrentSeries(deviceKind) ? 1 : 0);
  b(link::kOutput0Source, 0);
  b(link::kOutput1Source, 5);
  f(link::kRelay1Limit, RangeTop(t) * 0.8f);
  f(link::kRelay1Hysteresis, RangeTop(t) * 0.01f);
  f(link::kRelay2Limit, RangeTop(t) * 0.2f);
  f(link::kRelay2Hysteresis, RangeTop(t) * 0.01f);
  b(link::kRelay1LimitType, 1);
  b(link::kRelay2LimitType, 0);
  b(link::kRelay1Source, 0);
  b(link::kRelay2Source, 0);
  f(link::kFixedTemperature, 25.0f);
  b(link::kFixedTemperatureOn, 0);
  w(link::kLoggerInterval, 10);
  b(link::kLoggerEnabled, link::IsCurrentSeries(deviceKind) ? 1 : 0);
  b(link::kCalibrationHold, 1);
  b(link::kScreenSaverOff, 0);
  b(link::kCalibrationDelay, 10);

  if (link::IsCurrentSeries(deviceKind)) FillLogger(24);
}

void Amplifier::FillLogger(int records) {
  State& s = *s_;
  s.logger.clear();
  const double now = s.clockBase + s.time;
  for (int r = 0; r < records; ++r) {
    const platform::LocalTime t = CivilFromSeconds(now - (records - r) * 600.0);
    std::array<std::uint8_t, 16> rec{};
    rec[0] = static_cast<std::uint8_t>(t.day);
    rec[1] = static_cast<std::uint8_t>(t.month);
    rec[2] = static_cast<std::uint8_t>(t.year - 2000);
    rec[3] = static_cast<std::uint8_t>(t.hour);
    rec[4] = static_cast<std::uint8_t>(t.minute);
    rec[5] = static_cast<std::uint8_t>(t.second);
    // Each value keeps the upper three bytes of its float; the lowest is dropped.
    const float values[3] = {s.live.base[0] + s.live.swing[0] * static_cast<float>(std::sin(r * 0.4)),
                             s.live.base[1] + s.live.swing[1] * static_cast<float>(std::cos(r * 0.3)),
                             s.live.base[5] + s.live.swing[5] * static_cast<float>(std::sin(r * 0.2))};
    for (int v = 0; v < 3; ++v) {
      const Data4 d = FloatData(values[v]);
      for (int k = 0; k < 3; ++k) rec[6 + v * 3 + k] = d[k + 1];
    }
    s.logger.push_back(rec);
  }
}

int Amplifier::loggerCount() const { return static_cast<int>(s_->logger.size()); }

std::vector<Frame> Amplifier::HandleAll(const Frame& request) {
  // The logger readout (group 0, 54): a first frame without data, then two record
  // bytes per frame with the memory pointer in d0 d1.
  if (!link::IsValidFrame(request) || !Answers(link::FrameAddress(request)) ||
      link::FrameGroup(request) != link::kValues || link::FrameParameter(request) != link::kLoggerRecord.number) {
    auto f = Handle(request);
    return f ? std::vector<Frame>{*f} : std::vector<Frame>{};
  }
  std::vector<Frame> out;
  out.push_back(BuildFrame(s_->address, link::kValues, 4, link::kLoggerRecord.number));
  for (std::size_t r = 0; r < s_->logger.size(); ++r) {
    for (int k = 0; k < 8; ++k) {
      const auto p = static_cast<std::uint16_t>(r * 16 + 2 * k);
      out.push_back(BuildFrame(s_->address, link::kValues, 4, link::kLoggerRecord.number,
                               {static_cast<std::uint8_t>(p & 0xFF), static_cast<std::uint8_t>(p >> 8),
                                s_->logger[r][2 * k], s_->logger[r][2 * k + 1]}));
    }
  }
  return out;
}

bool Amplifier::Answers(std::uint8_t address) const { return address == s_->address; }

std::uint8_t Amplifier::address() const { return s_->address; }
int Amplifier::wireType() const { return s_->params[link::kType.number][0]; }
int Amplifier::deviceKind() const { return s_->params[link::kDeviceKind.number][0]; }
int Amplifier::fastBaud() const { return link::StreamRate(deviceKind()); }
int Amplifier::baud() const { return s_->baud; }
void Amplifier::SetBaud(int baud) { s_->baud = baud; }

void Amplifier::Advance(double seconds) {
  if (seconds > 0) s_->time += seconds;
}

void Amplifier::SetMeasured(int channel, float value) {
  if (channel >= 1 && channel <= 6) s_->pinned[channel - 1] = value;
}

void Amplifier::Unpin(int channel) {
  if (channel >= 1 && channel <= 6) s_->pinned[channel - 1].reset();
}

namespace {

// The mV channel a pH type's electrode drives and the pH channel that shows it.
struct PhChannels {
  int mv = 0, ph = 0;
};
PhChannels PhChannelsOf(int typeIndex) {
  if (typeIndex == 0) return {2, 1};
  if (typeIndex == 18) return {4, 2};
  return {};
}

}  // namespace

bool Amplifier::settling() const { return s_->tau > 0; }

void Amplifier::SetSettle(double tau, double noise) {
  State& s = *s_;
  if (tau > 0 && s.tau <= 0) {
    // The curve starts where the waves are now.
    for (int i = 0; i < 6; ++i) {
      s.target[i] = s.from[i] = Measured(i + 1);
      s.since[i] = s.time;
    }
  }
  s.tau = tau > 0 ? tau : 0;
  s.noise = noise > 0 ? noise : 0;
}

void Amplifier::SetTarget(int channel, float value) {
  if (channel < 1 || channel > 6 || !settling()) return;
  State& s = *s_;
  const int i = channel - 1;
  s.from[i] = s.target[i] + (s.from[i] - s.target[i]) * std::exp(-(s.time - s.since[i]) / s.tau);
  s.since[i] = s.time;
  s.target[i] = value;
}

void Amplifier::SetSolution(double value) {
  const PhChannels ph = PhChannelsOf(wireType() - 1);
  if (!ph.mv) return SetTarget(1, static_cast<float>(value));
  // The solution's temperature is the module's: a pinned one, or where it settles.
  const double t = s_->pinned[5] ? static_cast<double>(*s_->pinned[5]) : s_->target[5];
  SetTarget(ph.mv, static_cast<float>(s_->electrodeZero + s_->electrodeSlope * (t + 273.15) / 298.15 * (value - 7.0)));
}

void Amplifier::SetElectrode(double zeroMv, double slopeMv) {
  s_->electrodeZero = zeroMv;
  s_->electrodeSlope = slopeMv;
}

float Amplifier::Measured(int channel) const {
  if (channel < 1 || channel > 6) return 0.0f;
  State& s = *s_;
  const int i = channel - 1;
  if (s.pinned[i]) return *s.pinned[i];
  if (s.tau > 0) {
    const PhChannels ph = PhChannelsOf(wireType() - 1);
    if (channel == ph.ph) {
      // The module shows the pH its stored calibration makes of the electrode's voltage.
      const double zero = ParameterFloat(ph.ph == 1 ? 32 : 34);
      const double slope = ph.ph == 1 ? ParameterFloat(33) : -59.16;
      const double t = Measured(6);
      return static_cast<float>(7.0 + (Measured(ph.mv) - zero) / (slope * (t + 273.15) / 298.15));
    }
    const double settled = s.target[i] + (s.from[i] - s.target[i]) * std::exp(-(s.time - s.since[i]) / s.tau);
    const double spread = s.noise * s.live.swing[i];
    if (spread <= 0) return static_cast<float>(settled);
    std::normal_distribution<double> noise(0.0, spread);
    return static_cast<float>(settled + noise(s.noiseRng));
  }
  // Two slow waves: bounded by the channel's swing, never the same twice in a row.
  const double x = 2 * kPi * s.time / s.period[i] + s.phase[i];
  const double wave = 0.7 * std::sin(x) + 0.3 * std::sin(3.7 * x + 1.3);
  return s.live.base[i] + static_cast<float>(wave) * s.live.swing[i];
}

Data4 Amplifier::Parameter(std::uint8_t p) const { return s_->params[p]; }
void Amplifier::SetParameter(std::uint8_t p, const Data4& d) {
  s_->params[p] = d;
  if (p == link::kAddress.number) s_->address = d[0];
  if (p == link::kType.number) s_->live = LiveFor(d[0] - 1);
}
void Amplifier::SetParameterFloat(std::uint8_t p, float v) { SetParameter(p, FloatData(v)); }
void Amplifier::SetParameterByte(std::uint8_t p, std::uint8_t v) { SetParameter(p, ByteData(v)); }
float Amplifier::ParameterFloat(std::uint8_t p) const { return link::DataFloat(s_->params[p]); }
std::uint8_t Amplifier::ParameterByte(std::uint8_t p) const { return s_->params[p][0]; }

void Amplifier::PinRaw(std::uint8_t request, std::uint16_t first, std::uint16_t second) {
  if (request >= 60 && request <= 62) s_->rawPinned[request - 60] = std::array<std::uint16_t, 2>{first, second};
}
void Amplifier::UnpinRaw() {
  for (auto& r : s_->rawPinned) r.reset();
}
bool Amplifier::dacAdjustMode() const { return s_->dacAdjust; }
std::uint16_t Amplifier::dacOutput(int n) const {
  return n >= 0 && n < 4 ? s_->dacOut[static_cast<std::size_t>(n)] : 0;
}

const std::vector<std::uint8_t>& Amplifier::commands() const { return s_->commands; }
const std::vector<std::uint8_t>& Amplifier::systemCommands() const { return s_->system; }

platform::LocalTime Amplifier::clock() const { return CivilFromSeconds(s_->clockBase + s_->time); }
void Amplifier::SetClock(const platform::LocalTime& t) { s_->clockBase = SecondsFromCivil(t) - s_->time; }

std::optional<Frame> Amplifier::Handle(const Frame& request) {
  if (!link::IsValidFrame(request) || !Answers(link::FrameAddress(request))) return std::nullopt;
  State& s = *s_;
  const Request r{s.address, link::FrameGroup(request), link::FrameLength(request), link::FrameParameter(request),
                  link::FrameData(request)};
  switch (r.group) {
    case link::kValues: return ValueReply(r);
    case link::kSystem: return SystemReply(r);
    case link::kRead:
      if (!s.known.test(r.parameter)) return std::nullopt;
      return BuildFrame(r.from, r.group, r.length, r.parameter, s.params[r.parameter]);
    case link::kWrite: {
      if (!s.known.test(r.parameter) || r.parameter == link::kFirmware.number) return std::nullopt;  // read only
      // Acknowledged from the address the request went to; a new address holds from
      // the next request on.
      Frame ack = BuildFrame(r.from, r.group, r.length, r.parameter, r.data);
      SetParameter(r.parameter, r.data);
      return ack;
    }
    default: return std::nullopt;
  }
}

std::optional<Frame> Amplifier::ValueReply(const Request& r) {
  State& s = *s_;
  const std::uint8_t from = r.from, group = r.group, p = r.parameter;
  const Data4& data = r.data;
  auto echo = [&] { return BuildFrame(from, group, r.length, p, data); };
  auto u8 = [](int v) { return static_cast<std::uint8_t>(v); };
  if (p >= 1 && p <= 6) return BuildFrame(from, group, 4, p, FloatData(Measured(p)));
  switch (p) {
    case link::kStoreSettings.number:
    case link::kTypeWritten.number: s.commands.push_back(p); return echo();
    case link::kDacAdjustOn.number:
    case link::kDacAdjustOff.number:
      s.commands.push_back(p);
      s.dacAdjust = p == link::kDacAdjustOn.number;
      return echo();
    case link::kSetOutputRaw.number:  // d0 d1 the raw value, d2 the output
      if (data[2] < 4) s.dacOut[data[2]] = static_cast<std::uint16_t>(data[0] | data[1] << 8);
      return echo();
    case link::kLoggerFill.number:  // the number of records
      return BuildFrame(from, group, 2, p, U16Data(static_cast<std::uint16_t>(s.logger.size())));
    case link::kChannelName.number: {
      const char* name = data[0] < 2 ? ChannelName(wireType() - 1, data[0]) : "\0\0\0\0";
      return BuildFrame(from, group, 4, p, {u8(name[0]), u8(name[1]), u8(name[2]), u8(name[3])});
    }
    case link::kNextEntryTime.number: {
      const platform::LocalTime now = clock();
      const int next = (now.hour * 60 + now.minute) / 10 * 10 + 10;
      return BuildFrame(from, group, 4, p, {u8(next / 60 % 24), u8(next % 60), 0, 0});
    }
    case link::kModuleDate.number: {
      const platform::LocalTime now = clock();
      return BuildFrame(from, group, 3, p, {u8(now.day), u8(now.month), u8(now.year - 2000), 0});
    }
    case link::kModuleTime.number: {
      const platform::LocalTime now = clock();
      return BuildFrame(from, group, 3, p, {u8(now.hour), u8(now.minute), u8(now.second), 0});
    }
    case 60:
    case 61:
    case 62: {
      // Converter counts near the stored adjustment, drifting a few counts.
      std::array<std::uint16_t, 2> v{};
      if (const auto& pinned = s.rawPinned[p - 60]) {
        v = *pinned;
      } else if (p == 61) {  // the temperature input at its two reference resistors
        v = {static_cast<std::uint16_t>(8200 + 20 * std::sin(s.time / 5.0)),
             static_cast<std::uint16_t>(11340 + 20 * std::cos(s.time / 5.0))};
      } else {
        v[0] = static_cast<std::uint16_t>((p == 60 ? 32800 : 31020) + 30 * std::sin(s.time / 7.0 + p));
      }
      return BuildFrame(from, group, 2, p, {u8(v[0] & 0xFF), u8(v[0] >> 8), u8(v[1] & 0xFF), u8(v[1] >> 8)});
    }
    default: return std::nullopt;
  }
}

std::optional<Frame> Amplifier::SystemReply(const Request& r) {
  State& s = *s_;
  const std::uint8_t from = r.from, group = r.group, p = r.parameter;
  const Data4& data = r.data;
  auto echo = [&] { return BuildFrame(from, group, r.length, p, data); };
  switch (p) {
    case link::kLoggerClear.number:
      s.system.push_back(p);
      s.logger.clear();
      return echo();
    case link::kCommand72.number: s.system.push_back(p); return echo();
    case link::kSetDate.number: {  // year - 2000, day, month
      s.system.push_back(p);
      platform::LocalTime t = clock();
      t.year = 2000 + data[0];
      t.day = data[1];
      t.month = data[2];
      if (t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31) SetClock(t);
      return echo();
    }
    case link::kSetTime.number: {
      s.system.push_back(p);
      platform::LocalTime t = clock();
      t.hour = data[0];
      t.minute = data[1];
      t.second = data[2];
      if (t.hour < 24 && t.minute < 60 && t.second < 60) SetClock(t);
      return echo();
    }
    case link::kBaudChange.number: {
      // The acknowledgement still goes out at the old rate; the switch follows.
      s.system.push_back(p);
      Frame ack = echo();
      s.baud = data[0] == 1 ? fastBaud() : link::kSlowBaud;
      return ack;
    }
    default: return std::nullopt;
  }
}

}  // namespace korvane::sim
