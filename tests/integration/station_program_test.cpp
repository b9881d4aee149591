// korvane-station as the service runs it: a real mosquitto on loopback, three simulated
// modules on a pseudo-terminal, the program started as a process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <map>

#include "pty_fixture.h"
#include "support/LocalBroker.h"
#include "support/LocalSer2Net.h"

namespace korvane::test {
namespace {

QString StationBinary() {
  return QDir(QCoreApplication::applicationDirPath()).filePath("../apps/korvane-station/korvane-station");
}

class StationProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LocalBroker::Available()) GTEST_SKIP() << "mosquitto is not installed (scripts/setup installs it)";
    ASSERT_TRUE(dir.isValid());
    for (const std::uint8_t address : {0, 3, 5}) bus.Add(std::make_shared<sim::Amplifier>(address == 3 ? 8 : 1, address, 4));
    ASSERT_TRUE(server.Open()) << server.error();
    line = dir.filePath("tty").toStdString();
    ASSERT_TRUE(server.SetLink(line)) << server.error();
    ASSERT_TRUE(broker.Start()) << broker.Log();
    ASSERT_TRUE(subscriber.Subscribe(broker.port(), "korvane/test/#"));
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  }
  void TearDown() override {
    if (station.state() != QProcess::NotRunning) station.kill();
    station.waitForFinished();
    server.Close();
  }

  void Start(QStringList extra, QString addresses = "0,3,5") {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVANE_LINE_RETRY_MS", "100");
    station.setProcessEnvironment(env);
    station.start(StationBinary(), QStringList{"--device", QString::fromStdString(line), "--address", addresses,
                                               "--broker", QString("mqtt://127.0.0.1:%1").arg(broker.port()),
                                               "--prefix", "korvane/test", "--buffer", dir.filePath("buffer")} +
                                       extra);
    ASSERT_TRUE(station.waitForStarted(5000));
  }
  bool Ended() {
    return WaitFor([&] { return station.state() == QProcess::NotRunning; }, 15000);
  }

  // Live samples per address, and the status payloads in order, from what arrived so far.
  std::map<std::string, int> LiveSamples() {
    std::map<std::string, int> count;
    for (const auto& m : subscriber.Messages())
      if (m.topic.ends_with("/state") && m.payload.find("\"state\":\"live\"") != std::string::npos)
        ++count[m.topic];
    return count;
  }
  // The payloads of korvane/test/<topic> in order.
  std::vector<std::string> Payloads(const std::string& topic = "status") {
    std::vector<std::string> out;
    for (const auto& m : subscriber.Messages())
      if (m.topic == "korvane/test/" + topic) out.push_back(m.payload);
    return out;
  }

  QTemporaryDir dir;
  sim::Bus bus;
  sim::PtyServer server{bus};
  std::string line;
  LocalBroker broker{dir.path(), {""}};
  TestSubscriber subscriber;
  QProcess station;
};

TEST_F(StationProgram, OncePublishesOneSampleOfEachModuleAndEnds) {
  Start({"--once"});
  ASSERT_TRUE(Ended());
  EXPECT_EQ(station.exitCode(), 0);
  ASSERT_TRUE(WaitFor([&] { return !Payloads().empty() && Payloads().back() == "offline"; }, 5000));
  const std::map<std::string, int> expected{
      {"korvane/test/0/state", 1}, {"korvane/test/3/state", 1}, {"korvane/test/5/state", 1}};
  EXPECT_EQ(LiveSamples(), expected);
  EXPECT_EQ(Payloads(), (std::vector<std::string>{"online", "offline"}));
}

TEST_F(StationProgram, OnceOverANetworkLinePublishesEachModule) {
  LocalSer2Net ser2net;
  if (Program("ser2net").isEmpty()) GTEST_SKIP() << "ser2net is not installed (scripts/setup installs it)";
  ASSERT_TRUE(ser2net.Start(server.slavePath(), dir.path())) << ser2net.error();
  line = ser2net.rfc2217();
  Start({"--once"});
  ASSERT_TRUE(Ended());
  EXPECT_EQ(station.exitCode(), 0);
  const std::map<std::string, int> expected{
      {"korvane/test/0/state", 1}, {"korvane/test/3/state", 1}, {"korvane/test/5/state", 1}};
  ASSERT_TRUE(WaitFor([&] { return LiveSamples() == expected; }, 5000));
}

TEST_F(StationProgram, OnceWithoutAnyModuleAnsweringEndsWithStatus1) {
  Start({"--once"}, "9");
  ASSERT_TRUE(Ended());
  EXPECT_EQ(station.exitCode(), 1);
  EXPECT_TRUE(LiveSamples().empty());
}

TEST_F(StationProgram, SaysWhenTheLineIsAwayResumesWhenItIsBackAndStopsOnSigterm) {
  Start({"--poll", "300"});
  ASSERT_TRUE(WaitFor([&] { return LiveSamples().size() == 3; }, 10000));
  server.HangUp();
  ASSERT_TRUE(WaitFor([&] { return !Payloads("line").empty() && Payloads("line").back() == "offline"; }, 10000))
      << ::testing::PrintToString(Payloads("line"));
  EXPECT_EQ(Payloads().back(), "online");  // the station itself is still there
  const int before = LiveSamples()["korvane/test/5/state"];
  ASSERT_TRUE(server.Reopen());
  ASSERT_TRUE(WaitFor([&] { return LiveSamples()["korvane/test/5/state"] > before; }, 10000));
  EXPECT_EQ(Payloads("line").back(), "online");
  ::kill(static_cast<pid_t>(station.processId()), SIGTERM);
  ASSERT_TRUE(Ended());
  EXPECT_EQ(station.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(station.exitCode(), 0);
  EXPECT_TRUE(WaitFor([&] { return Payloads().back() == "offline"; }, 5000)) << ::testing::PrintToString(Payloads());
}

}  // namespace
}  // namespace korvane::test
