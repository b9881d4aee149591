// Service through the running station: korvane-station polls two paced simulated
// modules and publishes to a real mosquitto while korvane-cli works with a module over
// the station's service port (rfc2217:// and socket://), as a technician would.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <map>
#include <memory>

#include "cli_runner.h"
#include "pty_fixture.h"
#include "support/LocalBroker.h"

namespace korvane::test {
namespace {

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

class StationService : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LocalBroker::Available()) GTEST_SKIP() << "mosquitto is not installed (scripts/setup installs it)";
    ASSERT_TRUE(dir.isValid());
    served->FillLogger(40);
    bus.Add(served);
    bus.Add(std::make_shared<sim::Amplifier>(3, 5, 4));
    ASSERT_TRUE(server.Open()) << server.error();
    // The serial port's lock file is named after the device's base name alone: one name per test
    // keeps two tests run at once from finding each other's line busy.
    line = dir.filePath("tty-" + QFileInfo(dir.path()).fileName()).toStdString();
    ASSERT_TRUE(server.SetLink(line)) << server.error();
    server.setPacing(true);
    server.onFrame = [this](bool in, const std::vector<std::uint8_t>& bytes, const std::string&) {
      if (in && bytes.size() == link::kFrameSize && bytes[2] == link::kLoggerRecord.group &&
          bytes[4] == link::kLoggerRecord.number)
        streaming = true;
    };
    broker = std::make_unique<LocalBroker>(dir.path(), std::vector<std::string>{""});
    ASSERT_TRUE(broker->Start()) << broker->Log();
    ASSERT_TRUE(subscriber.Subscribe(broker->port(), "korvane/svc/#"));
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    env.insert("KORVANE_SECOND_MS", "100");
  }
  void TearDown() override {
    if (station.state() != QProcess::NotRunning) {
      station.kill();
      station.waitForFinished();
    }
    server.Close();
  }

  QStringList StationArgs(QStringList extra = {}) const {
    return QStringList{"--device",         QString::fromStdString(line),
                       "--address",        "3,5",
                       "--poll",           "1000",
                       "--broker",         QString("mqtt://127.0.0.1:%1").arg(broker->port()),
                       "--prefix",         "korvane/svc",
                       "--buffer",         dir.filePath("buffer"),
                       "--buffer-reserve", "0",
                       "--service",        QString("127.0.0.1:%1").arg(port)} +
           extra;
  }
  static QString StationBinary() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("../apps/korvane-station/korvane-station");
  }
  void Start(QStringList extra = {}) {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("KORVANE_SERVICE_SWITCH_MS", "300");
    station.setProcessEnvironment(e);
    // A sample of this run, not of an earlier one: by then its service port listens.
    const std::size_t before = subscriber.Messages().size();
    station.start(StationBinary(), StationArgs(extra));
    ASSERT_TRUE(station.waitForStarted(5000));
    ASSERT_TRUE(WaitFor([&] { return !States(5, before).empty(); }, 15000)) << "no sample";
  }
  // A readout through the station, stopped once the module streams at its fast rate.
  void ReadoutUntilStreaming(QProcess& cli) {
    streaming = false;
    cli.setProcessEnvironment(env);
    cli.setProcessChannelMode(QProcess::ForwardedChannels);
    cli.start(CliBinary(), {"--settings", dir.path(), "--history", "none", "--address", "3", "--device",
                            QString::fromStdString(Rfc2217()), "logger-read", "-o", dir.filePath("cut.txt")});
    ASSERT_TRUE(WaitFor([&] { return streaming; }, 20000));
    ASSERT_EQ(served->baud(), link::kMediumBaud);
  }

  CliResult Cli(const std::string& device, QStringList args) {
    return RunCli(QStringList{"--settings", dir.path(), "--lang", "en", "--history", "none", "--address", "3"} +
                      (device.empty() ? QStringList{"--device", QString::fromStdString(line)}
                                      : QStringList{"--device", QString::fromStdString(device)}) +
                      args,
                  env, 60000);
  }
  std::string Rfc2217() const { return "rfc2217://127.0.0.1:" + std::to_string(port); }

  // The states of a module's samples, in order, from the index-th message on.
  std::vector<std::string> States(int address, std::size_t from = 0) {
    std::vector<std::string> states;
    const auto messages = subscriber.Messages();
    const std::string topic = "korvane/svc/" + std::to_string(address) + "/state";
    for (std::size_t i = from; i < messages.size(); ++i)
      if (messages[i].topic == topic)
        states.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(messages[i].payload))
                             .object()["state"]
                             .toString()
                             .toStdString());
    return states;
  }
  // Samples of the module with a first value (it answered).
  int Answered(int address, std::size_t from) {
    int n = 0;
    const auto messages = subscriber.Messages();
    const std::string topic = "korvane/svc/" + std::to_string(address) + "/state";
    for (std::size_t i = from; i < messages.size(); ++i)
      if (messages[i].topic == topic && !QJsonDocument::fromJson(QByteArray::fromStdString(messages[i].payload))
                                             .object()["values"]
                                             .toArray()[0]
                                             .toObject()["value"]
                                             .isNull())
        ++n;
    return n;
  }
  std::vector<std::string> LineSays(std::size_t from = 0) {
    std::vector<std::string> said;
    const auto messages = subscriber.Messages();
    for (std::size_t i = from; i < messages.size(); ++i)
      if (messages[i].topic == "korvane/svc/line") said.push_back(messages[i].payload);
    return said;
  }

  QTemporaryDir dir;
  std::shared_ptr<sim::Amplifier> served = std::make_shared<sim::Amplifier>(1, 3, 4);
  sim::Bus bus;
  sim::PtyServer server{bus};
  std::string line;
  int port = FreeLoopbackPort();
  std::unique_ptr<LocalBroker> broker;
  TestSubscriber subscriber;
  QProcess station;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  bool streaming = false;
};

