// korvane-station's Modbus TCP server as a control system meets it: the program on
// simulated modules, libmodbus's own client and mbpoll on a loopback port.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <modbus/modbus.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <csignal>
#include <memory>
#include <vector>

#include "pty_fixture.h"
#include "support/LocalBroker.h"

namespace korvane::test {
namespace {

using Client = std::unique_ptr<modbus_t, void (*)(modbus_t*)>;

Client Connect(int port) {
  Client c(modbus_new_tcp("127.0.0.1", port), [](modbus_t* m) {
    modbus_close(m);
    modbus_free(m);
  });
  if (modbus_set_slave(c.get(), 1) != 0 || modbus_connect(c.get()) != 0) c.reset();
  return c;
}

std::vector<std::uint16_t> ReadRegisters(modbus_t* c, int function, int start, int count) {
  std::vector<std::uint16_t> r(static_cast<std::size_t>(count));
  const int n = function == 4 ? modbus_read_input_registers(c, start, count, r.data())
                              : modbus_read_registers(c, start, count, r.data());
  if (n != count) r.clear();
  return r;
}

float Float(const std::uint16_t* r) { return std::bit_cast<float>(std::uint32_t{r[0]} << 16 | r[1]); }

int RawSocket(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 ? fd : -1;
}

// The server closed it: the end of the stream (or a reset) instead of "nothing yet".
bool ClosedByServer(int fd) {
  char byte;
  const ssize_t n = ::recv(fd, &byte, 1, MSG_DONTWAIT);
  return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

class StationModbus : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    bus.Add(std::make_shared<sim::Amplifier>(1, 3, 4));  // pH
    bus.Add(std::make_shared<sim::Amplifier>(3, 5, 4));
    ASSERT_TRUE(server.Open()) << server.error();
    // The serial port's lock file is named after the device's base name alone: one name per test
    // keeps two tests run at once from finding each other's line busy.
    line = dir.filePath("tty-" + QFileInfo(dir.path()).fileName()).toStdString();
    ASSERT_TRUE(server.SetLink(line)) << server.error();
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  }
  void TearDown() override {
    if (station.state() != QProcess::NotRunning) station.kill();
    station.waitForFinished();
    server.Close();
  }

  // Address 7 is listed but has no module; one slow cycle, so the values hold still.
  void Start(QStringList extra, const QString& idleMs = "60000") {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KORVANE_MODBUS_IDLE_MS", idleMs);
    station.setProcessEnvironment(env);
    station.start(QDir(QCoreApplication::applicationDirPath()).filePath("../apps/korvane-station/korvane-station"),
                  QStringList{"--device", QString::fromStdString(line), "--address", "3,5,7", "--poll", "600000",
                              "--modbus", QString("127.0.0.1:%1").arg(port)} +
                      extra);
    ASSERT_TRUE(station.waitForStarted(5000));
    ASSERT_TRUE(WaitFor([&] { return (client = Connect(port)) != nullptr; }, 10000));
    // The first cycle is over once the missing module has its state.
    ASSERT_TRUE(WaitFor(
        [&] {
          const auto r = ReadRegisters(client.get(), 4, 712, 1);
          return !r.empty() && r[0] == 2;
        },
        15000));
  }

