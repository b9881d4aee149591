#include "station/modbus/RegisterMap.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "types/Cp1252.h"

namespace korvane::station {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

void PutU32(std::uint16_t* r, std::uint32_t v) {
  r[0] = static_cast<std::uint16_t>(v >> 16);
  r[1] = static_cast<std::uint16_t>(v & 0xFFFF);
}

void PutFloat(std::uint16_t* r, float v, FloatOrder order) {
  const auto bits = std::bit_cast<std::uint32_t>(v);
  PutU32(r, order == FloatOrder::kAbcd ? bits : (bits << 16) | (bits >> 16));
}

std::uint32_t Clamped(long long v) {
  return static_cast<std::uint32_t>(std::clamp<long long>(v, 0, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

ModuleImage::ModuleImage() : firmware(kNaN) {
  values.fill(kNaN);
  calibration.fill(kNaN);
}

ModuleImage ImageOf(const bus::BusSample& sample, std::optional<std::chrono::system_clock::time_point> lastLive) {
  ModuleImage m;
  const bool live = sample.state == bus::ModuleState::kLive;
  m.state = StatusOf(sample);
  m.type = sample.type;
  // The number as the field shows it: "7.02" reads as 7.02f, not as the float the module sent.
  for (std::size_t c = 0; c < m.values.size(); ++c) {
    const auto shown = bus::ShownNumber(sample.channels[c]);
    m.values[c] = shown ? static_cast<float>(*shown) : kNaN;
  }
  const std::string identity = types::ToWindows1252(sample.identity);
  for (std::size_t i = 0; i < m.identity.size() && i < identity.size(); ++i)
    m.identity[i] = static_cast<std::uint8_t>(identity[i]);
  m.firmware = sample.firmwareVersion;
  m.calibration = sample.calibrationValues;
  m.lastLive = live ? std::optional(sample.time) : lastLive;
  return m;
}

ModuleImage LineLostImage(ModuleImage image) {
  if (image.state == ModuleStatus::kNeverSeen) return image;
  image.state = ModuleStatus::kLineLost;
  image.values.fill(kNaN);
  return image;
}

ModuleBlock EncodeModuleBlock(const ModuleImage& m, std::chrono::system_clock::time_point now, FloatOrder order) {
  ModuleBlock r{};
  for (std::size_t c = 0; c < m.values.size(); ++c) PutFloat(&r[2 * c], m.values[c], order);
  r[12] = static_cast<std::uint16_t>(m.state);
  r[13] = static_cast<std::uint16_t>(m.type);
  PutU32(&r[14], m.lastLive
                     ? std::min<std::uint32_t>(
                           Clamped(std::chrono::floor<std::chrono::seconds>(now - *m.lastLive).count()), 0xFFFFFFFE)
                     : 0xFFFFFFFF);
  r[16] = static_cast<std::uint16_t>(m.identity[0] << 8 | m.identity[1]);
  r[17] = static_cast<std::uint16_t>(m.identity[2] << 8 | m.identity[3]);
  PutFloat(&r[18], m.firmware, order);
  for (std::size_t i = 0; i < m.calibration.size(); ++i) PutFloat(&r[20 + 2 * i], m.calibration[i], order);
  r[28] = m.inService ? 1 : 0;
  return r;
}

StationBlock EncodeStationBlock(const StationImage& s, std::chrono::seconds sinceStart) {
  StationBlock r{};
  r[0] = !s.lineUp ? 2 : s.serviceHeld ? 3 : 1;
  r[1] = static_cast<std::uint16_t>(s.modules);
  PutU32(&r[2], Clamped(static_cast<long long>(std::min<std::uint64_t>(s.pending, 0xFFFFFFFF))));
  PutU32(&r[4], Clamped(sinceStart.count()));
  return r;
}

int RequestException(int unit, int function, int start, int count, int ownUnit) {
  if (unit != ownUnit) return 0x0B;
  if (function != 0x03 && function != 0x04) return 0x01;
  if (count < 1 || count > kMaxReadRegisters) return 0x03;
  if (start < 0 || start + count > kMapRegisters) return 0x02;
  return 0;
}

}  // namespace korvane::station
