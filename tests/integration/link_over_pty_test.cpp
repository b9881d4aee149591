// The link routines and the serial worker over a real pseudo-terminal.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "link/FrameReceiver.h"
#include "pty_fixture.h"

namespace korvane::test {
namespace {

using link::BuildFrame;
using link::Frame;
using sim::Fault;

TEST_F(LinkOverPty, RequestsGetTheirRepliesStored) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  amp->SetParameterFloat(33, -57.75f);
  ASSERT_TRUE(Read(28, 1));
  EXPECT_EQ(link->module().typeIndex, 0);
  ASSERT_TRUE(Read(33));
  EXPECT_FLOAT_EQ(link->module().calibration[1], -57.75f);
  ASSERT_TRUE(Read(26));
  EXPECT_EQ(link->module().identity, "A123");
  ASSERT_EQ(bus.received().size(), 3u);
  EXPECT_EQ(bus.received()[0], BuildFrame(0, 2, 1, 28));
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(LinkOverPty, LiveChainRunsOverTheLineInItsOrder) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  amp->SetMeasured(1, 6.86f);
  amp->SetMeasured(6, 23.5f);
  int ends = 0;
  QObject::connect(link.get(), &link::Link::chainEnded, [&] { ++ends; });
  link->SendFrame(0, 0, 4, 1);
  // Every chain reply ends a wait; the chain goes on by itself.
  ASSERT_TRUE(link->WaitForReply());
  ASSERT_TRUE(WaitFor([&] { return ends == 1; }));
  std::vector<int> order;
  for (const auto& f : bus.received()) order.push_back(link::FrameParameter(f));
  EXPECT_EQ(order, (std::vector<int>{1, 2, 5, 4, 3, 6}));
  EXPECT_FLOAT_EQ(link->module().measured[0], 6.86f);
  EXPECT_FLOAT_EQ(link->module().measured[5], 23.5f);
}

TEST_F(LinkOverPty, PacedLineTakesTheTimeOfTwentyTwoBytes) {
  server.setPacing(true);
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  ASSERT_TRUE(Read(28, 1));  // first exchange settles the worker
  struct Case {
    int baud;
    int selector;
  } cases[] = {{4800, 0}, {19200, 2}};
  for (const Case& c : cases) {
    if (c.baud != link->baudRate()) link->ChangeBaudRate(0, c.selector);
    ASSERT_EQ(server.clientBaud(), c.baud);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(Read(33));
    const double wireMs = 22 * 10 * 1000.0 / c.baud;
    EXPECT_GE(t.nsecsElapsed() / 1e6, wireMs - 1.0) << c.baud;
    EXPECT_LT(t.nsecsElapsed() / 1e6, wireMs + 100.0) << c.baud;
  }
}

TEST_F(LinkOverPty, PacedRepliesOfAClosedClientAreDropped) {
  server.setPacing(true);
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  int written = 0;
  QObject::connect(&server, &sim::PtyServer::replyWritten, [&] { ++written; });
  link->SendFrame(0, link::kRead, 1, 28);
  ASSERT_TRUE(WaitFor([&] { return server.replyPending(); }));
  link->ClosePort();
  port->Close();  // as at the end of a program run
  // The next client would otherwise find the old reply on the line.
  ASSERT_TRUE(WaitFor([&] { return !server.replyPending(); }));
  EXPECT_EQ(written, 0);
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  ASSERT_TRUE(Read(33));
  EXPECT_EQ(written, 1);
}

TEST_F(LinkOverPty, SilentModuleTimesOutAfterTheReplyTimeout) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  bus.SetFault(Fault::kNoReply);
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(Read(28, 1));
  const auto timeout = link->timings().replyTimeout.count();
  EXPECT_GE(t.elapsed(), timeout);
  EXPECT_LT(t.elapsed(), timeout + 300);
  bus.SetFault(Fault::kNone);
  EXPECT_TRUE(Read(28, 1));
}

TEST_F(LinkOverPty, TimedLateReplyIsMissedAndTheNextExchangeStillWorks) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  const int timeout = static_cast<int>(link->timings().replyTimeout.count());
  bus.SetLateDelayMs(timeout + 200);
  bus.FaultNext(Fault::kLate);
  int written = 0;
  QObject::connect(&server, &sim::PtyServer::replyWritten, [&] { ++written; });
  EXPECT_FALSE(Read(32));
  ASSERT_TRUE(WaitFor([&] { return written == 1; }));  // the late reply is on the line now
  amp->SetParameterFloat(33, -58.5f);
  ASSERT_TRUE(Read(33));
  EXPECT_FLOAT_EQ(link->module().calibration[1], -58.5f);
}

