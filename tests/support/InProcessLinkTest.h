#pragma once
// A Link over an in-process line whose answers each test scripts: every frame sent is
// kept, answer (when set) sees it and may reply later through the event loop.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/Link.h"
#include "support/ScriptedUi.h"

namespace korvane::test {

class InProcessLinkTest : public ::testing::Test {
 protected:
  InProcessLinkTest()
      : link(
            std::make_unique<link::InProcessLine>([this](const link::Frame& f) {
              sent.push_back(f);
              if (answer) answer(f);
            }),
            [](int) { return std::string("in-process"); }, link::LinkTimings::Fast(),
            [] { return platform::LocalTime{2026, 12, 8, 14, 30, 0}; }) {
    link.OpenPort(Language::kEnglish);
  }

  // Delivers bytes as the serial worker would: later, through the event loop.
  void ReplyLater(const link::Frame& f, int ms = 0) {
    QByteArray bytes(reinterpret_cast<const char*>(f.data()), 11);
    QTimer::singleShot(ms, &link, [this, bytes] { link.OnBytes(bytes); });
  }
  void Feed(const link::Frame& f) {
    for (std::uint8_t b : f) link.OnSerialByte(b);
  }

  ScriptedUi ui;
  link::Link link;
  std::vector<link::Frame> sent;
  std::function<void(const link::Frame&)> answer;
};

}  // namespace korvane::test