  QTemporaryDir dir;
  sim::Bus bus;
  sim::PtyServer server{bus};
  std::string line;
  int port = FreeLoopbackPort();
  QProcess station;
  Client client{nullptr, nullptr};
};

TEST_F(StationModbus, ServesTheFieldsAsTheyAreShownAndRefusesWhatItCannotAnswer) {
  if (!LocalBroker::Available()) GTEST_SKIP() << "mosquitto is not installed (scripts/setup installs it)";
  LocalBroker broker{dir.path(), {""}};
  TestSubscriber subscriber;
  ASSERT_TRUE(broker.Start()) << broker.Log();
  ASSERT_TRUE(subscriber.Subscribe(broker.port(), "korvane/test/+/state"));
  Start({"--broker", QString("mqtt://127.0.0.1:%1").arg(broker.port()), "--prefix", "korvane/test", "--buffer",
         dir.filePath("buffer"), "--buffer-reserve", "1"});
  ASSERT_TRUE(WaitFor([&] { return subscriber.Messages().size() >= 3; }, 10000));

  for (const auto& m : subscriber.Messages()) {
    const QJsonObject sample = QJsonDocument::fromJson(QByteArray::fromStdString(m.payload)).object();
    const int address = sample["address"].toInt();
    SCOPED_TRACE(address);
    const auto input = ReadRegisters(client.get(), 4, 100 * address, 100);
    ASSERT_EQ(input.size(), 100u);
    EXPECT_EQ(ReadRegisters(client.get(), 3, 100 * address, 100), input);
    const QJsonArray values = sample["values"].toArray();
    for (int c = 0; c < 6; ++c) {
      const QJsonValue shown = values[c].toObject()["value"];
      const float value = Float(&input[static_cast<std::size_t>(2 * c)]);
      if (shown.isNull())
        EXPECT_TRUE(std::isnan(value)) << c;
      else
        EXPECT_EQ(value, static_cast<float>(shown.toDouble())) << c;
    }
    const bool live = sample["state"].toString() == "live";
    EXPECT_EQ(input[12], live ? 1 : 2);
    EXPECT_EQ(input[13], sample["type"].toInt());
    if (live) {
      EXPECT_LE(input[15], 30) << "age";
      EXPECT_EQ((std::vector<std::uint16_t>{input[16], input[17]}), (std::vector<std::uint16_t>{0x4131, 0x3233}));
      EXPECT_FLOAT_EQ(Float(&input[18]), 1.2f);  // the simulator's firmware
    } else {
      EXPECT_EQ(input[14], 0xFFFF);
    }
  }
  const auto empty = ReadRegisters(client.get(), 3, 900, 28);
  ASSERT_EQ(empty.size(), 28u);
  EXPECT_EQ(empty[12], 0);
  EXPECT_TRUE(std::isnan(Float(&empty[0])));
  const auto block = ReadRegisters(client.get(), 4, 3200, 6);
  ASSERT_EQ(block.size(), 6u);
  EXPECT_EQ(block[0], 1);
  EXPECT_EQ(block[1], 3);
  // Nothing waits for the broker: what was sent and is not yet acknowledged is on its way.
  EXPECT_EQ(block[2], 0);
  EXPECT_EQ(block[3], 0);

  struct Refusal {
    const char* name;
    std::vector<std::uint8_t> request;  // unit id, function, data
    std::uint8_t exception;
  };
  const Refusal refusals[] = {
      {"write coil", {1, 0x05, 0, 0, 0xFF, 0}, 0x01},
      {"write register", {1, 0x06, 0x01, 0x2C, 0, 5}, 0x01},
      {"write coils", {1, 0x0F, 0, 0, 0, 8, 1, 0xFF}, 0x01},
      {"write registers", {1, 0x10, 0x01, 0x2C, 0, 1, 2, 0, 5}, 0x01},
      {"mask write", {1, 0x16, 0x01, 0x2C, 0, 0, 0xFF, 0xFF}, 0x01},
      {"read and write", {1, 0x17, 0x01, 0x2C, 0, 1, 0x01, 0x2C, 0, 1, 2, 0, 5}, 0x01},
      {"beyond the map", {1, 0x03, 0x0C, 0x86, 0, 1}, 0x02},
      {"across its end", {1, 0x04, 0x0C, 0x80, 0, 7}, 0x02},
      {"126 registers", {1, 0x04, 0, 0, 0, 126}, 0x03},
      {"another unit id", {2, 0x03, 0x01, 0x2C, 0, 2}, 0x0B},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    ASSERT_GT(modbus_send_raw_request(client.get(), r.request.data(), static_cast<int>(r.request.size())), 0);
    std::uint8_t reply[MODBUS_TCP_MAX_ADU_LENGTH];
    ASSERT_EQ(modbus_receive_confirmation(client.get(), reply), 9);
    EXPECT_EQ(reply[7], r.request[1] | 0x80);
    EXPECT_EQ(reply[8], r.exception);
  }

  // Half a request keeps its connection waiting, never the others.
  const int half = RawSocket(port);
  ASSERT_EQ(::send(half, "\0\1\0\0\0", 5, 0), 5);
  std::vector<std::uint8_t> long260 = {0, 1, 0, 0, 0, 254, 1, 0x03};
  long260.resize(260);
  const std::string http = "GET / HTTP/1.1\r\nHost: station\r\n\r\n";
  const std::vector<std::vector<std::uint8_t>> malformed = {
      {0, 1, 0, 0, 0, 9, 1, 0x03, 0, 0, 0, 1, 0, 0, 0},  // the length field lies
      long260,
      {http.begin(), http.end()},
  };
  for (const auto& bytes : malformed) {
    const int fd = RawSocket(port);
    ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    EXPECT_TRUE(WaitFor([&] { return ClosedByServer(fd); }, 5000)) << bytes.size() << " bytes";
    ::close(fd);
    EXPECT_EQ(ReadRegisters(client.get(), 4, 300, 2).size(), 2u);
  }
  EXPECT_FALSE(ClosedByServer(half));
  ::close(half);
}

TEST_F(StationModbus, MbpollReadsThePhValueFortyIdleConnectionsGiveWayAndALostLineReadsSo) {
  const QString mbpoll = Program("mbpoll");
  if (mbpoll.isEmpty()) GTEST_SKIP() << "mbpoll is not installed (scripts/setup installs it)";
  station.setProcessChannelMode(QProcess::SeparateChannels);
  Start({}, "3000");  // no broker: a station may serve only Modbus TCP
  const auto ph = ReadRegisters(client.get(), 4, 300, 2);
  ASSERT_EQ(ph.size(), 2u);
  QProcess poll;
  poll.start(mbpoll, {"-m", "tcp", "-a", "1", "-p", QString::number(port), "-t", "3:float", "-B", "-0", "-r", "300",
                      "-c", "1", "-1", "127.0.0.1"});
  ASSERT_TRUE(poll.waitForFinished(10000));
  const QString out = QString::fromUtf8(poll.readAllStandardOutput());
  const auto shown = QRegularExpression(R"(\[300\]:\s*(\S+))").match(out);
  ASSERT_TRUE(shown.hasMatch()) << out.toStdString();
  EXPECT_NEAR(shown.captured(1).toDouble(), Float(ph.data()), 1e-4) << out.toStdString();

  // At most eight connections: each new one closes the one idle the longest.
  std::vector<int> idle;
  for (int i = 0; i < 40; ++i) idle.push_back(RawSocket(port));
  ASSERT_TRUE(WaitFor([&] { return ClosedByServer(idle[31]); }, 5000));
  for (int i = 0; i < 40; ++i) EXPECT_EQ(ClosedByServer(idle[static_cast<std::size_t>(i)]), i < 32) << i;
  const Client fresh = Connect(port);
  ASSERT_TRUE(fresh);
  EXPECT_EQ(ReadRegisters(fresh.get(), 3, 3200, 6).size(), 6u);
  // Silent ones are closed after the idle time.
  EXPECT_TRUE(WaitFor([&] { return ClosedByServer(idle.back()); }, 10000));
  for (const int fd : idle) ::close(fd);

  // The line is lost: each module's block says so, without the values it no longer knows.
  server.Close();
  const Client after = Connect(port);
  ASSERT_TRUE(after);
  ASSERT_TRUE(WaitFor(
      [&] {
        const auto r = ReadRegisters(after.get(), 4, 300, 28);
        return r.size() == 28u && r[12] == 3;
      },
      10000));
  const auto lost = ReadRegisters(after.get(), 4, 300, 28);
  for (int c = 0; c < 6; ++c) EXPECT_TRUE(std::isnan(Float(&lost[static_cast<std::size_t>(2 * c)]))) << c;
  EXPECT_EQ(lost[13], 1);                                                           // still the pH module
  EXPECT_EQ(ReadRegisters(after.get(), 4, 712, 1), std::vector<std::uint16_t>{3});  // the missing one, too
  EXPECT_EQ(ReadRegisters(after.get(), 4, 3200, 1), std::vector<std::uint16_t>{2});
  EXPECT_EQ(ReadRegisters(after.get(), 4, 1000, 13)[12], 0);  // never seen

  ::kill(static_cast<pid_t>(station.processId()), SIGTERM);
  ASSERT_TRUE(station.waitForFinished(10000));
  EXPECT_EQ(station.exitCode(), 0);
  // The thirty-two and more connections closed for newer ones take a line or two each
  // second, with how many they were, not a line each.
  const QString log = QString::fromUtf8(station.readAllStandardError());
  int lines = static_cast<int>(log.count("closed the one from")), closed = lines;
  for (auto m = QRegularExpression(R"((\d+) more connections were closed for newer ones)").globalMatch(log);
       m.hasNext(); ++lines)
    closed += m.next().captured(1).toInt();
  EXPECT_LE(lines, 4) << log.toStdString();
  EXPECT_GE(closed, 32) << log.toStdString();
}

}  // namespace
}  // namespace korvane::test
