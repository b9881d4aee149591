// The station's publisher against a real mosquitto on loopback: what a subscriber
// receives, a broker that dies mid-run and refuses the station on its return, TLS with
// the test's own CA, and the status topic's will and clean stop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <set>

#include "pty_fixture.h"
#include "station/StationService.h"
#include "support/LocalBroker.h"

namespace korvane::station {
namespace {

using korvane::test::LocalBroker;
using korvane::test::TestSubscriber;
using korvane::test::WaitFor;
using namespace std::chrono_literals;

bus::BusSample Sample(std::uint8_t address, int n) {
  bus::BusSample s;
  s.time = std::chrono::system_clock::time_point(std::chrono::milliseconds(1767225600000LL + n));
  s.address = address;
  s.type = 1;
  s.typeName = "pH";
  s.identity = "A123";
  s.firmware = "Firmware V1.20";
  s.channels[0] = {"pH Wert", "pH", "7.02", 7.02};
  s.channels[1] = {"Kettenspannung", "mV", "-1", -1.0};
  s.channels[5] = {"Temperatur", "\xC2\xB0" "C", "21.4", 21.4};
  s.calibration = "Asymmetrie: -3.5  Steilheit: -59.2  ";
  s.since = s.time;
  return s;
}

// The (time, address) of each state message, in arrival order.
std::vector<std::string> StateKeys(const std::vector<TestSubscriber::Message>& messages) {
  std::vector<std::string> keys;
  for (const auto& m : messages) {
    if (m.topic.size() < 6 || m.topic.compare(m.topic.size() - 6, 6, "/state") != 0) continue;
    const auto time = m.payload.substr(9, 24);
    const auto at = m.payload.find("\"address\":");
    keys.push_back(time + "@" + m.payload.substr(at + 10, m.payload.find(',', at) - at - 10));
  }
  return keys;
}

std::vector<std::string> FirstOccurrences(const std::vector<std::string>& keys) {
  std::vector<std::string> out;
  std::set<std::string> seen;
  for (const auto& k : keys)
    if (seen.insert(k).second) out.push_back(k);
  return out;
}

class StationBroker : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LocalBroker::Available()) GTEST_SKIP() << "mosquitto is not installed (scripts/setup installs it)";
    ASSERT_TRUE(dir.isValid());
  }

  StationSetup Setup(int port, bool tls = false) {
    StationSetup s;
    s.endpoint.broker = {tls, "127.0.0.1", port};
    s.endpoint.clientId = "korvane-station-test";
    s.endpoint.willTopic = "korvane/test/status";
    s.endpoint.willPayload = "offline";
    s.prefix = "korvane/test";
    s.bufferFolder = dir.filePath("buffer").toStdString();
    s.timings.reconnect = {50ms, 200ms};
    s.timings.sync = 100ms;
    s.timings.stopGrace = 2000ms;
    return s;
  }

  std::vector<std::string> Logged(LogLevel level) {
    std::vector<std::string> out;
    for (const auto& [l, text] : logged)
      if (l == level) out.push_back(text);
    return out;
  }
  bool LogHas(const std::string& part) {
    for (const auto& [l, text] : logged)
      if (text.find(part) != std::string::npos) return true;
    return false;
  }

  QTemporaryDir dir;
  std::vector<std::pair<LogLevel, std::string>> logged;
  StationLog log{[this](LogLevel l, const std::string& text) { logged.emplace_back(l, text); }, LogLevel::kDebug};
};

TEST_F(StationBroker, SamplesArriveAsJsonWithStatusAndDiscovery) {
  LocalBroker broker(dir.path(), {""});
  ASSERT_TRUE(broker.Start());
  TestSubscriber sub;
  ASSERT_TRUE(sub.Subscribe(broker.port(), "#"));

  StationService service(Setup(broker.port()), log);
  std::string error;
  ASSERT_TRUE(service.Start(&error)) << error;
  ASSERT_TRUE(WaitFor([&] { return service.IsConnected(); }, 10000));
  service.Publish(Sample(3, 0));
  ASSERT_TRUE(WaitFor([&] { return service.Pending() == 0 && sub.Count() >= 5; }, 10000));

  bool online = false, state = false;
  int discovery = 0;
  for (const auto& m : sub.Messages()) {
    if (m.topic == "korvane/test/status") online = m.payload == "online";
    if (m.topic == "korvane/test/3/state") state = m.payload.rfind("{\"time\":\"2026-01-01T00:00:00.000Z\",\"address\":3,", 0) == 0;
    if (m.topic.rfind("homeassistant/sensor/korvane_test_3_", 0) == 0) ++discovery;
  }
  EXPECT_TRUE(online);
  EXPECT_TRUE(state);
  EXPECT_EQ(discovery, 3);  // the three named fields

  bool stopped = false;
  QObject::connect(&service, &StationService::Stopped, [&] { stopped = true; });
  service.Stop();
  ASSERT_TRUE(WaitFor([&] { return stopped; }, 10000));
  ASSERT_TRUE(sub.WaitFor([](const auto& ms) { return ms.back().topic == "korvane/test/status" && ms.back().payload == "offline"; }));
}

}  // namespace
}  // namespace korvane::station
