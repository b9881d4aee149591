// The link routines over an in-process line: what goes out, what ends a wait.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <vector>

#include "link/Link.h"
#include "support/InProcessLinkTest.h"
#include "support/ScriptedUi.h"

namespace korvane::link {
namespace {

using LinkTest = test::InProcessLinkTest;

TEST_F(LinkTest, WaitEndsWithTheReply) {
  answer = [this](const Frame& f) { ReplyLater(BuildFrame(0, kRead, 4, FrameParameter(f), FloatData(-59.2f))); };
  link.SendFrame(0, kRead, 4, 33);
  EXPECT_TRUE(link.WaitForReply());
  EXPECT_EQ(link.module().calibration[1], -59.2f);
}

TEST_F(LinkTest, WaitTimesOutOnSilenceAndOnIgnoredAcknowledgements) {
  for (std::uint8_t p : {std::uint8_t(6), std::uint8_t(29)}) {  // acknowledgements the program ignores
    answer = [this](const Frame& f) { ReplyLater(BuildFrame(0, kWrite, 2, FrameParameter(f))); };
    QElapsedTimer t;
    t.start();
    link.SendFrame(0, kWrite, 2, p);
    EXPECT_FALSE(link.WaitForReply()) << int(p);
    EXPECT_GE(t.elapsed(), link.timings().replyTimeout.count() - 5);
  }
}

TEST_F(LinkTest, DamagedReplySetsTheBadFrameFlag) {
  Frame bad = BuildFrame(0, kValues, 4, 1, FloatData(7.0f));
  bad[10] = 0;
  Feed(bad);
  EXPECT_TRUE(link.badFrame());
  EXPECT_TRUE(sent.empty());  // no chain continues from a damaged frame
}

TEST_F(LinkTest, LiveChainRequestsTheNextValueAndEndsAtTheTemperature) {
  std::vector<int> stored;
  int chainEnds = 0;
  QObject::connect(&link, &Link::liveValue, [&](int ch) { stored.push_back(ch); });
  QObject::connect(&link, &Link::chainEnded, [&] { ++chainEnds; });
  // The chain goes on at the address of the request that started it.
  link.Send(7, kMeasuredValue1);
  sent.clear();
  for (std::uint8_t p : {1, 2, 5, 4, 3, 6}) Feed(BuildFrame(7, kValues, 4, p, FloatData(p * 1.5f)));
  EXPECT_EQ(stored, (std::vector<int>{1, 2, 5, 4, 3, 6}));
  EXPECT_EQ(chainEnds, 1);
  ASSERT_EQ(sent.size(), 5u);
  const int expectedNext[] = {2, 5, 4, 3, 6};
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(sent[i], BuildFrame(7, kValues, 4, expectedNext[i])) << i;
  }
  EXPECT_EQ(link.module().measured[4], 7.5f);
}

TEST_F(LinkTest, OnlyTheAnswerToTheLastRequestContinuesTheChain) {
  const struct {
    const char* name;
    std::uint8_t address, parameter;  // of the request just sent
    Frame reply;
    bool continues;
  } cases[] = {
      {"its answer", 5, 1, BuildFrame(5, kValues, 4, 1, FloatData(1.0f)), true},
      {"late reply of another module", 5, 1, BuildFrame(3, kValues, 4, 1, FloatData(1.0f)), false},
      {"late reply of an earlier step", 5, 2, BuildFrame(5, kValues, 4, 1, FloatData(1.0f)), false},
      {"any module's answer to 255", 255, 1, BuildFrame(4, kValues, 4, 1, FloatData(1.0f)), true},
  };
  for (const auto& c : cases) {
    link.SendFrame(c.address, kValues, 4, c.parameter);
    sent.clear();
    Feed(c.reply);
    EXPECT_EQ(sent.size(), c.continues ? 1u : 0u) << c.name;
  }
}

TEST_F(LinkTest, WatchdogNoticeGoesToTheOwner) {
  std::string notice;
  QObject::connect(&link, &Link::watchdogNotice, [&](const std::string& s) { notice = s; });
  for (char c : std::string("WD1234567")) link.OnSerialByte(static_cast<std::uint8_t>(c));
  EXPECT_EQ(notice, "08.12.2026\t14:30\tWD-RESET \n\r");
}

TEST_F(LinkTest, BaudChangeSelectsRateAndReopens) {
  struct Case {
    int selector;
    std::uint8_t d0;
    int rate;
  } cases[] = {{1, 1, 38400}, {2, 1, 19200}, {0, 0, 4800}, {7, 0, 4800}};
  for (const Case& c : cases) {
    sent.clear();
    link.ChangeBaudRate(0, c.selector);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], BuildFrame(0, kSystem, 1, 71, ByteData(c.d0)));
    EXPECT_EQ(link.baudRate(), c.rate);
    EXPECT_TRUE(link.portOpen());
  }
}

