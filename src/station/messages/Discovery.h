#pragma once
// Home Assistant discovery: one retained config per named value of a module, so its
// values appear as sensors of one device without any set-up.
#include <string>
#include <vector>

#include "bus/BusSample.h"

namespace korvane::station {

struct DiscoveryMessage {
  std::string topic;    // homeassistant/sensor/<id>/config
  std::string payload;  // JSON
};

// The configs for the module of a live sample: its fields with a name, each reading its
// value from <prefix>/<address>/state, available while <prefix>/status is "online" and
// the module is live; the device named by its address, type, identity and firmware.
std::vector<DiscoveryMessage> DiscoveryMessages(const bus::BusSample& sample, const std::string& prefix);

// What the configs of a module depend on; when it changes, they are sent again.
std::string DiscoveryKey(const bus::BusSample& sample);

}  // namespace korvane::station
