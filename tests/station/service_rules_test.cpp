// The service port's rules as pure code: whose exchange goes next on the shared line,
// which modules are in service, which bytes are request frames, what a read-only port
// lets through, how the Telnet end answers; and the shared line interleaving on an
// in-process line.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <deque>

#include "link/Line.h"
#include "link/Telnet.h"
#include "station/service/LeftFast.h"
#include "station/service/RateChanges.h"
#include "station/service/RequestFrames.h"
#include "station/service/ServiceMarks.h"
#include "station/service/ServicePort.h"
#include "station/service/SharedLine.h"
#include "station/service/TelnetServerSide.h"
#include "station/service/TurnRule.h"

namespace korvane::station::service {
namespace {

TEST(ServiceTurns, NeverInsideAnExchangeAtMostOneClientExchangeAfterEachOwn) {
  struct Case {
    const char* name;
    LineTurns turns;
    Turn next;
  };
  const Case cases[] = {
      {"idle line", {}, Turn::kNone},
      {"idle line, client waits", {.guestWaiting = true}, Turn::kGuest},
      {"own reply awaited, client waits", {.ownInFlight = true, .guestWaiting = true}, Turn::kNone},
      {"client reply awaited, own waits", {.guestInFlight = true, .ownWaiting = true}, Turn::kNone},
      {"own waits alone", {.ownWaiting = true}, Turn::kOwn},
      {"own after own, client waits", {.ownWaiting = true, .guestWaiting = true}, Turn::kGuest},
      {"own after a client's, client waits",
       {.ownWaiting = true, .guestWaiting = true, .lastWasGuest = true},
       Turn::kOwn},
      {"own moves on from an unanswered one, client waits",
       {.ownInFlight = true, .ownWaiting = true, .guestWaiting = true},
       Turn::kGuest},
      {"client after a client's on an idle line", {.guestWaiting = true, .lastWasGuest = true}, Turn::kGuest},
  };
  for (const Case& c : cases) EXPECT_EQ(NextTurn(c.turns), c.next) << c.name;
}

TEST(ServiceMarks, AModuleIsInServiceUntilAMinuteAfterItsLastClientFrame) {
  using namespace std::chrono_literals;
  const ServiceMarks::Time t0{};
  ServiceMarks m;
  m.Addressed(3, t0 + 1s);
  struct Case {
    std::uint8_t address;
    ServiceMarks::Time at;
    bool inService;
  };
  for (const Case& c :
       {Case{3, t0 + 1s, true}, Case{3, t0 + 60s, true}, Case{3, t0 + 61s, false}, Case{5, t0 + 2s, false}})
    EXPECT_EQ(m.InService(c.address, c.at), c.inService) << int(c.address) << " at " << c.at.time_since_epoch().count();
  // Holding the line alone puts every module in service, until a minute after.
  m.Exclusive(true, t0 + 100s);
  EXPECT_TRUE(m.InService(5, t0 + 500s));
  m.Exclusive(false, t0 + 500s);
  EXPECT_TRUE(m.InService(7, t0 + 559s));
  EXPECT_FALSE(m.InService(7, t0 + 560s));
}

link::Frame F(std::uint8_t address, std::uint8_t group, std::uint8_t parameter, std::uint8_t d0 = 0) {
  return link::BuildFrame(address, group, 1, parameter, link::ByteData(d0));
}

std::vector<std::uint8_t> Bytes(std::initializer_list<link::Frame> frames, std::vector<std::uint8_t> around = {}) {
  std::vector<std::uint8_t> out = around;
  for (const auto& f : frames) out.insert(out.end(), f.begin(), f.end());
  return out;
}

TEST(ServiceRequestFrames, WholeCheckedFramesPassTheRestIsDroppedAndCounted) {
  const link::Frame a = F(3, link::kRead, 28), b = F(5, link::kWrite, 38, 7);
  link::Frame damaged = a;
  damaged[9] ^= 1;
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::vector<link::Frame> frames;
    std::uint64_t dropped;
  };
  std::vector<std::uint8_t> cut = Bytes({a});
  cut.resize(6);
  const Case cases[] = {
      {"two frames", Bytes({a, b}), {a, b}, 0},
      {"garbage before", Bytes({a}, {'x', 0xFF, ')'}), {a}, 3},
      {"a damaged frame, then a good one", Bytes({damaged, b}), {b}, 11},
      {"half a frame waits", cut, {}, 0},
  };
  for (const Case& c : cases) {
    RequestFrames r;
    std::vector<link::Frame> out;
    r.Feed(c.bytes, out);
    EXPECT_EQ(out, c.frames) << c.name;
    EXPECT_EQ(r.dropped(), c.dropped) << c.name;
  }
  // Cut anywhere, the frame is the same.
  RequestFrames r;
  std::vector<link::Frame> out;
  const auto all = Bytes({a});
  r.Feed({all.data(), 4}, out);
  EXPECT_TRUE(r.partial());
  r.Feed({all.data() + 4, all.size() - 4}, out);
  EXPECT_EQ(out, std::vector<link::Frame>{a});
}

TEST(ServiceReadOnly, ReadsAndTheReadoutPassWritesAndCommandsDoNot) {
  struct Case {
    const char* name;
    link::Frame frame;
    bool allowed;
  };
  const Case cases[] = {
      {"parameter read", F(3, link::kRead, 32), true},    {"live value", F(3, link::kValues, 1), true},
      {"logger record", F(3, link::kValues, 54), true},   {"rate change", F(3, link::kSystem, 71, 1), true},
      {"parameter write", F(3, link::kWrite, 38), false}, {"store", F(3, link::kValues, 65), false},
      {"adjust mode", F(3, link::kValues, 67), false},    {"logger clear", F(3, link::kSystem, 55), false},
      {"set time", F(3, link::kSystem, 59), false},       {"end of a logger transfer", F(3, link::kSystem, 72), true},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadOnlyAllows(c.frame), c.allowed) << c.name;
}

TEST(ServiceRateChanges, ABaudCommandAndTheLinesRateThatFollowsItAreOneChange) {
  enum Step { kFast, kBack, kLine4800, kLine19200, kLine38400 };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::uint64_t count;
  };
  const Case cases[] = {
      {"a logger readout", {kFast, kLine19200, kBack, kLine4800}, 2},
      {"gone after the baud command", {kFast}, 1},
      {"gone after the line followed", {kFast, kLine19200}, 1},
      {"the display unit at 19200 and back", {kLine19200, kLine4800}, 2},
      {"the rate search's tries", {kLine19200, kLine38400, kLine4800}, 3},
      {"back to 4800 without the baud command", {kFast, kLine19200, kLine4800}, 2},
      {"4800 asked at 4800", {kLine4800}, 0},
  };
  for (const Case& c : cases) {
    RateChanges r(link::kSlowBaud);
    for (Step s : c.steps) {
      switch (s) {
        case kFast: r.ModuleFast(); break;
        case kBack: r.ModuleBack(); break;
        case kLine4800: r.LineSet(link::kSlowBaud); break;
        case kLine19200: r.LineSet(link::kMediumBaud); break;
        case kLine38400: r.LineSet(link::kFastBaud); break;
      }
    }
    EXPECT_EQ(r.count(), c.count) << c.name;
  }
}

