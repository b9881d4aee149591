#include <gtest/gtest.h>

#include <vector>

#include "link/FrameReceiver.h"

namespace korvane::link {
namespace {

using R = FrameReceiver::Result;

std::vector<R> FeedAll(FrameReceiver& rx, const std::vector<std::uint8_t>& bytes) {
  std::vector<R> out;
  for (std::uint8_t b : bytes) {
    R r = rx.Feed(b);
    if (r != R::kNone) out.push_back(r);
  }
  return out;
}

std::vector<std::uint8_t> Bytes(const Frame& f) { return {f.begin(), f.end()}; }

TEST(FrameReceiver, ValidFrameAfterElevenBytes) {
  FrameReceiver rx;
  const Frame f = BuildFrame(0, kRead, 4, 32, FloatData(1.0f));
  EXPECT_EQ(FeedAll(rx, Bytes(f)), (std::vector<R>{R::kFrame}));
  EXPECT_EQ(rx.frame(), f);
  EXPECT_EQ(rx.count(), 0);
}

TEST(FrameReceiver, DamagedFrameIsReportedAndTheNextStartsFromScratch) {
  FrameReceiver rx;
  Frame bad = BuildFrame(0, kRead, 4, 32, FloatData(1.0f));
  bad[9] ^= 0x01;
  const Frame good = BuildFrame(0, kRead, 4, 33, FloatData(2.0f));
  std::vector<std::uint8_t> line = Bytes(bad);
  line.insert(line.end(), good.begin(), good.end());
  EXPECT_EQ(FeedAll(rx, line), (std::vector<R>{R::kBadFrame, R::kFrame}));
  EXPECT_EQ(rx.frame(), good);
}

TEST(FrameReceiver, StrayByteShiftsTheFrameUntilTheNextReset) {
  FrameReceiver rx;
  const Frame f = BuildFrame(0, kRead, 4, 32, FloatData(1.0f));
  std::vector<std::uint8_t> line{0x55};
  line.insert(line.end(), f.begin(), f.end());
  // No search for '(': the stray byte makes the first eleven bytes a bad frame.
  EXPECT_EQ(FeedAll(rx, line), (std::vector<R>{R::kBadFrame}));
  EXPECT_EQ(rx.count(), 1);
  rx.Reset();  // the next request
  EXPECT_EQ(FeedAll(rx, Bytes(f)), (std::vector<R>{R::kFrame}));
}

TEST(FrameReceiver, WatchdogNoticeFiresOnTheSeventhByteAfterWD) {
  FrameReceiver rx;
  std::vector<std::uint8_t> notice{'W', 'D', '1', '2', '3', '4', '5', '6'};
  EXPECT_TRUE(FeedAll(rx, notice).empty());
  EXPECT_EQ(rx.Feed('7'), R::kWatchdog);
  EXPECT_EQ(rx.count(), 0);
  // A reply right after it is read normally.
  EXPECT_EQ(FeedAll(rx, Bytes(BuildFrame(0, kValues, 4, 6))), (std::vector<R>{R::kFrame}));
}

TEST(FrameReceiver, WatchdogInsideAFrameTakesPrecedence) {
  FrameReceiver rx;
  // '(' 'W' 'D' and seven more: the notice wins at the tenth byte, no frame is dispatched.
  std::vector<std::uint8_t> line{'(', 'W', 'D', 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(FeedAll(rx, line), (std::vector<R>{R::kWatchdog}));
}

TEST(FrameReceiver, WatchdogTextIsDated) {
  platform::LocalTime t{2014, 3, 7, 9, 5, 0};
  EXPECT_EQ(WatchdogText(t), "07.03.2014\t09:05\tWD-RESET \n\r");
}

}  // namespace
}  // namespace korvane::link
