// What a subscriber reads: the sample's JSON as a whole, and the discovery configs
// Home Assistant takes its sensors from.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

#include "station/messages/Discovery.h"
#include "station/messages/SampleJson.h"
#include "support/PhSample.h"

namespace korvane::station {
namespace {

bus::BusSample PhSample() {
  bus::BusSample s = test::PhSample(5, std::chrono::system_clock::time_point(std::chrono::microseconds(1767225600123999LL)));
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
            "{\"name\":\"\",\"unit\":\"\",\"value\":null},{\"name\":\"Temperatur\",\"unit\":\"\xC2\xB0" "C\",\"value\":21.4}]}");
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
  // A missing module's type is not known now: no names, units or values.
  for (const auto v : o["values"].toArray())
    EXPECT_EQ(v.toObject(), (QJsonObject{{"name", ""}, {"unit", ""}, {"value", QJsonValue()}}));
  s.state = bus::ModuleState::kLive;
  o = Parsed(SampleJson(s));
  EXPECT_TRUE(o["values"].toArray()[0].toObject()["value"].isNull());
  EXPECT_EQ(o["values"].toArray()[1].toObject()["value"].toDouble(), 1e-7);
  EXPECT_EQ(o.keys().size(), 8);
}

TEST(Discovery, OneSensorPerNamedFieldOfOneDevice) {
  const auto messages = DiscoveryMessages(PhSample(), "korvane/basin 1");
  ASSERT_EQ(messages.size(), 6u);
  std::set<QString> ids;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const std::string id = "korvane_basin_1_5_" + std::to_string(i + 1);
    EXPECT_EQ(messages[i].topic, "homeassistant/sensor/" + id + "/config");
    // A field without a name removes the sensor an earlier module may have had there.
    if (i >= 2 && i <= 4) {
      EXPECT_EQ(messages[i].payload, "");
      continue;
    }
    const QJsonObject o = Parsed(messages[i].payload);
    ids.insert(o["unique_id"].toString());
    EXPECT_EQ(o["unique_id"].toString().toStdString(), id);
    EXPECT_EQ(o["state_topic"].toString(), "korvane/basin 1/5/state");
    EXPECT_EQ(o["value_template"].toString(), QString("{{ value_json['values'][%1]['value'] }}").arg(i));
    const QJsonObject device = o["device"].toObject();
    EXPECT_EQ(device["serial_number"].toString(), "A123");
    EXPECT_EQ(device["sw_version"].toString(), "Firmware V1.20");
    EXPECT_EQ(device["model"].toString(), "pH (type 1)");
    EXPECT_EQ(device["identifiers"].toArray()[0].toString(), "korvane_basin_1_5");
    // Every availability topic names the payloads it carries.
    const QJsonArray availability = o["availability"].toArray();
    ASSERT_EQ(availability.size(), 3);
    for (const auto a : availability) {
      EXPECT_EQ(a.toObject()["payload_available"].toString(), "online");
      EXPECT_EQ(a.toObject()["payload_not_available"].toString(), "offline");
    }
    EXPECT_EQ(availability[0].toObject()["topic"].toString(), "korvane/basin 1/status");
    EXPECT_EQ(availability[1].toObject()["topic"].toString(), "korvane/basin 1/line");
  }
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(Parsed(messages[5].payload)["unit_of_measurement"].toString(), QString::fromUtf8("\xC2\xB0" "C"));
  // A module at another address, or another module at this one, gets other configs.
  bus::BusSample other = PhSample();
  other.identity = "B7";
  EXPECT_NE(DiscoveryKey(other), DiscoveryKey(PhSample()));
}

}  // namespace
}  // namespace korvane::station
