// korvane-station as the service runs it: a real mosquitto on loopback, three simulated
// modules on a pseudo-terminal, the program started as a process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    for (const std::uint8_t address : {0, 3, 5})
      bus.Add(std::make_shared<sim::Amplifier>(address == 3 ? 8 : 1, address, 4));
    ASSERT_TRUE(server.Open()) << server.error();
    // The serial port's lock file is named after the device's base name alone: one name per test
    // keeps two tests run at once from finding each other's line busy.
    line = dir.filePath("tty-" + QFileInfo(dir.path()).fileName()).toStdString();
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

  // broker: the broker's port, or another; retryMs: the wait between tries of a lost line.
  void Start(QStringList extra, QString addresses = "0,3,5", int port = 0, const char* retryMs = "100",
             bool stdinClosed = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVANE_LINE_RETRY_MS", retryMs);
    station.setProcessEnvironment(env);
    const QStringList args =
        QStringList{"--device",         QString::fromStdString(line),
                    "--address",        addresses,
                    "--broker",         QString("mqtt://127.0.0.1:%1").arg(port ? port : broker.port()),
                    "--prefix",         "korvane/test",
                    "--buffer",         dir.filePath("buffer"),
                    "--buffer-reserve", "1"} +
        extra;
    if (stdinClosed)  // as a careless service manager may start it
      station.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\" <&-", StationBinary()} + args);
    else
      station.start(StationBinary(), args);
    ASSERT_TRUE(station.waitForStarted(5000));
  }
  bool Ended() {
    return WaitFor([&] { return station.state() == QProcess::NotRunning; }, 15000);
  }

  // Live samples per address, and the status payloads in order, from what arrived so far.
  std::map<std::string, int> LiveSamples() {
    std::map<std::string, int> count;
    for (const auto& m : subscriber.Messages())
      if (m.topic.ends_with("/state") && m.payload.find("\"state\":\"live\"") != std::string::npos) ++count[m.topic];
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
  Start({"--once", "--language", "en"});
  ASSERT_TRUE(Ended());
  EXPECT_EQ(station.exitCode(), 0);
  ASSERT_TRUE(WaitFor([&] { return !Payloads().empty() && Payloads().back() == "offline"; }, 5000));
  const std::map<std::string, int> expected{
      {"korvane/test/0/state", 1}, {"korvane/test/3/state", 1}, {"korvane/test/5/state", 1}};
  EXPECT_EQ(LiveSamples(), expected);
  EXPECT_EQ(Payloads(), (std::vector<std::string>{"online", "offline"}));
  const std::vector<std::string> states = Payloads("0/state");
  ASSERT_EQ(states.size(), 1u);
  EXPECT_NE(states[0].find("\"name\":\"pH value\""), std::string::npos) << states[0];  // the station's language
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

TEST_F(StationProgram, ALostLineIsTriedAgainAtOnceWhenItsDeviceNodeIsBack) {
  Start({"--poll", "300"}, "0,3,5", 0, "60000");  // the next try would come after a minute
  ASSERT_TRUE(WaitFor([&] { return LiveSamples().size() == 3; }, 10000));
  server.Close();  // the adapter is pulled: its node goes
  ASSERT_TRUE(WaitFor([&] { return !Payloads("line").empty() && Payloads("line").back() == "offline"; }, 10000));
  // Every module's state says that its values are not known now.
  EXPECT_TRUE(WaitFor(
      [&] {
        const auto states = Payloads("5/state");
        return !states.empty() && states.back().find("\"state\":\"line_lost\"") != std::string::npos;
      },
      5000));
  const int before = LiveSamples()["korvane/test/5/state"];
  ASSERT_TRUE(server.Open()) << server.error();
  ASSERT_TRUE(server.SetLink(line)) << server.error();  // and is plugged in again
  EXPECT_TRUE(WaitFor([&] { return LiveSamples()["korvane/test/5/state"] > before; }, 8000));
  EXPECT_EQ(Payloads("line").back(), "online");
}

// The descriptors the station holds, but its sockets, which come and go.
std::map<int, std::string> HeldFiles(qint64 pid) {
  std::map<int, std::string> files;
  const QString folder = QString("/proc/%1/fd").arg(pid);
  for (const QString& fd : QDir(folder).entryList(QDir::System | QDir::NoDotAndDotDot)) {
    const std::string target = QFile::symLinkTarget(folder + "/" + fd).toStdString();
    if (target.find("socket:") == std::string::npos && target.find("anon_inode:") == std::string::npos)
      files[fd.toInt()] = target;
  }
  return files;
}

TEST_F(StationProgram, ReconnectsToAnAbsentBrokerCloseNoDescriptorItHolds) {
  station.setProcessChannelMode(QProcess::SeparateChannels);
  std::string log;
  auto logged = [&](const std::string& part, int times) {
    log += station.readAllStandardError().toStdString();
    int n = 0;
    for (auto at = log.find(part); at != std::string::npos; at = log.find(part, at + 1)) ++n;
    return n >= times;
  };
  Start({"--poll", "300"}, "0,3,5", FreeLoopbackPort(), "100", true);
  ASSERT_TRUE(WaitFor([&] { return logged("polling 3 modules", 1) && logged("; next try in", 1); }, 10000)) << log;
  const auto held = HeldFiles(station.processId());
  EXPECT_EQ(held.count(0) ? held.at(0) : "", "/dev/null");
  ASSERT_TRUE(WaitFor([&] { return logged("; next try in", 3); }, 10000)) << log;
  EXPECT_EQ(HeldFiles(station.processId()), held);
  EXPECT_EQ(station.state(), QProcess::Running);
}

}  // namespace
}  // namespace korvane::test
