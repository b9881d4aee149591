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
  EXPECT_EQ(SampleJson(PhSample()),
            "{\"time\":\"2026-01-01T00:00:00.123Z\",\"address\":5,\"type\":1,\"type_name\":\"pH\",\"identity\":\"A123\","
            "\"values\":[{\"name\":\"pH Wert\",\"value\":7.02,\"unit\":\"pH\"},"
            "{\"name\":\"Kettenspannung\",\"value\":-2,\"unit\":\"mV\"},"
            "{\"name\":\"\",\"value\":null,\"unit\":\"\"},{\"name\":\"\",\"value\":null,\"unit\":\"\"},"
            "{\"name\":\"\",\"value\":null,\"unit\":\"\"},{\"name\":\"Temperatur\",\"value\":21.4,\"unit\":\"\xC2\xB0" "C\"}],"
            "\"calibration\":\"Asymmetrie: -3.5  Steilheit: -59.2  \",\"state\":\"live\"}");
}

TEST(SampleJson, MissingModuleAndAwkwardTextsStayValidJson) {
  bus::BusSample s = PhSample();
  s.state = bus::ModuleState::kMissing;
  s.identity = "A\"1\\2\x01";
  // The values are the fields' texts: what the window shows.
  s.channels[0].text = "nan";
  s.channels[1].text = "0.0000001";
  const QJsonObject o = Parsed(SampleJson(s));
  EXPECT_EQ(o["state"].toString(), "missing");
  EXPECT_EQ(o["identity"].toString(), QString::fromUtf8("A\"1\\2\x01"));
  EXPECT_TRUE(o["values"].toArray()[0].toObject()["value"].isNull());
  EXPECT_EQ(o["values"].toArray()[1].toObject()["value"].toDouble(), 1e-7);
  EXPECT_EQ(o.keys().size(), 8);
}

TEST(Discovery, OneSensorPerNamedFieldOfOneDevice) {
  const auto messages = DiscoveryMessages(PhSample(), "korvane/basin 1");
  ASSERT_EQ(messages.size(), 3u);  // pH, voltage, temperature
  std::set<QString> ids;
  const int fields[] = {0, 1, 5};
  for (std::size_t i = 0; i < messages.size(); ++i) {
    const QJsonObject o = Parsed(messages[i].payload);
    ids.insert(o["unique_id"].toString());
    EXPECT_EQ(messages[i].topic, "homeassistant/sensor/" + o["unique_id"].toString().toStdString() + "/config");
    EXPECT_EQ(o["state_topic"].toString(), "korvane/basin 1/5/state");
    EXPECT_EQ(o["value_template"].toString(),
              QString("{{ value_json['values'][%1]['value'] }}").arg(fields[i]));
    const QJsonObject device = o["device"].toObject();
    EXPECT_EQ(device["serial_number"].toString(), "A123");
    EXPECT_EQ(device["sw_version"].toString(), "Firmware V1.20");
    EXPECT_EQ(device["model"].toString(), "pH (type 1)");
    EXPECT_EQ(device["identifiers"].toArray()[0].toString(), "korvane_basin_1_5");
    EXPECT_EQ(o["availability"].toArray()[0].toObject()["topic"].toString(), "korvane/basin 1/status");
  }
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(Parsed(messages[2].payload)["unit_of_measurement"].toString(), QString::fromUtf8("\xC2\xB0" "C"));
  // A module at another address, or another module at this one, gets other configs.
  bus::BusSample other = PhSample();
  other.identity = "B7";
  EXPECT_NE(DiscoveryKey(other), DiscoveryKey(PhSample()));
}

}  // namespace
}  // namespace korvane::station