TEST(ServiceLeftFast, TheModuleLeftFastOutlivesTheRunAndIsTriedAtItsRateFirst) {
  QTemporaryDir dir;
  // In a folder not made yet (a station without a broker has no queue there).
  const std::string path = dir.filePath("state/left").toStdString();
  std::string error;
  LeftFast left(path);
  ASSERT_TRUE(left.Switched(3, &error)) << error;
  ASSERT_TRUE(left.AtRate(link::kMediumBaud, &error)) << error;
  LeftFast next(path);
  next.Load();
  EXPECT_EQ(next.address(), std::optional<std::uint8_t>(3));
  EXPECT_EQ(next.rate(), link::kMediumBaud);
  ASSERT_TRUE(next.Clear(&error)) << error;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
  struct Case {
    const char* text;
    std::optional<std::uint8_t> address;
  };
  for (const Case& c : {Case{"7 0\n", 7}, Case{"7 38400", 7}, Case{"40 19200\n", std::nullopt},
                        Case{"7 1234\n", std::nullopt}, Case{"seven", std::nullopt}}) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.text);
    f.close();
    LeftFast read(path);
    read.Load();
    EXPECT_EQ(read.address(), c.address) << c.text;
  }
  EXPECT_EQ(ReturnRates(0), (std::vector<int>{link::kMediumBaud, link::kFastBaud}));
  EXPECT_EQ(ReturnRates(link::kMediumBaud), (std::vector<int>{link::kMediumBaud, link::kFastBaud}));
  EXPECT_EQ(ReturnRates(link::kFastBaud), (std::vector<int>{link::kFastBaud, link::kMediumBaud}));
}

