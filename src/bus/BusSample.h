#pragma once
// One module's result of one bus poll cycle: what the bus view shows in its row, what
// the bus recording writes and what the station publishes. Pure data; texts are UTF-8.
#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace korvane::bus {

// One of the six fields of the main window (measured values 1..5, the temperature).
struct ChannelSample {
  std::string name;             // the field's label from the catalogue ("pH", "Temp.")
  std::string unit;             // "" where the field has none
  std::string text;             // the field's text as the main window shows it
  std::optional<double> value;  // the value the module sent (ShownNumber: as the field shows it)
};

enum class ModuleState { kLive, kMissing };

struct BusSample {
  std::chrono::system_clock::time_point time;  // when the module's chain ended (or was given up)
  std::uint8_t address = 0;
  int type = 0;                           // measurement type on the wire (parameter 28), 0 = not known
  std::string typeName;                   // from the catalogue, in the engine's language
  std::string identity;                   // parameter 30 ("" when the module does not tell)
  std::string firmware;                   // "" when not read
  int deviceKind = -1;                    // parameter 29, -1 when the module does not tell
  std::array<ChannelSample, 6> channels;  // empty texts and no values when missing
  std::string calibration;                // the calibration status line
  // The numbers behind the firmware text and the calibration status line, as the module
  // sent them; NaN where they were not read.
  float firmwareVersion = std::numeric_limits<float>::quiet_NaN();
  std::array<float, 4> calibrationValues{
      std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN(),
      std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::quiet_NaN()};
  ModuleState state = ModuleState::kLive;
  // The wire type the module had before this cycle noticed another one at its address
  // (a module replaced); 0 when it did not change.
  int previousType = 0;
  // Live: the time of the sample; missing: since when the module has not answered.
  std::chrono::system_clock::time_point since;
};

// The catalogue index a sample's texts are made with: a module that has not told its
// type is labelled as type index 1, as the main window does before its first read.
inline int CatalogueIndex(int wireType) { return wireType > 0 ? wireType - 1 : 1; }

}  // namespace korvane::bus

namespace korvane::bus {

// The number a field shows, at the field's decimals, as a reader takes it off the
// window; none for a field without a name, ">>>>" or a value that is not a number.
std::optional<double> ShownNumber(const ChannelSample& channel);

}  // namespace korvane::bus