TEST_F(StationService, ConfigurationReadAndWriteThroughTheStationWhileItPublishes) {
  const QString direct = dir.filePath("direct.qx4"), remote = dir.filePath("remote.qx4");
  const CliResult d = Cli("", {"config-read", "-o", direct});
  ASSERT_EQ(d.exitCode, 0) << d.err;
  Start();
  const std::size_t before = subscriber.Messages().size();
  const CliResult r = Cli(Rfc2217(), {"config-read", "-o", remote});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(ReadFile(remote), ReadFile(direct));
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "through station " + QHostInfo::localHostName().toStdString());
  const CliResult w = Cli("socket://127.0.0.1:" + std::to_string(port), {"config-write", remote.toStdString().c_str()});
  EXPECT_EQ(w.exitCode, 0) << w.err;
  // Both modules' samples kept coming; the served one is marked, the other is not.
  ASSERT_TRUE(WaitFor([&] { return States(3, before).size() >= 3 && States(5, before).size() >= 3; }, 10000));
  const auto served = States(3, before), other = States(5, before);
  EXPECT_EQ(served.back(), "service");
  for (const std::string& s : other) EXPECT_EQ(s, "live");
}

TEST_F(StationService, LoggerReadoutThroughTheStationIsTheDirectOneWithPollingPausedAndResumed) {
  const QString direct = dir.filePath("direct.txt"), remote = dir.filePath("remote.txt");
  const CliResult d = Cli("", {"logger-read", "-o", direct});
  ASSERT_EQ(d.exitCode, 0) << d.err;
  Start();
  const std::size_t before = subscriber.Messages().size();
  const CliResult r = Cli(Rfc2217(), {"logger-read", "-o", remote});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, d.out);
  EXPECT_EQ(ReadFile(remote), ReadFile(direct));
  EXPECT_EQ(server.clientBaud(), link::kSlowBaud);
  ASSERT_TRUE(WaitFor([&] { return LineSays(before).size() >= 2; }, 5000));
  EXPECT_EQ(LineSays(before), (std::vector<std::string>{"service", "online"}));
  // Polling is back: the other module answers again.
  const std::size_t after = subscriber.Messages().size();
  EXPECT_TRUE(WaitFor([&] { return !States(5, after).empty(); }, 3000));
}