TEST_F(LinkTest, LostLineEndsAWaitAtOnce) {
  link.SendFrame(0, kRead, 4, 32);
  QTimer::singleShot(0, &link, [this] { link.OnLineLost(QStringLiteral("gone")); });
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(link.WaitForReply());
  EXPECT_LT(t.elapsed(), link.timings().replyTimeout.count());
  EXPECT_FALSE(link.portOpen());
}

TEST_F(LinkTest, BytesAfterAChainReplyInTheSameDeliveryAreStale) {
  // Reply 1 starts the request for value 2; a frame that arrived with it answered
  // something earlier and must not count as value 2.
  link.Send(0, kMeasuredValue1);
  Frame one = BuildFrame(0, kValues, 4, 1, FloatData(7.0f));
  Frame two = BuildFrame(0, kValues, 4, 2, FloatData(99.0f));
  QByteArray bytes(reinterpret_cast<const char*>(one.data()), 11);
  bytes.append(reinterpret_cast<const char*>(two.data()), 11);
  link.OnBytes(bytes);
  EXPECT_EQ(link.module().measured[0], 7.0f);
  EXPECT_NE(link.module().measured[1], 99.0f);
  EXPECT_EQ(FrameParameter(sent.back()), 2);
}

TEST(LinkOpen, PortWithoutDeviceNamesTheCom) {
  Link link([](int) { return std::string("/nonexistent/ttyKORVANE"); }, LinkTimings::Fast());
  link.setPortIndex(4);
  EXPECT_FALSE(link.OpenPort(Language::kEnglish));
  EXPECT_FALSE(link.portOpen());
  EXPECT_EQ(link.openMessage().rfind("COM 5 cannot be opened.", 0), 0u);
  EXPECT_NE(link.openMessage().find("does not exist"), std::string::npos);
}

TEST(LinkOpen, HeadlineAndReasonFollowTheLanguage) {
  const struct {
    Language language;
    const char* text;
  } cases[] = {{Language::kGerman, "COM 5 kann nicht geöffnet werden.\n\n/nonexistent/ttyKORVANE existiert nicht."},
               {Language::kEnglish, "COM 5 cannot be opened.\n\n/nonexistent/ttyKORVANE does not exist."}};
  for (const auto& c : cases) {
    Link link([](int) { return std::string("/nonexistent/ttyKORVANE"); }, LinkTimings::Fast());
    link.setPortIndex(4);
    EXPECT_FALSE(link.OpenPort(c.language));
    EXPECT_EQ(link.openMessage(), c.text);
  }
}

TEST(LinkOpen, DevicesThatAreNoSerialPortAreRefusedByPath) {
  QTemporaryDir dir;
  const std::string file = dir.filePath("plain").toStdString();
  QFile(QString::fromStdString(file)).open(QIODevice::WriteOnly);
  for (const std::string& device :
       {std::string("/dev/null"), std::string("/dev/zero"), file, dir.path().toStdString()}) {
    Link link([](int) { return std::string(); }, LinkTimings::Fast());
    link.setDeviceOverride(device);
    EXPECT_FALSE(link.OpenPort(Language::kEnglish)) << device;
    EXPECT_EQ(link.openMessage().rfind(device + " cannot be opened.", 0), 0u) << link.openMessage();
    EXPECT_NE(link.openMessage().find("not a serial device"), std::string::npos) << link.openMessage();
  }
}

TEST(LinkOpen, UnsupportedBaudRateIsRefusedWithAReason) {
  Link link([](int) { return std::string("/dev/null"); }, LinkTimings::Fast());
  link.setBaudRate(12345);
  EXPECT_FALSE(link.OpenPort(Language::kEnglish));
  EXPECT_NE(link.openMessage().find("12345 baud"), std::string::npos);
}

TEST(LinkOpen, NetworkLinesThatCannotBeReachedSayWhy) {
  // A loopback port nobody listens on: bound, never listening, so it refuses at once.
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
  const std::string refused = std::to_string(closed.serverPort());
  closed.close();
  const struct {
    std::string device;
    const char* reason;
  } cases[] = {
      {"rfc2217://127.0.0.1", "the port number is missing"},
      {"socket://127.0.0.1:70000", "must be from 1 to 65535"},
      {"socket://127.0.0.1:0", "must be from 1 to 65535"},
      {"rfc2217://:4001", "the host name is missing"},
      {"rfc2217://no-such-host.invalid:4001", "the host name is not known"},
      {"socket://127.0.0.1:" + refused, "the connection was refused"},
  };
  for (const auto& c : cases) {
    Link link([](int) { return std::string(); }, LinkTimings::Fast());
    link.setDeviceOverride(c.device);
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(link.OpenPort(Language::kEnglish)) << c.device;
    EXPECT_LT(t.elapsed(), 2000) << c.device;  // nothing here waits for the connect time-out
    EXPECT_EQ(link.openMessage().rfind(c.device + " cannot be opened.", 0), 0u) << link.openMessage();
    EXPECT_NE(link.openMessage().find(c.reason), std::string::npos) << link.openMessage();
  }
}

}  // namespace
}  // namespace korvane::link
