#include <gtest/gtest.h>

#include <set>

#include "link/ReplyRules.h"

namespace korvane::link {
namespace {

std::set<int> Range(int from, int to) {
  std::set<int> s;
  for (int i = from; i <= to; ++i) s.insert(i);
  return s;
}

std::set<int> Union(std::initializer_list<std::set<int>> parts) {
  std::set<int> s;
  for (const auto& p : parts) s.insert(p.begin(), p.end());
  return s;
}

// The rules, written out once more the way a technician reads them off the protocol
// table, and compared for every group and all 256 parameters.
TEST(ReplyRules, EveryGroupAndParameter) {
  const std::set<int> table = Union({Range(0, 1),
                                     Range(6, 14),
                                     Range(18, 26),
                                     Range(28, 42),
                                     {47, 48, 51, 52},
                                     Range(55, 58),
                                     {63, 64, 67, 68, 72, 73},
                                     Range(76, 81),
                                     {83},
                                     Range(129, 164)});
  const std::set<int> clearing[4] = {
      Union({Range(1, 6), Range(52, 63), {65, 67, 68, 69}}),
      Union({Range(55, 59), {71, 72}}),
      table,
      Union({{0, 1},
             Range(18, 26),
             {28, 30},
             Range(32, 42),
             {47, 48, 51, 52},
             Range(55, 58),
             {63, 64, 67, 68, 72, 73},
             Range(76, 81),
             {83},
             Range(129, 164)}),
  };
  for (int group = 0; group < 6; ++group) {
    for (int p = 0; p < 256; ++p) {
      const bool expected = group < 4 && clearing[group].count(p);
      EXPECT_EQ(ReplyClearsPending(group, p), expected) << "group " << group << " parameter " << p;
    }
  }
}

TEST(ReplyRules, UnlistedParametersAreUnknown) {
  for (int p : {2, 5, 15, 17, 27, 43, 46, 49, 50, 53, 54, 59, 62, 65, 66, 69, 71, 74, 75, 82, 84, 128, 165, 255})
    EXPECT_FALSE(IsKnownParameter(p)) << p;
}

TEST(ReplyRules, LiveChainOrder) {
  std::vector<int> order;
  for (std::uint8_t p = 1; p; p = NextLiveRequest(p)) order.push_back(p);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 5, 4, 3, 6}));
  EXPECT_EQ(NextLiveRequest(6), 0);
  EXPECT_EQ(NextLiveRequest(7), 0);
}

TEST(ReplyDispatch, ParameterRepliesLandInTheModuleObject) {
  ModuleState m;
  DispatchReply(BuildFrame(0, kRead, 1, 28, ByteData(1)), m);
  EXPECT_EQ(m.typeIndex, 0);
  DispatchReply(BuildFrame(0, kRead, 1, 29, ByteData(5)), m);
  EXPECT_EQ(m.deviceKind, 5);
  DispatchReply(BuildFrame(0, kRead, 4, 31, FloatData(1.2f)), m);
  EXPECT_EQ(m.firmwareText, "Firmware V1.20");
  DispatchReply(BuildFrame(0, kRead, 4, 26, {'Q', '7', '0', '1'}), m);
  EXPECT_EQ(m.identity, "Q701");
  const std::pair<int, float> cal[] = {{32, -3.5f}, {33, -59.2f}, {34, 1.5f}, {37, 1.013f}};
  for (auto [p, v] : cal) DispatchReply(BuildFrame(0, kRead, 4, p, FloatData(v)), m);
  EXPECT_EQ(m.calibration, (std::array<float, 4>{-3.5f, -59.2f, 1.5f, 1.013f}));
  DispatchReply(BuildFrame(0, kRead, 4, 35, FloatData(3.0f)), m);
  DispatchReply(BuildFrame(0, kRead, 4, 36, FloatData(1.0f)), m);
  EXPECT_EQ(m.calibrationKey, (std::array<float, 2>{3.0f, 1.0f}));
  DispatchReply(BuildFrame(0, kRead, 2, 76, U16Data(15)), m);
  EXPECT_EQ(m.ParameterU16(76), 15);
}

TEST(ReplyDispatch, WritesAndUnknownReadsStoreNothing) {
  ModuleState m;
  EXPECT_TRUE(DispatchReply(BuildFrame(0, kWrite, 4, 32, FloatData(9.0f)), m).clearsPending);
  EXPECT_EQ(m.calibration[0], 0.0f);
  const ReplyEffect e = DispatchReply(BuildFrame(0, kRead, 4, 2, FloatData(9.0f)), m);
  EXPECT_FALSE(e.clearsPending);
  EXPECT_EQ(m.parameter[2], (Data4{}));
}

TEST(ReplyDispatch, LiveValuesDriveTheChain) {
  ModuleState m;
  ReplyEffect e = DispatchReply(BuildFrame(0, kValues, 4, 1, FloatData(7.02f)), m);
  EXPECT_EQ(m.measured[0], 7.02f);
  EXPECT_EQ(e.liveChannel, 1);
  EXPECT_EQ(e.nextRequest, 2);
  EXPECT_FALSE(e.chainEnd);
  e = DispatchReply(BuildFrame(0, kValues, 4, 6, FloatData(21.4f)), m);
  EXPECT_EQ(m.measured[5], 21.4f);
  EXPECT_TRUE(e.chainEnd);
  EXPECT_EQ(e.nextRequest, 0);
  EXPECT_TRUE(e.clearsPending);
}

TEST(ReplyDispatch, LoggerAndClockReplies) {
  ModuleState m;
  DispatchReply(BuildFrame(0, kValues, 2, 55, U16Data(1234)), m);
  DispatchReply(BuildFrame(0, kValues, 4, 56, {9, 30, 0, 0}), m);
  DispatchReply(BuildFrame(0, kValues, 3, 58, {8, 12, 26, 0}), m);
  DispatchReply(BuildFrame(0, kValues, 3, 59, {13, 4, 5, 0}), m);
  DispatchReply(BuildFrame(0, kValues, 2, 61, {1, 2, 3, 4}), m);
  DispatchReply(BuildFrame(0, kValues, 4, 54, {5, 6, 7, 8}), m);
  EXPECT_EQ(m.loggerFill, 1234);
  EXPECT_EQ(m.nextEntryTime, "09:30");
  EXPECT_EQ(m.moduleDate, "08.12.26");
  EXPECT_EQ(m.moduleTime, "13:04:05");
  EXPECT_EQ(m.raw61a, 0x0201);
  EXPECT_EQ(m.raw61b, 0x0403);
  EXPECT_EQ(m.loggerRecord, (Data4{5, 6, 7, 8}));
  EXPECT_EQ(m.loggerRecordCount, 1u);
}

}  // namespace
}  // namespace korvane::link
