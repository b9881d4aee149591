#pragma once
// The station's Modbus register map. Zero-based addresses; the input registers (04) and
// the holding registers (03) hold the same read-only values.
//   100 × module address (0..31):
//     +0..+11   the six values, float32 each (NaN where the field shows no number)
//     +12       state (ModuleStatus): 0 never seen, 1 live, 2 missing, 3 line lost
//     +13       the measurement type on the wire (0 while not known)
//     +14..+15  seconds since the last live sample (uint32, high word first; 0xFFFFFFFF
//               while the module has never answered)
//     +16..+17  identity: four characters, two per register, the first in the high byte
//     +18..+19  firmware (float32)
//     +20..+27  calibration values 1..4 (float32)
//     +28       service: 1 while a service client works with the module (or holds the
//               line alone), else 0
//     +29..+99  0
//   3200: +0 line (1 up, 2 lost, 3 held alone by a service client: polling paused), +1 modules polled, +2..+3 samples
//   waiting in the queue
//         (uint32), +4..+5 seconds since the start (uint32)
// Pure functions; the server reads a RegisterStore with them.
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "bus/BusSample.h"
#include "station/config/StationSettings.h"
#include "station/messages/ModuleStatus.h"

namespace korvane::station {

inline constexpr int kBlockRegisters = 100;
inline constexpr int kModuleBlocks = 32;
inline constexpr int kStationBlock = 3200;
inline constexpr int kStationRegisters = 6;
inline constexpr int kMapRegisters = kStationBlock + kStationRegisters;
inline constexpr int kMaxReadRegisters = 125;

// What one module's block shows: its last sample in numbers.
struct ModuleImage {
  ModuleStatus state = ModuleStatus::kNeverSeen;
  int type = 0;
  std::array<float, 6> values;
  std::array<std::uint8_t, 4> identity{};
  float firmware;
  std::array<float, 4> calibration;
  std::optional<std::chrono::system_clock::time_point> lastLive;
  bool inService = false;

  ModuleImage();
};

// The image after a sample; lastLive: that of the image before (a missing module keeps it).
ModuleImage ImageOf(const bus::BusSample& sample, std::optional<std::chrono::system_clock::time_point> lastLive);
// The image of a module seen before while the line is lost: state "line lost", values
// NaN (not known now); what names the module and its last live time stay.
ModuleImage LineLostImage(ModuleImage image);

struct StationImage {
  bool lineUp = false;
  int modules = 0;
  std::uint64_t pending = 0;
  bool serviceHeld = false;  // a service client holds the line alone
};

using ModuleBlock = std::array<std::uint16_t, kBlockRegisters>;
using StationBlock = std::array<std::uint16_t, kStationRegisters>;

ModuleBlock EncodeModuleBlock(const ModuleImage& module, std::chrono::system_clock::time_point now, FloatOrder order);
StationBlock EncodeStationBlock(const StationImage& station, std::chrono::seconds sinceStart);

// The exception a request gets before any register is read, 0 when it is answered:
// 0x0B for another unit id, 0x01 for every function but 03 and 04 (the map is read-only),
// 0x03 for none or more than 125 registers, 0x02 for a range beyond the end of the map.
int RequestException(int unit, int function, int start, int count, int ownUnit);

}  // namespace korvane::station
