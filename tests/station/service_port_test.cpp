// The service port with the line held alone, in one process: a simulated bus behind the
// shared line (each module hears only its own rate), real TCP clients on loopback, and
// the engine's pause granted at once. What a client leaves behind at a fast rate comes
// back to 4800 baud, whether it went, set 4800 again, the station stopped or was killed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include "Bus.h"
#include "link/Line.h"
#include "link/Telnet.h"
#include "station/log/StationLog.h"
#include "station/service/ServicePort.h"
#include "station/service/SharedLine.h"

namespace korvane::station::service {
namespace {

bool Within(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

link::Frame Request(std::uint8_t address, std::uint8_t group, std::uint8_t parameter, std::uint8_t d0 = 0,
                    std::uint8_t length = 1) {
  return link::BuildFrame(address, group, length, parameter, link::ByteData(d0));
}

void Write(QTcpSocket& s, const std::vector<std::uint8_t>& bytes) {
  s.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  s.flush();
}
void Write(QTcpSocket& s, const link::Frame& f) { Write(s, std::vector<std::uint8_t>(f.begin(), f.end())); }

class HeldAlone : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    amplifier->FillLogger(5);
    bus.Add(amplifier);
    bus.Add(controller);
  }

  // The port on a line whose modules answer only at the rate they listen at.
  void Build() {
    auto inner = std::make_unique<link::InProcessLine>([this](const link::Frame& f) {
      bus.SetLineBaud(raw->rate());
      const sim::Reply reply = bus.Handle(f);
      if (reply.bytes.empty()) return;
      const QByteArray bytes(reinterpret_cast<const char*>(reply.bytes.data()),
                             static_cast<qsizetype>(reply.bytes.size()));
      QTimer::singleShot(1, raw, [this, bytes] { raw->Deliver(bytes); });
    });
    raw = inner.get();
    line = std::make_unique<SharedLine>(std::move(inner), SharedLineTimings{});
    ServicePortSetup setup;
    setup.host = "127.0.0.1";
    setup.moduleSwitch = std::chrono::milliseconds(50);
    setup.moduleAcknowledge = std::chrono::milliseconds(100);
    setup.streamEnd = std::chrono::milliseconds(300);
    setup.maxClients = 1;
    setup.leftFastFile = mark.toStdString();
    port = std::make_unique<ServicePort>(setup, log);
    port->Attach(line.get());
    ASSERT_TRUE(line->Open({"", link::kSlowBaud}));
    std::string error;
    ASSERT_TRUE(port->Start(&error)) << error;
    // The engine pauses at once.
    QObject::connect(port.get(), &ServicePort::exclusiveWanted, port.get(), [this] { port->Granted(); });
  }

  std::unique_ptr<QTcpSocket> Client() {
    auto s = std::make_unique<QTcpSocket>();
    s->connectToHost("127.0.0.1", port->serverPort());
    EXPECT_TRUE(s->waitForConnected(3000));
    const link::telnet::Bytes greeting = link::telnet::Greeting();
    Write(*s, greeting);
    return s;
  }

  bool Logged(const std::string& part) const {
    for (const std::string& l : lines)
      if (l.find(part) != std::string::npos) return true;
    return false;
  }
  std::string Log() const {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
  }