TEST_F(StationService, AClientKilledMidReadoutLeavesNoModuleFastAndPollingComesBack) {
  Start();
  QProcess cli;
  ReadoutUntilStreaming(cli);
  ::kill(static_cast<pid_t>(cli.processId()), SIGKILL);
  cli.waitForFinished();
  // Within 10 s the station brought the module back from its fast rate and polls it
  // at 4800 again: its samples carry values (marked, for a minute, as in service).
  const std::size_t after = subscriber.Messages().size();
  ASSERT_TRUE(WaitFor([&] { return Answered(3, after) >= 1 && Answered(5, after) >= 1; }, 10000));
  EXPECT_EQ(server.clientBaud(), link::kSlowBaud);
}

TEST_F(StationService, AModuleAClientHoldsFastIsBackAt4800AfterASigtermAndAfterAKillAndTheNextStart) {
  Start();
  QProcess cli;
  ReadoutUntilStreaming(cli);
  // The simulated module answers in this process: the waits keep its events going.
  station.terminate();
  ASSERT_TRUE(WaitFor([&] { return station.state() == QProcess::NotRunning; }, 30000));
  EXPECT_EQ(station.exitCode(), 0);
  EXPECT_EQ(served->baud(), link::kSlowBaud) << "SIGTERM brings the module back before the line closes";
  ASSERT_TRUE(WaitFor([&] { return cli.state() == QProcess::NotRunning; }, 30000));

  Start();
  ReadoutUntilStreaming(cli);
  station.kill();
  ASSERT_TRUE(WaitFor([&] { return station.state() == QProcess::NotRunning; }, 10000));
  ASSERT_TRUE(WaitFor([&] { return cli.state() == QProcess::NotRunning; }, 30000));
  EXPECT_EQ(served->baud(), link::kMediumBaud);
  // The next start brings it back before it polls: the module answers at 4800 again.
  const std::size_t before = subscriber.Messages().size();
  Start();
  EXPECT_TRUE(WaitFor([&] { return served->baud() == link::kSlowBaud; }, 10000));
  EXPECT_TRUE(WaitFor([&] { return Answered(3, before) >= 1; }, 10000));
}

TEST_F(StationService, AServiceAddressThatCannotBeHadIsABadConfigurationNamingTheAddress) {
  QTcpServer taken;
  ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, static_cast<quint16>(port)));
  const QString address = QString("127.0.0.1:%1").arg(port);
  auto run = [&](QStringList args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(StationBinary(), args);
    EXPECT_TRUE(p.waitForFinished(20000));
    return std::pair{p.exitCode(), p.readAll().toStdString()};
  };
  // --check tries it: in use may be this very station running, so it is said, not refused.
  const auto [checkCode, checkSaid] = run(StationArgs({"--check"}));
  EXPECT_EQ(checkCode, 0) << checkSaid;
  EXPECT_NE(checkSaid.find(address.toStdString() + " is in use"), std::string::npos) << checkSaid;
  // The start ends with the status of a bad configuration, which systemd does not restart.
  const auto [startCode, startSaid] = run(StationArgs());
  EXPECT_EQ(startCode, 2) << startSaid;
  EXPECT_NE(startSaid.find("cannot listen on " + address.toStdString() + ": the address is in use"), std::string::npos)
      << startSaid;
  // An address that is not this machine's fails the check.
  const auto [foreignCode, foreignSaid] = run(QStringList(StationArgs()).replaceInStrings(address, "192.0.2.1:4001") +
                                              QStringList{"--service-allow", "192.0.2.0/24", "--check"});
  EXPECT_EQ(foreignCode, 2) << foreignSaid;
  EXPECT_NE(foreignSaid.find("192.0.2.1:4001: the address is not one of this machine's"), std::string::npos)
      << foreignSaid;
}