TEST(ServiceTelnet, AgreesToWhatAClientAsksOnceRefusesTheRestAndHandsOverComPortCommands) {
  namespace t = link::telnet;
  TelnetServerSide side;
  t::Bytes in = t::Greeting();
  const t::Bytes rate = t::SetBaudRate(19200), echo = t::Negotiation(t::kDo, 1);
  const std::uint8_t frameWithIac[] = {'(', 0xFF, 0xFF, 2};
  in.insert(in.end(), rate.begin(), rate.end());
  in.insert(in.end(), echo.begin(), echo.end());
  in.insert(in.end(), std::begin(frameWithIac), std::end(frameWithIac));
  t::Bytes data, answers;
  std::vector<ComPortRequest> requests;
  side.Feed(in, data, answers, requests);
  const t::Bytes expected = [] {
    t::Bytes e;
    for (const auto& [verb, option] : {std::pair{t::kDo, t::kBinary},
                                       {t::kWill, t::kBinary},
                                       {t::kDo, t::kSuppressGoAhead},
                                       {t::kWill, t::kSuppressGoAhead},
                                       {t::kDo, t::kComPort},
                                       {t::kWont, std::uint8_t{1}}}) {
      const t::Bytes n = t::Negotiation(verb, option);
      e.insert(e.end(), n.begin(), n.end());
    }
    return e;
  }();
  EXPECT_EQ(answers, expected);
  EXPECT_TRUE(side.comPort());
  EXPECT_EQ(data, (t::Bytes{'(', 0xFF, 2}));
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].command, t::kSetBaudRate);
  EXPECT_EQ(requests[0].value, 19200u);
  // The same greeting again gets no second answer.
  answers.clear();
  side.Feed(t::Greeting(), data, answers, requests);
  EXPECT_TRUE(answers.empty());
}

// The clients' side of the shared line: queued requests, replies collected.
class Desk : public GuestDesk {
 public:
  std::deque<GuestRequest> queue;
  std::vector<std::pair<int, QByteArray>> replies;
  bool HasRequest() const override { return !queue.empty(); }
  std::optional<GuestRequest> TakeRequest() override {
    if (queue.empty()) return std::nullopt;
    GuestRequest r = queue.front();
    queue.pop_front();
    return r;
  }
  void Replied(int client, const QByteArray& bytes) override { replies.emplace_back(client, bytes); }
  void Streamed(int, const QByteArray&) override {}
  void LineGone(const QString&) override {}
};

TEST(SharedLine, ClientRequestsGoBetweenTheStationsExchangesAndTheirRepliesBackToThem) {
  std::vector<link::Frame> wire;
  link::InProcessLine* inner = nullptr;
  bool answer = true;
  auto line = std::make_unique<link::InProcessLine>([&](const link::Frame& f) {
    wire.push_back(f);
    link::Frame reply = f;
    reply[8] = 0x42;
    reply[9] = link::CheckByte(reply.data());
    if (answer) inner->Deliver(QByteArray(reinterpret_cast<const char*>(reply.data()), 11));
  });
  inner = line.get();
  SharedLine shared(std::move(line), {});
  Desk desk;
  shared.SetDesk(&desk);
  std::vector<QByteArray> own;
  // The station's flow sends its next request from inside the delivery of a reply, as
  // the live chain does.
  int ownLeft = 3;
  QObject::connect(&shared, &link::Line::bytesReceived, [&](const QByteArray& b) {
    own.push_back(b);
    if (--ownLeft > 0) shared.Transmit(F(1, link::kValues, static_cast<std::uint8_t>(4 - ownLeft)));
  });
  ASSERT_TRUE(shared.Open({"", 4800}));
  desk.queue = {{7, F(3, link::kRead, 28)}, {8, F(5, link::kRead, 29)}, {7, F(3, link::kRead, 30)}};
  shared.Transmit(F(1, link::kValues, 1));
  // One client request before each of the station's own while both wait.
  const std::vector<link::Frame> order = {F(3, link::kRead, 28),  F(1, link::kValues, 1), F(5, link::kRead, 29),
                                          F(1, link::kValues, 2), F(3, link::kRead, 30),  F(1, link::kValues, 3)};
  EXPECT_EQ(wire, order);
  ASSERT_EQ(desk.replies.size(), 3u);
  EXPECT_EQ(desk.replies[0].first, 7);
  EXPECT_EQ(desk.replies[1].first, 8);
  EXPECT_EQ(static_cast<std::uint8_t>(desk.replies[1].second[1]), 5);
  EXPECT_EQ(own.size(), 3u);
  for (const QByteArray& b : own) EXPECT_EQ(static_cast<std::uint8_t>(b[1]), 1);  // only the station's replies
}

}  // namespace
}  // namespace korvane::station::service