TEST_F(LinkOverPty, LateBytesOnTheLineNeverCountAsTheNextReply) {
  // A late reply comes while the program is busy elsewhere: it waits on the line,
  // unread, and the next request's purge drops it.
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  // The module never answers parameter 32 itself.
  bus.FaultWhen(link::kRead, 32, Fault::kNoReply, -1);
  for (int round = 0; round < 5; ++round) {
    link->SendFrame(0, link::kRead, 4, 32);
    if (round == 0) {
      EXPECT_FALSE(link->WaitForReply());
    }
    link->module().calibration[0] = 111.0f;
    const Frame late = BuildFrame(0, 2, 4, 32, link::FloatData(-3.5f));
    server.WriteRaw({late.begin(), late.end()});
    // No event loop here, so nothing reads it.
    QElapsedTimer t;
    t.start();
    while (server.unreadByClient() < 11 && t.elapsed() < 2000) {
    }
    ASSERT_EQ(server.unreadByClient(), 11);
    amp->SetParameterFloat(33, -50.0f - round);
    ASSERT_TRUE(Read(33)) << round;
    EXPECT_FLOAT_EQ(link->module().calibration[1], -50.0f - round) << round;
    EXPECT_FLOAT_EQ(link->module().calibration[0], 111.0f) << "stale reply taken in round " << round;
  }
}

TEST_F(LinkOverPty, DamagedRepliesOverTheWire) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  std::vector<std::string> notices;
  QObject::connect(link.get(), &link::Link::watchdogNotice, [&](const std::string& text) { notices.push_back(text); });

  struct Case {
    Fault fault;
    bool badFrame;
    std::size_t watchdogs;
  } cases[] = {
      {Fault::kStrayBytes, true, 0},  // the frame boundary shifts: no resynchronisation
      {Fault::kBadCheck, true, 0},
      {Fault::kBadEnd, true, 0},
      {Fault::kWatchdog, false, 1},
  };
  for (const Case& c : cases) {
    link->clearBadFrame();
    notices.clear();
    bus.FaultNext(c.fault);
    EXPECT_FALSE(Read(28, 1)) << sim::FaultName(c.fault);
    EXPECT_EQ(link->badFrame(), c.badFrame) << sim::FaultName(c.fault);
    EXPECT_EQ(notices.size(), c.watchdogs) << sim::FaultName(c.fault);
    // The next request starts the frame afresh.
    EXPECT_TRUE(Read(28, 1)) << sim::FaultName(c.fault);
  }
  link->clearBadFrame();
  notices.clear();
  bus.FaultNext(Fault::kWatchdog);
  EXPECT_FALSE(Read(28, 1));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "09.03.2026\t14:05\tWD-RESET \n\r");
  EXPECT_FALSE(link->badFrame());
}

TEST_F(LinkOverPty, BaudChangeTakesTheModuleAlong) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  link->ChangeBaudRate(0, 2);
  EXPECT_EQ(link->baudRate(), 19200);
  EXPECT_EQ(amp->baud(), 19200);
  ASSERT_TRUE(link->portOpen());
  EXPECT_EQ(server.clientBaud(), 19200);
  EXPECT_TRUE(Read(28, 1));

  link->ChangeBaudRate(0, 0);
  EXPECT_EQ(link->baudRate(), 4800);
  EXPECT_EQ(amp->baud(), 4800);
  EXPECT_EQ(server.clientBaud(), 4800);
  EXPECT_TRUE(Read(28, 1));

  // Kind 5 goes to 38400.
  amp->SetParameterByte(29, 5);
  link->ChangeBaudRate(0, 1);
  EXPECT_EQ(amp->baud(), 38400);
  EXPECT_EQ(server.clientBaud(), 38400);
  EXPECT_TRUE(Read(28, 1));
  link->ChangeBaudRate(0, 0);
  EXPECT_TRUE(Read(28, 1));
}

TEST_F(LinkOverPty, ModuleAtAnotherRateDoesNotUnderstand) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  // The module switches, the PC side stays at 4800.
  link->SendFrame(0, link::kSystem, 1, 71, link::ByteData(1));
  EXPECT_TRUE(link->WaitForReply());  // the acknowledgement still comes at the old rate
  EXPECT_EQ(amp->baud(), 19200);
  EXPECT_FALSE(Read(28, 1));
  link->setBaudRate(19200);
  link->ClosePort();
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  EXPECT_TRUE(Read(28, 1));
}

TEST_F(LinkOverPty, PortIsExclusiveAlsoForRoot) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  link::SerialLine second;
  second.setLanguage(Language::kEnglish);
  EXPECT_FALSE(second.ConfigureLine(portLink, 4800));
  EXPECT_NE(second.openError().find("in use"), std::string::npos) << second.openError();
  // A stopped worker keeps the device; closing it frees it.
  link->ClosePort();
  EXPECT_FALSE(second.ConfigureLine(server.slavePath(), 4800));
  port->Close();
  EXPECT_TRUE(second.ConfigureLine(portLink, 4800));
  second.Close();

  // Held by another program (an flock on its own open of the device).
  const int fd = ::open(server.slavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(OpenPortAsAFlowDoes(Language::kEnglish));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].rfind("COM 1 cannot be opened.\n\n", 0), 0u) << ui.Messages()[0];
  ::close(fd);
  EXPECT_TRUE(link->OpenPort(Language::kEnglish));
  EXPECT_TRUE(Read(28, 1));
  EXPECT_TRUE(ui.Messages().size() == 1u);
}

