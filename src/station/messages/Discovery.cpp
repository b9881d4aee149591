#include "station/messages/Discovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korvane::station {
namespace {

QString Str(const std::string& text) { return QString::fromStdString(text); }

// Ids of the sensors and the device: the prefix keeps those of two stations apart.
std::string IdPart(const std::string& text) {
  std::string id;
  for (const char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
    id += plain ? c : '_';
  }
  return id;
}

// A topic whose payloads are "online" and "offline", as the station publishes them.
QJsonObject OnlineTopic(const std::string& topic) {
  return {{"topic", Str(topic)}, {"payload_available", "online"}, {"payload_not_available", "offline"}};
}

}  // namespace

std::vector<DiscoveryMessage> DiscoveryMessages(const bus::BusSample& s, const std::string& prefix) {
  const std::string address = std::to_string(s.address);
  const std::string stateTopic = prefix + "/" + address + "/state";
  const std::string deviceId = IdPart(prefix) + "_" + address;
  QJsonObject device{{"identifiers", QJsonArray{Str(deviceId)}},
                     {"name", Str(s.typeName + " at " + prefix + "/" + address)},
                     {"model", Str(s.typeName + " (type " + std::to_string(s.type) + ")")}};
  if (!s.identity.empty()) device["serial_number"] = Str(s.identity);
  if (!s.firmware.empty()) device["sw_version"] = Str(s.firmware);
  QJsonObject moduleLive = OnlineTopic(stateTopic);
  moduleLive["value_template"] = "{{ 'online' if value_json.state == 'live' else 'offline' }}";
  const QJsonArray availability{OnlineTopic(prefix + "/status"), OnlineTopic(prefix + "/line"), moduleLive};

  std::vector<DiscoveryMessage> messages;
  for (std::size_t i = 0; i < s.channels.size(); ++i) {
    const bus::ChannelSample& c = s.channels[i];
    const std::string id = deviceId + "_" + std::to_string(i + 1);
    const std::string topic = "homeassistant/sensor/" + id + "/config";
    if (c.name.empty()) {  // a field the type does not use
      messages.push_back({topic, {}});
      continue;
    }
    QJsonObject config{{"name", Str(c.name)},
                       {"unique_id", Str(id)},
                       {"state_topic", Str(stateTopic)},
                       {"value_template", QString("{{ value_json['values'][%1]['value'] }}").arg(i)},
                       {"state_class", "measurement"},
                       {"availability", availability},
                       {"availability_mode", "all"},
                       {"device", device}};
    if (!c.unit.empty()) config["unit_of_measurement"] = Str(c.unit);
    messages.push_back({topic, QJsonDocument(config).toJson(QJsonDocument::Compact).toStdString()});
  }
  return messages;
}

std::string DiscoveryKey(const bus::BusSample& s) {
  std::string key = std::to_string(s.type) + '\n' + s.typeName + '\n' + s.identity + '\n' + s.firmware;
  for (const bus::ChannelSample& c : s.channels) key += '\n' + c.name + '\t' + c.unit;
  return key;
}

}  // namespace korvane::station
