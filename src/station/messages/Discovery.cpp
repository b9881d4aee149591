#include "station/messages/Discovery.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/Texts.h"
#include "station/messages/SampleJson.h"

namespace korvane::station {
namespace {

QString Str(const std::string& text) { return QString::fromStdString(text); }

bool Plain(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'; }

// A topic whose payloads are "online" and "offline", as the station publishes them.
QJsonObject OnlineTopic(const std::string& topic) {
  return {{"topic", Str(topic)}, {"payload_available", "online"}, {"payload_not_available", "offline"}};
}

struct UnitClass {
  const char* unit;
  const char* deviceClass;
  const char* haUnit;
};

// The units of the catalogue's fields that one of Home Assistant's sensor classes
// takes. Its pH class has no unit. The rest (NTU, %, mg/l, ppm, nA, kOhm, g/kg, mV H)
// have no class there.
constexpr UnitClass kUnitClasses[] = {
    {"\xC2\xB0"
     "C",
     "temperature",
     "\xC2\xB0"
     "C"},
    {"pH", "ph", ""},
    {"mV", "voltage", "mV"},
    {"\xC2\xB5"
     "S/cm",
     "conductivity",
     "\xC2\xB5"
     "S/cm"},
    {"mS/cm", "conductivity", "mS/cm"},
    {"hPa", "pressure", "hPa"},
    {"mA", "current", "mA"},
};

}  // namespace

std::optional<HaSensorClass> SensorClassOf(const std::string& unit) {
  for (const UnitClass& u : kUnitClasses)
    if (UnitText(unit) == u.unit) return HaSensorClass{u.deviceClass, u.haUnit};
  return std::nullopt;
}

std::string PrefixId(const std::string& prefix) {
  std::string id;
  bool plain =
      !prefix.empty() && prefix.front() != '/' && prefix.back() != '/' && prefix.find("//") == std::string::npos;
  for (const char c : prefix) {
    plain = plain && (Plain(c) || c == '/');
    id += Plain(c) ? c : '_';
  }
  if (plain) return id;
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(prefix), QCryptographicHash::Sha256);
  return id + "__" + hash.toHex().left(8).toStdString();
}

std::vector<DiscoveryMessage> DiscoveryMessages(const bus::BusSample& s, const std::string& prefix) {
  const std::string address = std::to_string(s.address);
  const std::string stateTopic = prefix + "/" + address + "/state";
  const std::string deviceId = PrefixId(prefix) + "_" + address;
  QJsonObject device{{"identifiers", QJsonArray{Str(deviceId)}},
                     {"name", Str(s.typeName + " at " + prefix + "/" + address)},
                     {"model", Str(s.typeName + " (type " + std::to_string(s.type) + ")")}};
  if (!s.identity.empty()) device["serial_number"] = Str(s.identity);
  if (!s.firmware.empty()) device["sw_version"] = Str(s.firmware);
  QJsonObject moduleLive = OnlineTopic(stateTopic);
  // A module in service is there: its values jump, and its in-service sensor says why.
  moduleLive["value_template"] = "{{ 'online' if value_json.state in ['live', 'service'] else 'offline' }}";
  QJsonObject line = OnlineTopic(prefix + "/line");
  line["value_template"] = "{{ 'offline' if value == 'offline' else 'online' }}";
  const QJsonArray availability{OnlineTopic(prefix + "/status"), line, moduleLive};

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
    if (const auto sensorClass = SensorClassOf(c.unit)) {
      config["device_class"] = Str(sensorClass->deviceClass);
      if (!sensorClass->unit.empty()) config["unit_of_measurement"] = Str(sensorClass->unit);
    } else if (const std::string unit = UnitText(c.unit); !unit.empty()) {
      config["unit_of_measurement"] = Str(unit);
    }
    messages.push_back({topic, QJsonDocument(config).toJson(QJsonDocument::Compact).toStdString()});
  }
  return messages;
}

DiscoveryMessage ServiceSensorMessage(const bus::BusSample& s, const std::string& prefix, Language language) {
  static constexpr platform::Text kInService{"station", QT_TRANSLATE_NOOP("station", "in Wartung")};
  const std::string address = std::to_string(s.address);
  const std::string deviceId = PrefixId(prefix) + "_" + address;
  const std::string serviceId = deviceId + "_in_service";
  const QJsonObject device{{"identifiers", QJsonArray{Str(deviceId)}}};
  const QJsonObject config{{"name", QString::fromStdString(Tr(language, kInService))},
                           {"unique_id", Str(serviceId)},
                           {"state_topic", Str(prefix + "/" + address + "/state")},
                           {"value_template", "{{ 'ON' if value_json.state == 'service' else 'OFF' }}"},
                           {"availability", QJsonArray{OnlineTopic(prefix + "/status")}},
                           {"device", device}};
  return {"homeassistant/binary_sensor/" + serviceId + "/config",
          QJsonDocument(config).toJson(QJsonDocument::Compact).toStdString()};
}

std::string DiscoveryKey(const bus::BusSample& s) {
  std::string key = std::to_string(s.type) + '\n' + s.typeName + '\n' + s.identity + '\n' + s.firmware;
  for (const bus::ChannelSample& c : s.channels) key += '\n' + c.name + '\t' + c.unit;
  return key;
}

}  // namespace korvane::station
