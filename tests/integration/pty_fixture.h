#pragma once
// A Link and its serial worker talking to simulated modules over a real
// pseudo-terminal, served in the test's own event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "PtyServer.h"
#include "Bus.h"
#include "Amplifier.h"
#include "link/Link.h"
#include "link/SerialLine.h"
#include "platform/Language.h"
#include "support/ScriptedUi.h"

namespace korvane::test {

// Runs the event loop until done() holds or the deadline passes.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000) {
  QElapsedTimer t;
  t.start();
  QTimer tick;  // wakes the loop to look at conditions no event announces
  tick.start(2);
  while (!done()) {
    if (t.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

class LinkOverPty : public ::testing::Test {
 protected:
  static platform::LocalTime PinnedTime() { return {2026, 3, 9, 14, 5, 33}; }

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    bus.Add(amp);
    ASSERT_TRUE(server.Open()) << server.error();
    // The program finds the line through a link, as korvane-sim provides it.
    portLink = dir.filePath("ports/COM1").toStdString();
    ASSERT_TRUE(server.SetLink(portLink)) << server.error();
    if (qEnvironmentVariableIsSet("KORVANE_SIM_VERBOSE"))
      server.onFrame = [](bool in, const std::vector<std::uint8_t>& b, const std::string& note) {
        std::fprintf(stderr, "%s %s %s\n", in ? "<-" : "->", link::HexText(b.data(), b.size()).c_str(), note.c_str());
      };
    auto line = std::make_unique<link::SerialLine>();
    port = line.get();
    link = std::make_unique<link::Link>(
        std::move(line), [this](int com) { return com == 1 ? portLink : std::string("/nonexistent/korvane/ttyS9"); },
        link::LinkTimings::Fast(), [] { return PinnedTime(); });
  }

  void TearDown() override {
    link.reset();
    server.Close();
  }

  // Opens the port as a flow does: a port that does not open is shown to the user.
  bool OpenPortAsAFlowDoes(Language language) {
    if (link->OpenPort(language)) return true;
    ui.Message(link->openMessage(), platform::kAppTitle);
    return false;
  }

  // One read exchange: true when the reply came.
  bool Read(std::uint8_t p, std::uint8_t length = 4) {
    link->SendFrame(0, link::kRead, length, p);
    return link->WaitForReply();
  }

  QTemporaryDir dir;
  std::string portLink;
  sim::Bus bus;
  std::shared_ptr<sim::Amplifier> amp = std::make_shared<sim::Amplifier>(1, 0, 4);
  sim::PtyServer server{bus};
  ScriptedUi ui;
  std::unique_ptr<link::Link> link;
  link::SerialLine* port = nullptr;  // the link's line
};

}  // namespace korvane::test
