#include <gtest/gtest.h>

#include "DisplayUnit.h"
#include "Bus.h"
#include "SimOptions.h"

namespace korvane::sim {
namespace {

using link::BuildFrame;

std::vector<std::uint8_t> Bytes(const Frame& f) { return {f.begin(), f.end()}; }

class BusTest : public ::testing::Test {
 protected:
  BusTest() {
    bus.Add(amp0);
    bus.Add(amp3);
    bus.Add(unit);
  }
  std::shared_ptr<Amplifier> amp0 = std::make_shared<Amplifier>(1, 0);
  std::shared_ptr<Amplifier> amp3 = std::make_shared<Amplifier>(3, 3);
  std::shared_ptr<DisplayUnit> unit = std::make_shared<DisplayUnit>();
  Bus bus;
  const Frame type0 = BuildFrame(0, 2, 1, 28);
  const Frame type3 = BuildFrame(3, 2, 1, 28);
};

TEST_F(BusTest, RoutesByAddressAndLogsEveryRequest) {
  EXPECT_EQ(bus.Handle(type0).bytes, Bytes(BuildFrame(0, 2, 1, 28, link::ByteData(1))));
  EXPECT_EQ(bus.Handle(type3).bytes, Bytes(BuildFrame(3, 2, 1, 28, link::ByteData(3))));
  EXPECT_EQ(bus.Handle(BuildFrame(0x80, 2, 1, 28)).bytes.size(), 11u);
  EXPECT_TRUE(bus.Handle(BuildFrame(9, 2, 1, 28)).bytes.empty());
  Frame damaged = type0;
  damaged[9] ^= 0xFF;
  EXPECT_TRUE(bus.Handle(damaged).bytes.empty());
  ASSERT_EQ(bus.received().size(), 5u);
  EXPECT_EQ(bus.received()[4], damaged);
  bus.ClearLog();
  EXPECT_TRUE(bus.received().empty());
}

TEST_F(BusTest, FaultsChangeWhatGoesOnTheLine) {
  const auto good = Bytes(BuildFrame(0, 2, 1, 28, link::ByteData(1)));
  struct Case {
    Fault fault;
    std::vector<std::uint8_t> bytes;
    int delayMs;
    bool hangUp;
  };
  auto badCheck = good;
  badCheck[9] ^= 0x5A;
  auto badEnd = good;
  badEnd[10] = 0;
  auto stray = good;
  stray.insert(stray.begin(), {0x00, 0xFF});
  bus.SetLateDelayMs(700);
  const Case cases[] = {
      {Fault::kNone, good, 0, false},
      {Fault::kNoReply, {}, 0, false},
      {Fault::kBadCheck, badCheck, 0, false},
      {Fault::kBadEnd, badEnd, 0, false},
      {Fault::kWatchdog, {'W', 'D', 1, 0, 0, 0, 0, 0, 0}, 0, false},
      {Fault::kStrayBytes, stray, 0, false},
      {Fault::kLate, good, 700, false},
      {Fault::kHangUp, {}, 0, true},
  };
  for (const Case& c : cases) {
    bus.SetFault(c.fault);
    const Reply r = bus.Handle(type0);
    EXPECT_EQ(r.bytes, c.bytes) << FaultName(c.fault);
    EXPECT_EQ(r.delayMs, c.delayMs) << FaultName(c.fault);
    EXPECT_EQ(r.hangUp, c.hangUp) << FaultName(c.fault);
    // A standing fault stays.
    EXPECT_EQ(bus.Handle(type0).bytes, c.bytes) << FaultName(c.fault);
  }
}

TEST_F(BusTest, NextFaultHitsOneRequestOnlyInOrder) {
  bus.FaultNext(Fault::kNoReply);
  bus.FaultNext(Fault::kLate);
  EXPECT_TRUE(bus.Handle(type0).bytes.empty());
  EXPECT_EQ(bus.Handle(type0).delayMs, bus.lateDelayMs());
  const Reply r = bus.Handle(type0);
  EXPECT_EQ(r.bytes.size(), 11u);
  EXPECT_EQ(r.delayMs, 0);
}

TEST_F(BusTest, ConditionalFaultHitsItsGroupAndParameterForItsCount) {
  bus.FaultWhen(2, 28, Fault::kNoReply, 2);
  const Frame slope = BuildFrame(0, 2, 4, 33);
  EXPECT_EQ(bus.Handle(slope).bytes.size(), 11u);
  EXPECT_TRUE(bus.Handle(type0).bytes.empty());
  EXPECT_TRUE(bus.Handle(type3).bytes.empty());  // any address
  EXPECT_EQ(bus.Handle(type0).bytes.size(), 11u);

  bus.FaultWhen(2, 33, Fault::kBadEnd, -1);  // every time
  for (int i = 0; i < 3; ++i) EXPECT_EQ(bus.Handle(slope).bytes.at(10), 0);
}

TEST_F(BusTest, DevicesIgnoreRequestsAtAnotherRate) {
  bus.SetLineBaud(19200);
  EXPECT_TRUE(bus.Handle(type0).bytes.empty());                         // amplifier at 4800
  EXPECT_EQ(bus.Handle(BuildFrame(0x80, 2, 1, 28)).bytes.size(), 11u);  // display unit at 19200
  bus.SetLineBaud(4800);
  EXPECT_EQ(bus.Handle(BuildFrame(0, 1, 1, 71, link::ByteData(1))).bytes.size(), 11u);
  EXPECT_TRUE(bus.Handle(type0).bytes.empty());  // the module is at 19200 now
  bus.SetLineBaud(19200);
  EXPECT_EQ(bus.Handle(type0).bytes.size(), 11u);
  EXPECT_TRUE(bus.Handle(type3).bytes.empty());  // the other module stayed at 4800
}

TEST_F(BusTest, AdvanceReachesEveryDevice) {
  const float before0 = amp0->Measured(1), before3 = amp3->Measured(1);
  bus.Advance(37.0);
  EXPECT_NE(amp0->Measured(1), before0);
  EXPECT_NE(amp3->Measured(1), before3);
}

}  // namespace
}  // namespace korvane::sim

namespace korvane::sim {
namespace {

// Each module of a bus answers with an identity of its own; one module alone keeps the
// one the program's examples show.
TEST(SimIdentity, OneModuleA123ABusOnePerAddressOrTheOneGiven) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> identities;  // by module, in the options' order
  } rows[] = {
      {{}, {"A123"}},
      {{"--module", "3:1", "--module", "5:3:5"}, {"S003", "S005"}},
      {{"--module", "3:1:4:PH01", "--device", "type=3,address=7,identity=Q"}, {"PH01", "Q"}},
  };
  for (const auto& r : rows) {
    platform::LineRequest help = platform::LineRequest::kRun;
    std::string error;
    const std::optional<SimOptions> o = ParseSimOptions(r.args, &help, &error);
    ASSERT_TRUE(o) << error;
    Bus bus;
    BuildBus(*o, bus);
    for (std::size_t i = 0; i < r.identities.size(); ++i) {
      const auto address = static_cast<std::uint8_t>(o->devices[i].address);
      const std::optional<Frame> reply = bus.DeviceFor(address)->Handle(link::BuildFrame(address, 2, 4, 26));
      ASSERT_TRUE(reply);
      EXPECT_EQ(link::IdentityText(link::FrameData(*reply)), r.identities[i]);
    }
  }
}

}  // namespace
}  // namespace korvane::sim
