#include <gtest/gtest.h>

#include "link/Telnet.h"

namespace korvane::link::telnet {
namespace {

using Kind = Event::Kind;

TEST(Telnet, WhatTheClientSends) {
  const std::uint8_t frame[] = {0x02, 0xFF, 0x41, 0xFF};
  const std::uint8_t eight = 8;
  const struct {
    const char* name;
    Bytes built;
    Bytes wire;
  } cases[] = {
      {"data with IAC", Escape(frame), {0x02, 0xFF, 0xFF, 0x41, 0xFF, 0xFF}},
      {"data size", ComPort(kSetDataSize, {&eight, 1}), {255, 250, 44, 2, 8, 255, 240}},
      {"4800 baud", SetBaudRate(4800), {255, 250, 44, 1, 0, 0, 0x12, 0xC0, 255, 240}},
      // 0xFF inside a value is doubled too.
      {"a rate with 0xFF bytes", SetBaudRate(0x00FFFF00), {255, 250, 44, 1, 0, 255, 255, 255, 255, 0, 255, 240}},
      {"greeting", Greeting(), {255, 251, 0, 255, 253, 0, 255, 251, 3, 255, 253, 3, 255, 251, 44}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.built, c.wire) << c.name;
}

TEST(Telnet, WhatTheServerSendsSplitsIntoDataAndEvents) {
  const struct {
    const char* name;
    Bytes in;
    Bytes data;
    std::vector<Event> events;
  } cases[] = {
      {"plain data", {1, 2, 3}, {1, 2, 3}, {}},
      {"doubled IAC is one data byte", {0xFF, 0xFF, 9}, {0xFF, 9}, {}},
      {"negotiation between data", {1, 255, 253, 44, 2}, {1, 2}, {{Kind::kNegotiation, kDo, 44, {}}}},
      {"rate answer",
       {255, 250, 44, 101, 0, 0, 0x4B, 0, 255, 240, 7},
       {7},
       {{Kind::kSubnegotiation, 0, 44, {101, 0, 0, 0x4B, 0}}}},
      {"IAC inside a subnegotiation",
       {255, 250, 44, 101, 0, 255, 255, 0, 0, 255, 240},
       {},
       {{Kind::kSubnegotiation, 0, 44, {101, 0, 255, 0, 0}}}},
      {"NOP and GA carry nothing", {255, 241, 5, 255, 249}, {5}, {}},
      {"empty subnegotiation is dropped", {255, 250, 255, 240, 6}, {6}, {}},
  };
  for (const auto& c : cases) {
    // Whole, and cut after every byte: the decoder keeps its state between reads.
    for (const bool bytewise : {false, true}) {
      Decoder d;
      Bytes data;
      std::vector<Event> events;
      if (bytewise) {
        for (std::uint8_t b : c.in) d.Feed({&b, 1}, data, events);
      } else {
        d.Feed(c.in, data, events);
      }
      EXPECT_EQ(data, c.data) << c.name << (bytewise ? " (bytewise)" : "");
      EXPECT_EQ(events, c.events) << c.name << (bytewise ? " (bytewise)" : "");
    }
  }
}

TEST(Telnet, AnOverlongSubnegotiationIsDroppedAndTheStreamGoesOn) {
  Bytes in{255, 250, 44, 106};
  in.insert(in.end(), 500, 0x41);
  in.insert(in.end(), {255, 240, 3});
  Decoder d;
  Bytes data;
  std::vector<Event> events;
  d.Feed(in, data, events);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(data, Bytes{3});
}

TEST(Telnet, AnswersAgreeToTheLinesOptionsOnlyAndNeverLoop) {
  const struct {
    std::uint8_t verb, option;
    std::optional<Bytes> answer;
  } cases[] = {
      {kDo, kComPort, std::nullopt},     // the answer to the greeting's WILL
      {kWill, kBinary, std::nullopt},    // the answer to its DO
      {kDo, 1, Bytes{255, kWont, 1}},    // echo: refused
      {kWill, 1, Bytes{255, kDont, 1}},  // the server's echo: not wanted
      {kDo, 24, Bytes{255, kWont, 24}},  // terminal type
      {kDont, kComPort, std::nullopt},   // a refusal needs no answer
      {kWont, kSuppressGoAhead, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Answer({Kind::kNegotiation, c.verb, c.option, {}}), c.answer) << int(c.verb) << "/" << int(c.option);
}

TEST(Telnet, ComPortAnswersAreReadAsNumbers) {
  const auto rate = ReadComPortAnswer({Kind::kSubnegotiation, 0, kComPort, {101, 0, 0, 0x4B, 0}});
  ASSERT_TRUE(rate);
  EXPECT_EQ(rate->command, kSetBaudRate);
  EXPECT_EQ(rate->value, 19200u);
  // The client's own command echoed, or another option, is no answer.
  EXPECT_FALSE(ReadComPortAnswer({Kind::kSubnegotiation, 0, kComPort, {1, 0, 0, 0x4B, 0}}));
  EXPECT_FALSE(ReadComPortAnswer({Kind::kSubnegotiation, 0, 24, {101, 0}}));
}

}  // namespace
}  // namespace korvane::link::telnet
