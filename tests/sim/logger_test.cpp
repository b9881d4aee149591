#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "DisplayUnit.h"
#include "Bus.h"
#include "Amplifier.h"

namespace korvane::sim {
namespace {

using link::BuildFrame;

// Collects the record bytes of a readout stream the way the program does: the first
// frame carries nothing, every further frame two bytes in d2 d3.
std::vector<std::uint8_t> RecordBytes(const std::vector<Frame>& stream) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 1; i < stream.size(); ++i) {
    bytes.push_back(stream[i][7]);
    bytes.push_back(stream[i][8]);
  }
  return bytes;
}

float UpperBytesFloat(const std::uint8_t* b) { return link::DataFloat({0, b[0], b[1], b[2]}); }

TEST(AmplifierLogger, ReadoutStreamsLongRecordsWithAPointerInStep) {
  Amplifier amp(1, 2, 4);
  const auto size = amp.Handle(BuildFrame(2, 0, 2, 0x37));
  ASSERT_TRUE(size);
  const int records = link::DataU16(link::FrameData(*size));
  ASSERT_EQ(records, 24);
  EXPECT_EQ(link::FrameData(*amp.Handle(BuildFrame(2, 0, 4, 0x34, {0, 0, 0, 0}))), (link::Data4{'p', 'H', ' ', ' '}));
  EXPECT_EQ(link::FrameData(*amp.Handle(BuildFrame(2, 0, 4, 0x34, {1, 0, 0, 0}))), (link::Data4{'m', 'V', ' ', ' '}));

  const auto stream = amp.HandleAll(BuildFrame(2, 0, 4, 0x36, {1, 0, 0, 0}));
  ASSERT_EQ(stream.size(), 1u + 24 * 8);
  for (std::size_t i = 0; i < stream.size(); ++i) {
    ASSERT_TRUE(link::IsValidFrame(stream[i]));
    EXPECT_EQ(link::FrameParameter(stream[i]), 0x36);
    if (i > 0 && i % 8 == 0) {
      EXPECT_EQ((link::DataU16(link::FrameData(stream[i])) + 2) % 16, 0) << i;
    }
  }
  const auto bytes = RecordBytes(stream);
  for (int r = 0; r < records; ++r) {
    const std::uint8_t* rec = bytes.data() + r * 16;
    EXPECT_EQ(rec[0], 15);  // the module clock starts on 15.01.26 10:30
    EXPECT_EQ(rec[1], 1);
    EXPECT_EQ(rec[2], 26);
    EXPECT_EQ(rec[3] * 60 + rec[4], 10 * 60 + 30 - (records - r) * 10);
    EXPECT_NEAR(UpperBytesFloat(rec + 6), 7.02f, 0.05f);
    EXPECT_NEAR(UpperBytesFloat(rec + 9), -12.0f, 3.0f);
    EXPECT_NEAR(UpperBytesFloat(rec + 12), 21.4f, 0.4f);
  }

  ASSERT_TRUE(amp.Handle(BuildFrame(2, 1, 2, 0x37)));
  EXPECT_EQ(amp.loggerCount(), 0);
  EXPECT_EQ(link::DataU16(link::FrameData(*amp.Handle(BuildFrame(2, 0, 2, 0x37)))), 0);
  EXPECT_EQ(amp.HandleAll(BuildFrame(2, 0, 4, 0x36, {1, 0, 0, 0})).size(), 1u);
}

TEST(AmplifierLogger, EarlierDevicesKeepNoLogger) {
  Amplifier amp(1, 0, 3);
  EXPECT_EQ(amp.loggerCount(), 0);
  EXPECT_EQ(amp.HandleAll(BuildFrame(1, 0, 4, 0x36)).size(), 0u);  // another address
}

TEST(DisplayUnitLogger, ReadoutStreamsDisplayRecords) {
  DisplayUnit unit;
  const int bytesHeld = link::DataU16(link::FrameData(*unit.Handle(BuildFrame(0x80, 0, 2, 0x37))));
  EXPECT_EQ(bytesHeld, 12 * 26);
  EXPECT_EQ(link::FrameData(*unit.Handle(BuildFrame(0x80, 0, 4, 0x34, {3, 0, 0, 0}))), (link::Data4{0, 0, 0, 0}));

  const auto stream = unit.HandleAll(BuildFrame(0x80, 0, 4, 0x36, {7, 0, 0, 0}));
  ASSERT_EQ(stream.size(), 1u + 12 * 13);
  const auto bytes = RecordBytes(stream);
  // Unpack the first record's 42 display characters.
  static const char kCode[] = "0123456789<>,-  ";
  std::string shown;
  for (int i = 0; i < 21; ++i) {
    shown += kCode[bytes[5 + i] >> 4];
    shown += kCode[bytes[5 + i] & 15];
  }
  EXPECT_EQ(shown.size(), 42u);
  for (int sep : {5, 10, 15, 20, 25, 30, 35}) EXPECT_EQ(shown[static_cast<std::size_t>(sep)], ' ') << shown;
  EXPECT_EQ(shown.substr(0, 5), " 7,00") << shown;
  EXPECT_EQ(shown.substr(36), "1013,0") << shown;

  ASSERT_TRUE(unit.Handle(BuildFrame(0x80, 1, 2, 0x37, {2, 0, 0, 0})));
  EXPECT_EQ(unit.loggerCount(), 0);
}

TEST(DisplayUnitLogger, InformationRequestsAndClock) {
  DisplayUnit unit;
  ASSERT_TRUE(unit.Handle(BuildFrame(0x80, 1, 3, 59, link::TimeData(8, 7, 0))));
  ASSERT_TRUE(unit.Handle(BuildFrame(0x80, 1, 3, 58, link::DateData(2027, 12, 31))));
  EXPECT_EQ(link::ModuleDateText(link::FrameData(*unit.Handle(BuildFrame(0x80, 0, 3, 0x3a)))), "31.12.27");
  EXPECT_EQ(link::ModuleTimeText(link::FrameData(*unit.Handle(BuildFrame(0x80, 0, 3, 0x3b)))), "08:07:00");
  // Interval 15 minutes: the next storage is at the next quarter hour.
  EXPECT_EQ(link::NextEntryTimeText(link::FrameData(*unit.Handle(BuildFrame(0x80, 0, 4, 0x38)))), "08:15");
}

TEST(BusStream, AllFramesGoOutAndAFaultDamagesTheFirst) {
  Bus bus;
  bus.Add(std::make_shared<Amplifier>(1, 0, 5));
  const Frame readout = BuildFrame(0, 0, 4, 0x36, {1, 0, 0, 0});
  EXPECT_EQ(bus.Handle(readout).bytes.size(), 11u * (1 + 24 * 8));
  bus.FaultNext(Fault::kBadCheck);
  const Reply r = bus.Handle(readout);
  Frame first, second;
  std::copy_n(r.bytes.begin(), 11, first.begin());
  std::copy_n(r.bytes.begin() + 11, 11, second.begin());
  EXPECT_FALSE(link::IsValidFrame(first));
  EXPECT_TRUE(link::IsValidFrame(second));
}

}  // namespace
}  // namespace korvane::sim