TEST_F(StationService, ReadOnlyRefusesAWriteAndAnAddressOutsideAllowIsRefused) {
  const QString file = dir.filePath("read.qx4");
  const CliResult d = Cli("", {"config-read", "-o", file});
  ASSERT_EQ(d.exitCode, 0) << d.err;
  Start({"--service-read-only", "yes"});
  const CliResult r = Cli(Rfc2217(), {"config-read", "-o", dir.filePath("again.qx4")});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // Every refused write waits for its reply time-out (the read above keeps the usual one:
  // a reply through the station may wait for the station's own exchange).
  env.insert("KORVANE_REPLY_TIMEOUT_MS", "600");
  const CliResult w = Cli(Rfc2217(), {"config-write", file});
  EXPECT_NE(w.exitCode, 0);
  EXPECT_NE(w.err.find("not"), std::string::npos) << w.err;
  station.terminate();
  ASSERT_TRUE(station.waitForFinished(10000));
  EXPECT_EQ(station.exitCode(), 0);

  Start({"--service-allow", "10.0.0.0/8"});
  const CliResult refused = Cli(Rfc2217(), {"info"});
  EXPECT_EQ(refused.exitCode, 3) << refused.err;
}

int ServiceSocket(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 ? fd : -1;
}

// The server closed it: the end of the stream (or a reset) after what it sent.
bool HungUpOn(int fd) {
  char buffer[256];
  for (;;) {
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n > 0) continue;
    return n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
  }
}

TEST_F(StationService, ClientsThatMisbehaveCostThePollingNothingAndASecondClientGetsNoRateChange) {
  Start({"--service-max-clients", "3"});
  const std::size_t before = subscriber.Messages().size();
  const auto start = std::chrono::steady_clock::now();
  // Half a frame, then nothing.
  const int half = ServiceSocket(port);
  ASSERT_GE(half, 0);
  ASSERT_EQ(::send(half, "(\x03\x02", 3, 0), 3);
  // Garbage and requests sent without waiting for their replies, never reading.
  const int flood = ServiceSocket(port);
  ASSERT_GE(flood, 0);
  const link::Frame request = link::BuildFrame(5, link::kRead, 1, 28);
  std::vector<char> burst;
  for (int i = 0; i < 400; ++i) {
    burst.insert(burst.end(), request.begin(), request.end());
    burst.insert(burst.end(), {'x', ')', '('});
  }
  ASSERT_EQ(::send(flood, burst.data(), burst.size(), 0), static_cast<ssize_t>(burst.size()));
  EXPECT_TRUE(WaitFor([&] { return HungUpOn(flood); }, 5000));
  // Another client is connected: the logger readout's rate change is refused.
  const CliResult r = Cli(Rfc2217(), {"logger-read", "-o", dir.filePath("refused.txt")});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("19200"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("another client is connected"), std::string::npos) << r.err;
  // The polling went on at its period all the while.
  ASSERT_TRUE(WaitFor([&] { return std::chrono::steady_clock::now() - start > std::chrono::seconds(6); }, 10000));
  // (the module the flood addressed is marked in service, its values still polled).
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto states = States(5, before);
  EXPECT_EQ(Answered(5, before), static_cast<int>(states.size()));
  EXPECT_GE(static_cast<double>(states.size()), seconds - 2) << states.size() << " samples in " << seconds << " s";
  EXPECT_EQ(states.back(), "service");
  EXPECT_FALSE(HungUpOn(half));
  ::close(half);
  ::close(flood);
}

TEST_F(StationService, TheStationsLineLostEndsItsClientsConnectionsAndTheStationGoesOn) {
  Start();
  const int client = ServiceSocket(port);
  ASSERT_GE(client, 0);
  const link::Frame request = link::BuildFrame(3, link::kRead, 1, 28);
  ASSERT_EQ(::send(client, request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
  server.Close();
  EXPECT_TRUE(WaitFor([&] { return HungUpOn(client); }, 5000));
  ASSERT_TRUE(WaitFor([&] { return !LineSays().empty() && LineSays().back() == "offline"; }, 5000));
  EXPECT_EQ(station.state(), QProcess::Running);
  ::close(client);
}

}  // namespace
}  // namespace korvane::test
