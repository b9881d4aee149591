#include <gtest/gtest.h>

#include <cmath>

#include "DisplayUnit.h"
#include "Amplifier.h"

namespace korvane::sim {
namespace {

using link::BuildFrame;
using link::ByteData;
using link::FloatData;

Frame Read(std::uint8_t address, std::uint8_t p, std::uint8_t length = 4) { return BuildFrame(address, 2, length, p); }

float ReplyFloat(const std::optional<Frame>& f) { return link::DataFloat(link::FrameData(*f)); }

TEST(Amplifier, ReadsAnswerWithTheStoredValueInTheRequestsShape) {
  Amplifier amp(1, 5, 4);
  const auto r = amp.Handle(Read(5, 28, 1));
  ASSERT_TRUE(r);
  EXPECT_TRUE(link::IsValidFrame(*r));
  EXPECT_EQ(*r, BuildFrame(5, 2, 1, 28, ByteData(1)));
  EXPECT_EQ(link::FrameData(*amp.Handle(Read(5, 29, 1)))[0], 4);
  EXPECT_EQ(link::FrameData(*amp.Handle(Read(5, 30, 1)))[0], 5);
  EXPECT_FLOAT_EQ(ReplyFloat(amp.Handle(Read(5, 31))), 1.20f);
  EXPECT_EQ(link::IdentityText(link::FrameData(*amp.Handle(Read(5, 26)))), "A123");
}

TEST(Amplifier, StaysSilentForOtherAddressesDamagedFramesAndUnknownParameters) {
  Amplifier amp(1, 5);
  EXPECT_FALSE(amp.Handle(Read(4, 28, 1)));
  EXPECT_FALSE(amp.Handle(Read(255, 28, 1)));
  Frame bad = Read(5, 28, 1);
  bad[9] ^= 1;
  EXPECT_FALSE(amp.Handle(bad));
  EXPECT_FALSE(amp.Handle(Read(5, 2)));    // never requested by the program
  EXPECT_FALSE(amp.Handle(Read(5, 140)));  // display unit setting
  EXPECT_FALSE(amp.Handle(BuildFrame(5, 4, 1, 28)));
}

TEST(Amplifier, CalibrationAndConfigurationDefaultsFitTheType) {
  struct Case {
    int wireType;
    std::uint8_t p;
    float expected;
  } cases[] = {
      {1, 32, -3.5f}, {1, 33, -59.2f}, {1, 35, 3.0f},  {1, 36, 1.0f},  {1, 40, 14.0f},
      {3, 32, 1.0f},  {3, 33, 2.0f},   {3, 34, 0.0f},  {22, 32, 0.5f}, {31, 32, 0.1f},
      {8, 32, 60.0f}, {8, 37, 1.0f},   {1, 72, 25.0f}, {1, 38, 0.0f},  {2, 39, -1000.0f},
  };
  for (const Case& c : cases) {
    Amplifier amp(c.wireType);
    EXPECT_FLOAT_EQ(ReplyFloat(amp.Handle(Read(0, c.p))), c.expected) << "type " << c.wireType << " p " << int(c.p);
  }
}

TEST(Amplifier, WritesAreStoredAndAcknowledgedByEcho) {
  Amplifier amp(1);
  struct Case {
    std::uint8_t p;
    std::uint8_t length;
    link::Data4 data;
  } cases[] = {
      {32, 4, FloatData(-1.25f)},    {47, 1, ByteData(0)},
      {6, 2, link::U16Data(1234)},  // 6: ack the program ignores
      {26, 4, {'Z', '9', '8', '7'}}, {72, 4, FloatData(18.5f)},
  };
  for (const Case& c : cases) {
    const Frame w = BuildFrame(0, 3, c.length, c.p, c.data);
    const auto ack = amp.Handle(w);
    ASSERT_TRUE(ack) << int(c.p);
    EXPECT_EQ(*ack, w);
    EXPECT_EQ(amp.Parameter(c.p), c.data);
    EXPECT_EQ(link::FrameData(*amp.Handle(Read(0, c.p, c.length))), c.data);
  }
  // Read-only and unknown parameters are not acknowledged and keep their value.
  EXPECT_FALSE(amp.Handle(BuildFrame(0, 3, 4, 31, FloatData(9.0f))));
  EXPECT_FLOAT_EQ(amp.ParameterFloat(31), 1.20f);
  EXPECT_FALSE(amp.Handle(BuildFrame(0, 3, 1, 3, ByteData(1))));
}

TEST(Amplifier, AddressWriteIsAcknowledgedFromTheOldAddressThenTakesEffect) {
  Amplifier amp(1, 3);
  const auto ack = amp.Handle(BuildFrame(3, 3, 1, 30, ByteData(7)));
  ASSERT_TRUE(ack);
  EXPECT_EQ(link::FrameAddress(*ack), 3);
  EXPECT_EQ(amp.address(), 7);
  EXPECT_FALSE(amp.Handle(Read(3, 28, 1)));
  const auto r = amp.Handle(Read(7, 30, 1));
  ASSERT_TRUE(r);
  EXPECT_EQ(link::FrameAddress(*r), 7);
  EXPECT_EQ(link::FrameData(*r)[0], 7);
}

TEST(Amplifier, TypeWriteChangesTheReportedTypeAndItsLiveValues) {
  Amplifier amp(1);
  ASSERT_TRUE(amp.Handle(BuildFrame(0, 3, 1, 28, ByteData(8))));
  EXPECT_EQ(amp.wireType(), 8);
  EXPECT_NEAR(amp.Measured(5), 1013.0f, 5.0f);  // oxygen: air pressure
}

TEST(Amplifier, CommandsAreAcknowledgedAndRecorded) {
  Amplifier amp(1);
  for (std::uint8_t c : {67, 65, 68, 69}) {
    const Frame f = BuildFrame(0, 0, 4, c, {1, 2, 3, 4});
    const auto ack = amp.Handle(f);
    ASSERT_TRUE(ack);
    EXPECT_EQ(*ack, f);
  }
  EXPECT_EQ(amp.commands(), (std::vector<std::uint8_t>{67, 65, 68, 69}));
  for (std::uint8_t c : {55, 72}) EXPECT_TRUE(amp.Handle(BuildFrame(0, 1, 1, c)));
  EXPECT_FALSE(amp.Handle(BuildFrame(0, 0, 4, 70)));
  EXPECT_EQ(amp.systemCommands(), (std::vector<std::uint8_t>{55, 72}));
}

TEST(Amplifier, DateAndTimeCommandsSetTheModuleClock) {
  Amplifier amp(1, 0, 5);
  ASSERT_TRUE(amp.Handle(BuildFrame(0, 1, 3, 59, link::TimeData(23, 59, 50))));
  ASSERT_TRUE(amp.Handle(BuildFrame(0, 1, 3, 58, link::DateData(2026, 2, 28))));
  EXPECT_EQ(link::ModuleTimeText(link::FrameData(*amp.Handle(BuildFrame(0, 0, 3, 59)))), "23:59:50");
  amp.Advance(15);  // runs over midnight
  EXPECT_EQ(link::ModuleDateText(link::FrameData(*amp.Handle(BuildFrame(0, 0, 3, 58)))), "01.03.26");
  EXPECT_EQ(link::ModuleTimeText(link::FrameData(*amp.Handle(BuildFrame(0, 0, 3, 59)))), "00:00:05");
  // Nonsense is acknowledged but does not set the clock.
  ASSERT_TRUE(amp.Handle(BuildFrame(0, 1, 3, 59, link::TimeData(25, 0, 0))));
  EXPECT_EQ(amp.clock().hour, 0);
}

TEST(Amplifier, BaudCommandAcksAtTheOldRateThenSwitchesByDeviceKind) {
  struct Case {
    int kind;
    int fast;
  } cases[] = {{5, 38400}, {4, 19200}, {3, 19200}};
  for (const Case& c : cases) {
    Amplifier amp(1, 0, c.kind);
    EXPECT_EQ(amp.baud(), 4800);
    EXPECT_TRUE(amp.Handle(BuildFrame(0, 1, 1, 71, ByteData(1))));
    EXPECT_EQ(amp.baud(), c.fast) << "kind " << c.kind;
    EXPECT_TRUE(amp.Handle(BuildFrame(0, 1, 1, 71, ByteData(0))));
    EXPECT_EQ(amp.baud(), 4800);
  }
  // A display module (type 20 on the wire) talks at 19200 from power-up.
  EXPECT_EQ(Amplifier(20).baud(), 19200);
}

TEST(Amplifier, LiveValuesDriftWithinBoundsDeterministically) {
  struct Case {
    int wireType;
    int channel;
    float centre;
    float bound;
  } cases[] = {
      {1, 1, 7.0f, 0.1f},  {1, 2, -12.0f, 4.0f},  {1, 6, 21.4f, 0.5f},
      {8, 1, 98.5f, 1.0f}, {8, 5, 1013.0f, 2.0f}, {4, 1, 845.0f, 10.0f},
  };
  for (const Case& c : cases) {
    Amplifier a(c.wireType), b(c.wireType);
    float lo = 1e9f, hi = -1e9f;
    for (int i = 0; i < 600; ++i) {
      const auto r = a.Handle(BuildFrame(0, 0, 4, static_cast<std::uint8_t>(c.channel)));
      ASSERT_TRUE(r);
      const float v = ReplyFloat(r);
      EXPECT_EQ(v, b.Measured(c.channel));  // same seed, same path
      EXPECT_NEAR(v, c.centre, c.bound) << "type " << c.wireType << " channel " << c.channel;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
      a.Advance(1.0);
      b.Advance(1.0);
    }
    EXPECT_GT(hi - lo, 0.0f) << "type " << c.wireType << " channel " << c.channel << " never moves";
  }
}

TEST(Amplifier, PinnedValuesHoldUntilUnpinned) {
  Amplifier amp(1);
  amp.SetMeasured(1, 4.01f);
  amp.SetMeasured(6, 25.0f);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(ReplyFloat(amp.Handle(BuildFrame(0, 0, 4, 1))), 4.01f);
    EXPECT_FLOAT_EQ(ReplyFloat(amp.Handle(BuildFrame(0, 0, 4, 6))), 25.0f);
    amp.Advance(30);
  }
  amp.Unpin(1);
  EXPECT_NEAR(amp.Measured(1), 7.0f, 0.1f);
  EXPECT_FLOAT_EQ(amp.Measured(6), 25.0f);
  amp.SetMeasured(0, 1.0f);  // out of range: ignored
  amp.SetMeasured(7, 1.0f);
  EXPECT_EQ(amp.Measured(7), 0.0f);
}

TEST(DisplayUnit, AnswersAt0x80WithStoredSettingsAndStoreCommand) {
  DisplayUnit unit;
  EXPECT_EQ(unit.baud(), 19200);
  EXPECT_FALSE(unit.Handle(Read(0, 28, 1)));
  for (std::uint8_t p : {28, 31, 51, 52, 67, 68, 76, 77, 78, 79, 80, 130, 147, 164})
    EXPECT_TRUE(unit.Handle(Read(0x80, p))) << int(p);
  EXPECT_FALSE(unit.Handle(Read(0x80, 32)));

  const Frame w = BuildFrame(0x80, 3, 1, 164, ByteData(3));
  EXPECT_EQ(unit.Handle(w), w);
  EXPECT_EQ(unit.ParameterByte(164), 3);
  const Frame store = BuildFrame(0x80, 0, 1, 53, ByteData(3));
  EXPECT_EQ(unit.Handle(store), store);
  EXPECT_EQ(unit.stored(), std::vector<std::uint8_t>{3});
  const Frame interval = BuildFrame(0x80, 3, 2, 76, link::U16Data(60));
  EXPECT_EQ(unit.Handle(interval), interval);
  EXPECT_EQ(link::DataU16(link::FrameData(*unit.Handle(Read(0x80, 76, 2)))), 60);
  EXPECT_FALSE(unit.Handle(BuildFrame(0x80, 3, 4, 31, FloatData(1.0f))));
}

}  // namespace
}  // namespace korvane::sim
