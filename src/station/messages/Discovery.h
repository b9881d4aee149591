#pragma once
// Home Assistant discovery: one retained config per named value of a module, so its
// values appear as sensors of one device without any set-up.
#include <optional>
#include <string>
#include <vector>

#include "bus/BusSample.h"
#include "platform/Language.h"

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
// A field gets Home Assistant's device class where one fits its unit (HaSensorClass).
std::vector<DiscoveryMessage> DiscoveryMessages(const bus::BusSample& sample, const std::string& prefix);

// The module's "in service" binary sensor: on while its state says "service" (a service
// client works with it), so a user sees why its values jump; the sensors stay available.
// Named in the station's language, as the value sensors are.
DiscoveryMessage ServiceSensorMessage(const bus::BusSample& sample, const std::string& prefix, Language language);

// What the configs of a module depend on; when it changes, they are sent again.
std::string DiscoveryKey(const bus::BusSample& sample);

// The id of the station's devices and sensors, one per prefix: a prefix of letters,
// digits and '-' in levels joined by '/' keeps the id it always had ('/' as '_'); any
// other prefix gets a hash of itself behind "__", which the first kind never holds, so
// that "a_b" and "a/b" are two stations.
std::string PrefixId(const std::string& prefix);

// Home Assistant's device class for a field's unit, and the unit as it expects it with
// that class; none where no class fits (the unit is then sent as it is, when there is
// one).
struct HaSensorClass {
  std::string deviceClass;
  std::string unit;  // "" : no unit (pH)
};
std::optional<HaSensorClass> SensorClassOf(const std::string& unit);

}  // namespace korvane::station
