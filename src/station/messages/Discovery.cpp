#include "station/messages/Discovery.h"

#include "station/messages/JsonText.h"

namespace korvane::station {
namespace {

// Ids of the sensors and the device: the prefix keeps those of two stations apart.
std::string IdPart(const std::string& text) {
  std::string id;
  for (const char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
    id += plain ? c : '_';
  }
  return id;
}

}  // namespace

std::vector<DiscoveryMessage> DiscoveryMessages(const bus::BusSample& s, const std::string& prefix) {
  const std::string address = std::to_string(s.address);
  const std::string stateTopic = prefix + "/" + address + "/state";
  const std::string deviceId = IdPart(prefix) + "_" + address;
  std::string device = "{\"identifiers\":[" + JsonString(deviceId) +
                       "],\"name\":" + JsonString(s.typeName + " at " + prefix + "/" + address) +
                       ",\"model\":" + JsonString(s.typeName + " (type " + std::to_string(s.type) + ")");
  if (!s.identity.empty()) device += ",\"serial_number\":" + JsonString(s.identity);
  if (!s.firmware.empty()) device += ",\"sw_version\":" + JsonString(s.firmware);
  device += "}";
  const std::string availability =
      "[{\"topic\":" + JsonString(prefix + "/status") + "},{\"topic\":" + JsonString(stateTopic) +
      ",\"value_template\":\"{{ 'online' if value_json.state == 'live' else 'offline' }}\"}]";

  std::vector<DiscoveryMessage> messages;
  for (std::size_t i = 0; i < s.channels.size(); ++i) {
    const bus::ChannelSample& c = s.channels[i];
    if (c.name.empty()) continue;  // a field the type does not use
    const std::string id = deviceId + "_" + std::to_string(i + 1);
    std::string payload = "{\"name\":" + JsonString(c.name) + ",\"unique_id\":" + JsonString(id) +
                          ",\"state_topic\":" + JsonString(stateTopic) + ",\"value_template\":" +
                          JsonString("{{ value_json['values'][" + std::to_string(i) + "]['value'] }}");
    if (!c.unit.empty()) payload += ",\"unit_of_measurement\":" + JsonString(c.unit);
    payload += ",\"state_class\":\"measurement\",\"availability\":" + availability +
               ",\"availability_mode\":\"all\",\"device\":" + device + "}";
    messages.push_back({"homeassistant/sensor/" + id + "/config", payload});
  }
  return messages;
}

std::string DiscoveryKey(const bus::BusSample& s) {
  std::string key = std::to_string(s.type) + '\n' + s.typeName + '\n' + s.identity + '\n' + s.firmware;
  for (const bus::ChannelSample& c : s.channels) key += '\n' + c.name + '\t' + c.unit;
  return key;
}

}  // namespace korvane::station
