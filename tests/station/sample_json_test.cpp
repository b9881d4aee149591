// What a subscriber reads: the sample's JSON as a whole, and the discovery configs
// Home Assistant takes its sensors from.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>
#include <set>

#include "station/messages/Discovery.h"
#include "station/messages/SampleJson.h"
#include "support/PhSample.h"
#include "types/CalibrationStatus.h"
#include "types/Catalogue.h"

namespace korvane::station {
namespace {

bus::BusSample PhSample() {
  bus::BusSample s =
      test::PhSample(5, std::chrono::system_clock::time_point(std::chrono::microseconds(1767225600123999LL)));
  s.channels[1] = {"Kettenspannung", "mV", "-2", -2.0};
  return s;
}

QJsonObject Parsed(const std::string& text) {
  QJsonParseError error;
  const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
  return doc.object();
}

TEST(SampleJson, OneSampleAsAWhole) {
  bus::BusSample s = PhSample();
  s.channels[0].value = 7.02f;  // the module's float: the field's text says what it is
  EXPECT_EQ(SampleJson(s),
            "{\"address\":5,\"calibration\":\"Asymmetrie: -3.5  Steilheit: -59.2\",\"identity\":\"A123\","
            "\"state\":\"live\",\"time\":\"2026-01-01T00:00:00.123Z\",\"type\":1,\"type_name\":\"pH\","
            "\"values\":[{\"name\":\"pH Wert\",\"unit\":\"pH\",\"value\":7.02},"
            "{\"name\":\"Kettenspannung\",\"unit\":\"mV\",\"value\":-2},"
            "{\"name\":\"\",\"unit\":\"\",\"value\":null},{\"name\":\"\",\"unit\":\"\",\"value\":null},"
            "{\"name\":\"\",\"unit\":\"\",\"value\":null},{\"name\":\"Temperatur\",\"unit\":\"\xC2\xB0"
            "C\",\"value\":21.4}]}");
}

TEST(SampleJson, MissingModuleAndAwkwardTextsStayValidJson) {
  bus::BusSample s = PhSample();
  s.state = bus::ModuleState::kMissing;
  s.identity = "A\"1\\2\x01";
  // The values are the fields' texts: what the window shows.
  s.channels[0].text = "nan";
  s.channels[1].text = "0.0000001";
  QJsonObject o = Parsed(SampleJson(s));
  EXPECT_EQ(o["state"].toString(), "missing");
  EXPECT_EQ(o["identity"].toString(), QString::fromUtf8("A\"1\\2\x01"));
  // A missing module's type is not known now, nor are a module's values while the line
  // is lost: no names, units or values.
  for (const auto v : o["values"].toArray())
    EXPECT_EQ(v.toObject(), (QJsonObject{{"name", ""}, {"unit", ""}, {"value", QJsonValue()}}));
  const QJsonObject lost = Parsed(SampleJson(PhSample(), ModuleStatus::kLineLost));
  EXPECT_EQ(lost["state"].toString(), "line_lost");
  for (const auto v : lost["values"].toArray()) EXPECT_TRUE(v.toObject()["value"].isNull());
  s.state = bus::ModuleState::kLive;
  o = Parsed(SampleJson(s));
  EXPECT_TRUE(o["values"].toArray()[0].toObject()["value"].isNull());
  EXPECT_EQ(o["values"].toArray()[1].toObject()["value"].toDouble(), 1e-7);
  EXPECT_EQ(o.keys().size(), 8);
}

TEST(SampleJson, TheLinearTypesUnitAndCalibrationTextHaveNoEmptyParts) {
  // The linear type: a unit of one blank, and no label for its first calibration value.
  constexpr int kLinear = 8;
  bus::BusSample s = PhSample();
  s.type = kLinear + 1;
  s.channels[0] = {types::ChannelLabel(kLinear, 1, Language::kGerman), types::ChannelUnit(kLinear, 1), "4.00", 4.0};
  s.calibration = types::CalibrationStatusLine(kLinear, Language::kGerman, {0.0f, 4.0f, 20.0f, 0.0f}, 4);
  ASSERT_TRUE(s.calibration.starts_with(": "));
  const QJsonObject o = Parsed(SampleJson(s));
  EXPECT_EQ(o["values"].toArray()[0].toObject()["unit"].toString(), "");
  EXPECT_EQ(o["calibration"].toString(), "1V/4mA Wert: 4.0  5V/20mA Wert: 20.0");
  EXPECT_FALSE(Parsed(DiscoveryMessages(s, "k/p")[0].payload).contains("unit_of_measurement"));
}

TEST(Discovery, TheInServiceSensorIsNamedInTheStationsLanguage) {
  for (const auto& [language, name] :
       {std::pair{Language::kGerman, "in Wartung"}, {Language::kEnglish, "in service"}}) {
    const DiscoveryMessage m = ServiceSensorMessage(PhSample(), "korvane/basin-1", language);
    EXPECT_EQ(m.topic, "homeassistant/binary_sensor/korvane_basin-1_5_in_service/config");
    const QJsonObject o = Parsed(m.payload);
    EXPECT_EQ(o["name"].toString(), name);
    EXPECT_EQ(o["state_topic"].toString(), "korvane/basin-1/5/state");
    EXPECT_EQ(o["device"].toObject()["identifiers"].toArray()[0].toString(), "korvane_basin-1_5");
  }
}

TEST(Discovery, OneSensorPerNamedFieldOfOneDevice) {
  const auto messages = DiscoveryMessages(PhSample(), "korvane/basin-1");
  ASSERT_EQ(messages.size(), 6u);
  std::set<QString> ids;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const std::string id = "korvane_basin-1_5_" + std::to_string(i + 1);
    EXPECT_EQ(messages[i].topic, "homeassistant/sensor/" + id + "/config");
    // A field without a name removes the sensor an earlier module may have had there.
    if (i >= 2 && i <= 4) {
      EXPECT_EQ(messages[i].payload, "");
      continue;
    }
    const QJsonObject o = Parsed(messages[i].payload);
    ids.insert(o["unique_id"].toString());
    EXPECT_EQ(o["unique_id"].toString().toStdString(), id);
    EXPECT_EQ(o["state_topic"].toString(), "korvane/basin-1/5/state");
    EXPECT_EQ(o["value_template"].toString(), QString("{{ value_json['values'][%1]['value'] }}").arg(i));
    const QJsonObject device = o["device"].toObject();
    EXPECT_EQ(device["serial_number"].toString(), "A123");
    EXPECT_EQ(device["sw_version"].toString(), "Firmware V1.20");
    EXPECT_EQ(device["model"].toString(), "pH (type 1)");
    EXPECT_EQ(device["identifiers"].toArray()[0].toString(), "korvane_basin-1_5");
    // Every availability topic names the payloads it carries.
    const QJsonArray availability = o["availability"].toArray();
    ASSERT_EQ(availability.size(), 3);
    for (const auto a : availability) {
      EXPECT_EQ(a.toObject()["payload_available"].toString(), "online");
      EXPECT_EQ(a.toObject()["payload_not_available"].toString(), "offline");
    }
    EXPECT_EQ(availability[0].toObject()["topic"].toString(), "korvane/basin-1/status");
    EXPECT_EQ(availability[1].toObject()["topic"].toString(), "korvane/basin-1/line");
  }
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(Parsed(messages[5].payload)["unit_of_measurement"].toString(), QString::fromUtf8("\xC2\xB0"
                                                                                             "C"));
  // A module at another address, or another module at this one, gets other configs.
  bus::BusSample other = PhSample();
  other.identity = "B7";
  EXPECT_NE(DiscoveryKey(other), DiscoveryKey(PhSample()));
}

TEST(Discovery, EveryPrefixHasIdsOfItsOwnAndPlainOnesKeepTheirs) {
  // The ids a plain prefix always had stay, so Home Assistant keeps its entities.
  EXPECT_EQ(PrefixId("korvane/plant-1"), "korvane_plant-1");
  const std::vector<std::string> prefixes = {
      "korvane/a_b",  "korvane/a/b",  "korvane/a b",          "korvane/a.b",          "korvane/a//b",  "korvane/a/_b",
      "korvane/a__b", "korvane/a_/b", "korvane/k\xC3\xA4lte", "korvane/k\xC3\xB6lte", "korvane/a/b__1"};
  std::set<std::string> ids;
  for (const std::string& prefix : prefixes) {
    const std::string id = PrefixId(prefix);
    EXPECT_EQ(id.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-"),
              std::string::npos)
        << id;
    EXPECT_TRUE(ids.insert(id).second) << prefix << " -> " << id;
    EXPECT_EQ(Parsed(DiscoveryMessages(PhSample(), prefix)[0].payload)["unique_id"].toString().toStdString(),
              id + "_5_1");
  }
}

// Home Assistant's sensor device classes and the units each takes ("": none), as its
// documentation of sensor entities gives them. Recent releases spell "µ" as the Greek
// letter mu (U+03BC) and take the micro sign (U+00B5) in MQTT configs as the same.
const std::map<std::string, std::set<std::string>> kHaClasses = {
    {"apparent_power", {"VA"}},
    {"aqi", {""}},
    {"atmospheric_pressure", {"Pa", "hPa", "kPa", "bar", "cbar", "mbar", "mmHg", "inHg", "psi"}},
    {"battery", {"%"}},
    {"carbon_dioxide", {"ppm"}},
    {"carbon_monoxide", {"ppm"}},
    {"conductivity", {"S/cm", "mS/cm", "\xC2\xB5S/cm", "\xCE\xBCS/cm"}},
    {"current", {"A", "mA"}},
    {"frequency", {"Hz", "kHz", "MHz", "GHz"}},
    {"humidity", {"%"}},
    {"illuminance", {"lx"}},
    {"moisture", {"%"}},
    {"ph", {""}},
    {"power", {"mW", "W", "kW", "MW", "GW", "TW"}},
    {"power_factor", {"%", ""}},
    {"pressure", {"Pa", "hPa", "kPa", "bar", "cbar", "mbar", "mmHg", "inHg", "psi"}},
    {"signal_strength", {"dB", "dBm"}},
    {"temperature",
     {"\xC2\xB0"
      "C",
      "\xC2\xB0"
      "F",
      "K"}},
    {"voltage", {"V", "mV", "\xC2\xB5V", "\xCE\xBCV", "kV", "MV"}},
    {"volume_flow_rate", {"m\xC2\xB3/h", "L/min", "mL/s", "ft\xC2\xB3/min", "gal/min"}},
    {"weight", {"\xC2\xB5g", "mg", "g", "kg", "oz", "lb"}},
};

TEST(Discovery, HomeAssistantTakesEveryConfigAndGetsADeviceClassWhereOneFits) {
  std::map<std::string, std::set<std::string>> classesGiven;  // unit -> classes
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    for (int index = 0; index < types::kTypeCount; ++index) {
      bus::BusSample s = PhSample();
      s.type = index + 1;
      s.typeName = types::TypeName(index, language);
      for (int c = 1; c <= 6; ++c) {
        const std::string unit = c <= 5 ? types::ChannelUnit(index, c)
                                        : "\xC2\xB0"
                                          "C";
        s.channels[static_cast<std::size_t>(c - 1)] = {types::ChannelLabel(index, c, language), unit, "1.0", 1.0};
      }
      const auto messages = DiscoveryMessages(s, "korvane/p");
      for (std::size_t i = 0; i < messages.size(); ++i) {
        if (messages[i].payload.empty()) continue;
        SCOPED_TRACE(s.typeName + " field " + std::to_string(i + 1));
        const QJsonObject o = Parsed(messages[i].payload);
        EXPECT_EQ(o["name"].toString().toStdString(), s.channels[i].name);  // in the station's language
        const std::string unit = o["unit_of_measurement"].toString().toStdString();
        EXPECT_EQ(o.contains("unit_of_measurement"), !unit.empty());
        EXPECT_TRUE(unit.empty() || (unit.front() != ' ' && unit.back() != ' ')) << "[" << unit << "]";
        if (!o.contains("device_class")) continue;
        const std::string deviceClass = o["device_class"].toString().toStdString();
        ASSERT_TRUE(kHaClasses.count(deviceClass)) << deviceClass;
        EXPECT_TRUE(kHaClasses.at(deviceClass).count(unit)) << deviceClass << " [" << unit << "]";
        classesGiven[s.channels[i].unit].insert(deviceClass);
      }
    }
  }
  // Where Home Assistant has a class for what a field measures, the field has it.
  const std::map<std::string, std::set<std::string>> fits = {{"\xC2\xB0"
                                                              "C",
                                                              {"temperature"}},
                                                             {"pH", {"ph"}},
                                                             {"mV", {"voltage"}},
                                                             {"\xC2\xB5S/cm", {"conductivity"}},
                                                             {"mS/cm", {"conductivity"}},
                                                             {"hPa", {"pressure"}},
                                                             {"mA", {"current"}}};
  for (const auto& [unit, classes] : fits) EXPECT_EQ(classesGiven[unit], classes) << unit;
}

}  // namespace
}  // namespace korvane::station
