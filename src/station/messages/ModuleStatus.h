#pragma once
// What the station tells its consumers about a module, in the state of its MQTT
// messages and in its Modbus block. A consumer's configuration depends on the numbers
// and words, so each keeps what it was given; a new state gets a new one.
#include <cstdint>

#include "bus/BusSample.h"

namespace korvane::station {

enum class ModuleStatus : std::uint16_t {
  kNeverSeen = 0,  // no sample for the address yet (the Modbus block only)
  kLive = 1,       // "live": the module answered in its last cycle
  kMissing = 2,    // "missing": it did not answer
  kLineLost = 3,   // "line_lost": the line to the modules is away, so its values are not known
  kService = 4,    // "service": a service client works with it (its values are still polled), or holds the line
};

// The word of the state in a sample's JSON; "" for kNeverSeen, which is never sent.
const char* StatusWord(ModuleStatus status);

inline ModuleStatus StatusOf(const bus::BusSample& sample) {
  return sample.state == bus::ModuleState::kLive ? ModuleStatus::kLive : ModuleStatus::kMissing;
}

}  // namespace korvane::station