  QTemporaryDir dir;
  QString mark = dir.filePath("service-fast-module");
  std::shared_ptr<sim::Amplifier> amplifier = std::make_shared<sim::Amplifier>(1, 3, 4);
  // A controller: its fast rate is 38400.
  std::shared_ptr<sim::Amplifier> controller = std::make_shared<sim::Amplifier>(1, 9, 5);
  sim::Bus bus;
  link::InProcessLine* raw = nullptr;
  std::unique_ptr<SharedLine> line;
  std::vector<std::string> lines;
  StationLog log{[this](LogLevel, const std::string& text) { lines.push_back(text); }};
  std::unique_ptr<ServicePort> port;
};

// However a client's hold on a fast module ends, the module and the line are back at 4800,
// nothing is left marked on disk and the log counts what the client did.
struct HoldEnd {
  const char* how;       // the test's name
  std::uint8_t address;  // 9, a controller, is tried at 19200 first, then at its 38400
  bool lineFollows;      // the client set the line to 19200 after the baud command
  void (*end)(ServicePort&, QTcpSocket&);
  const char* logged;
  bool clientStays;
};

void PrintTo(const HoldEnd& c, std::ostream* os) { *os << c.how; }

class HoldEnds : public HeldAlone, public ::testing::WithParamInterface<HoldEnd> {};

TEST_P(HoldEnds, LeaveNoModuleFast) {
  const HoldEnd& c = GetParam();
  Build();
  auto client = Client();
  Write(*client, Request(c.address, link::kSystem, 71, 1));
  const auto& module = c.address == 9 ? controller : amplifier;
  ASSERT_TRUE(Within([&] { return module->baud() != link::kSlowBaud; }));
  if (c.lineFollows) {
    Write(*client, link::telnet::SetBaudRate(link::kMediumBaud));
    ASSERT_TRUE(Within([&] { return line->lineRate() == link::kMediumBaud; }));
  }
  EXPECT_TRUE(QFile::exists(mark)) << "kept on disk while the module is fast";
  c.end(*port, *client);
  ASSERT_TRUE(Within([&] { return !port->exclusive(); })) << Log();
  EXPECT_EQ(module->baud(), link::kSlowBaud);
  EXPECT_EQ(line->lineRate(), link::kSlowBaud);
  EXPECT_FALSE(QFile::exists(mark));
  EXPECT_TRUE(Logged(c.logged)) << Log();
  EXPECT_EQ(client->state() == QAbstractSocket::ConnectedState, c.clientStays);
}

INSTANTIATE_TEST_SUITE_P(
    HeldAlone, HoldEnds,
    ::testing::Values(HoldEnd{"ClientGoneBeforeTheLineFollowed", 9, false,
                              [](ServicePort&, QTcpSocket& s) { s.abort(); }, "1 rate changes", false},
                      HoldEnd{"ClientSets4800WithoutTheBaudCommand", 3, true,
                              [](ServicePort&, QTcpSocket& s) { Write(s, link::telnet::SetBaudRate(link::kSlowBaud)); },
                              "bringing module 3 back to 4800 baud", true},
                      HoldEnd{"StationStops", 3, true, [](ServicePort& p, QTcpSocket&) { p.Stop(); },
                              "closed: the station stops after", false}),
    [](const ::testing::TestParamInfo<HoldEnd>& info) { return std::string(info.param.how); });

TEST_F(HeldAlone, ALoggerStreamAtTheStationsRateHoldsTheLineOnlyUntilItIsOver) {
  Build();
  auto client = Client();
  Write(*client, Request(3, link::kLoggerRecord.group, link::kLoggerRecord.number, 1, link::kLoggerRecord.length));
  ASSERT_TRUE(Within([&] { return port->exclusive(); }));
  ASSERT_TRUE(Within([&] { return client->bytesAvailable() >= 5 * 11; }));
  // The client stays connected; the line is shared again once the stream is quiet.
  ASSERT_TRUE(Within([&] { return !port->exclusive(); })) << Log();
  EXPECT_EQ(client->state(), QAbstractSocket::ConnectedState);
}

TEST_F(HeldAlone, AStormOfRefusedConnectionsIsLoggedOnceASecondWithHowManyMore) {
  Build();
  auto first = Client();
  ASSERT_TRUE(Within([&] { return Logged("connected"); }));
  std::vector<std::unique_ptr<QTcpSocket>> refused;
  for (int i = 0; i < 30; ++i) refused.push_back(Client());
  ASSERT_TRUE(Within([&] { return Logged("refused 29 more connections"); }, 3000)) << Log();
  int said = 0;
  for (const std::string& l : lines) said += l.find("refused") != std::string::npos;
  EXPECT_EQ(said, 2) << Log();
}

}  // namespace
}  // namespace korvane::station::service
