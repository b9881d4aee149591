#pragma once
// Home Assistant discovery: one retained config per named value of a module, so its
// values appear as sensors of one device without any set-up.
#include <string>
#include <vector>

#include "bus/BusSample.h"

namespace korvane::station {

struct DiscoveryMessage {
  std::string topic;    // homeassistant/sensor/<id>/config
  std::string payload;  // JSON; empty: the sensor is removed
};

// The configs for the module of a live sample, one for each of its six fields: a field
// with a name reads its value from <prefix>/<address>/state and is available while
// <prefix>/status and <prefix>/line are "online" and the module is live; a field
// without one gets an empty config, which removes a sensor an earlier module at the
// address had there. The device is named by its address, type, identity and firmware.
std::vector<DiscoveryMessage> DiscoveryMessages(const bus::BusSample& sample, const std::string& prefix);

// What the configs of a module depend on; when it changes, they are sent again.
std::string DiscoveryKey(const bus::BusSample& sample);

}  // namespace korvane::station