TEST_F(LinkOverPty, HangUpEndsTheWaitAndAReopenedLineWorks) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  bus.FaultNext(Fault::kHangUp);
  QElapsedTimer t;
  t.start();
  EXPECT_FALSE(Read(28, 1));
  EXPECT_LT(t.elapsed(), link->timings().replyTimeout.count() / 2);
  EXPECT_FALSE(link->portOpen());
  // Said as a loss of the device, whatever the failed read left in errno.
  EXPECT_EQ(link->openFailure(), portLink + " has gone away.");
  // Without a line the next flow cannot open the port and says so.
  EXPECT_FALSE(OpenPortAsAFlowDoes(Language::kEnglish));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].rfind("COM 1 cannot be opened.", 0), 0u);

  ASSERT_TRUE(server.Reopen()) << server.error();
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  EXPECT_TRUE(Read(28, 1));
}

TEST_F(LinkOverPty, HangUpWhileIdleClosesThePort) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  server.HangUp();
  ASSERT_TRUE(WaitFor([&] { return !link->portOpen(); }));
  EXPECT_EQ(link->openFailure(), portLink + " has gone away.");
  ASSERT_TRUE(server.Reopen());
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  EXPECT_TRUE(Read(28, 1));
}

TEST_F(LinkOverPty, StoppingTheLineDuringDeliveryNeverHangsOrLeaks) {
  const std::vector<std::uint8_t> junk(700, 0x55);
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(link->OpenPort(Language::kEnglish)) << i;
    server.WriteRaw(junk);
    link->SendFrame(0, link::kRead, 1, 28);
    for (int k = 0; k < i % 4; ++k) QCoreApplication::processEvents();
    link->ClosePort();
    link->StopReading();  // a second stop is harmless
  }
  // Nothing of the old sessions reaches the next exchange.
  QCoreApplication::processEvents();
  link->clearBadFrame();
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  amp->SetParameterFloat(33, -61.0f);
  ASSERT_TRUE(Read(33));
  EXPECT_FLOAT_EQ(link->module().calibration[1], -61.0f);
  EXPECT_FALSE(link->badFrame());
  EXPECT_TRUE(ui.events.empty());
}

// The COM number's device is looked up at every open: a port that was opened on
// another device while the ports link was away (or pointed elsewhere) goes back to the
// link's device when it returns.
TEST_F(LinkOverPty, ThePortFollowsItsMappingAfterAFailure) {
  ASSERT_TRUE(link->OpenPort(Language::kEnglish));
  ASSERT_TRUE(Read(28, 1));
  sim::Bus nobody;
  sim::PtyServer other{nobody};
  ASSERT_TRUE(other.Open()) << other.error();
  auto pointTo = [&](const std::string& device) {
    ::unlink(portLink.c_str());
    return ::symlink(device.c_str(), portLink.c_str()) == 0;
  };
  // COM 1 maps to another device, where nothing answers: by a link that now points
  // there, and by another path.
  const std::string simulator = portLink;
  for (bool sameLink : {true, false}) {
    SCOPED_TRACE(sameLink ? "the link points elsewhere" : "another path");
    if (sameLink) {
      ASSERT_TRUE(pointTo(other.slavePath()));
    } else {
      ASSERT_TRUE(pointTo(server.slavePath()));
      portLink = other.slavePath();
    }
    ASSERT_TRUE(link->OpenPort(Language::kEnglish));
    EXPECT_FALSE(Read(28, 1));
    // Back again: the next flow talks to the module, not to the stand-in.
    portLink = simulator;
    ASSERT_TRUE(pointTo(server.slavePath()));
    ASSERT_TRUE(link->OpenPort(Language::kEnglish));
    EXPECT_TRUE(Read(28, 1));
  }
  // A mapping to nothing is told, naming the device tried.
  portLink = "/nonexistent/korvane/ttyS0";
  EXPECT_FALSE(OpenPortAsAFlowDoes(Language::kGerman));
  ASSERT_FALSE(ui.Messages().empty());
  EXPECT_EQ(ui.Messages().back(), "COM 1 kann nicht geöffnet werden.\n\n/nonexistent/korvane/ttyS0 existiert nicht.");
  other.Close();
}

TEST_F(LinkOverPty, MissingDeviceIsNamedWithItsReason) {
  link->setPortIndex(6);  // COM 7: nothing there
  EXPECT_FALSE(OpenPortAsAFlowDoes(Language::kEnglish));
  EXPECT_FALSE(link->portOpen());
  ASSERT_EQ(ui.Messages().size(), 1u);
  const std::string text = ui.Messages()[0];
  EXPECT_EQ(text.rfind("COM 7 cannot be opened.\n\n", 0), 0u) << text;
  EXPECT_GT(text.size(), std::string("COM 7 cannot be opened.\n\n").size());
  EXPECT_FALSE(link->openFailure().empty());
}

}  // namespace
}  // namespace korvane::test
