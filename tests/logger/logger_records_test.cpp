// The logger's record formats and export lines on hand-made byte vectors.
#include <gtest/gtest.h>

#include <vector>

#include "logger/ChartPoints.h"
#include "logger/LoggerInfo.h"
#include "logger/LoggerRecords.h"
#include "logger/RecordAssembler.h"

namespace korvane::logger {
namespace {

TEST(DisplayRecord, NibblesBecomeTheUnitsCharactersAndTabsTakeEveryFifthPlace) {
  const std::uint8_t packed[] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
  EXPECT_EQ(DisplayCharacters(packed, sizeof packed), "0123456789<>,-  ");

  DisplayRecord r{31, 12, 25, 23, 59};
  for (std::size_t i = 5; i < r.size(); ++i) r[i] = 0x12;  // "1212..."
  // 42 characters: positions 5, 10, ..., 35 are TABs whatever they held.
  const std::string chars = "12121\t1212\t2121\t1212\t2121\t1212\t2121\t121212";
  EXPECT_EQ(DisplayRecordLine(r), "\n31.12.25\t23:59\t" + chars);
}

TEST(LongRecord, ThreeByteFloatsAndTheLineWithTheTypesDecimals) {
  EXPECT_EQ(ThreeByteFloat(0x00, 0x80, 0x3F), 1.0f);
  // 7.0 = 00 00 E0 40, -12.5 = 00 00 48 C1, 21.5 = 00 00 AC 41: the lowest byte is dropped.
  const LongRecordBytes bytes{31, 12, 55, 23, 59, 58, 0x00, 0xE0, 0x40, 0x00, 0x48, 0xC1, 0x00, 0xAC, 0x41, 0x99};
  const LongRecord r = DecodeLongRecord(bytes);
  EXPECT_EQ(r.value1, 7.0f);
  EXPECT_EQ(r.value2, -12.5f);
  EXPECT_EQ(r.temperature, 21.5f);
  EXPECT_EQ(LongRecordLine(r, 0), "\n31.12.55\t23:59:58\t7.00\t-12\t21.5");  // pH: 2 and 0 decimals
  EXPECT_EQ(LongRecordLine(r, 99), "\n31.12.55\t23:59:58\t7\t-12\t21.5");    // no type: no decimals
}

TEST(ExportCells, ChannelNamesAndTheDeviceCell) {
  EXPECT_EQ(ChannelNameCell(link::Data4{'p', 'H', ' ', ' '}), "pH  \t");
  EXPECT_EQ(ChannelNameCell(link::Data4{0, 0, 0, 0}), "n.a.\t");
  EXPECT_EQ(ChannelNameCell(std::nullopt), "err ");
  EXPECT_EQ(DeviceCell("A123"),
            "\xB0"
            "C\tdevice:A123");
}

TEST(LoggerSize, ModuleRepliesAndEmptyLoggers) {
  const struct {
    std::uint16_t reply;
    int bytes;
  } module[] = {{0, 2}, {1, 16}, {250, 4000}, {0x2000, 64000}, {0x2001, 64000}, {0xFFFF, 64000}};
  for (const auto& c : module) EXPECT_EQ(ModuleDataBytes(c.reply), c.bytes) << c.reply;
  for (int displayBytes : {0, 1, 2}) EXPECT_TRUE(LoggerEmpty(displayBytes)) << displayBytes;
  EXPECT_FALSE(LoggerEmpty(3));
}

TEST(RecordAssembler, DisplayRecordsAfterThirteenFramesLongRecordsWithTheirPointer) {
  RecordAssembler display(false);
  for (int f = 1; f <= 13; ++f) {
    const auto e = display.Feed({0, 0, static_cast<std::uint8_t>(2 * f), static_cast<std::uint8_t>(2 * f + 1)});
    EXPECT_EQ(e, f == 13 ? RecordAssembler::Event::kDisplayRecord : RecordAssembler::Event::kNone) << f;
  }
  EXPECT_EQ(display.displayRecord()[0], 2);
  EXPECT_EQ(display.displayRecord()[25], 27);

  // Eight frames to a long record; the eighth carries pointer 14 (in step) or 15 (not).
  RecordAssembler module(true);
  auto frame = [](std::uint16_t pointer, std::uint8_t a) {
    return link::Data4{static_cast<std::uint8_t>(pointer & 0xFF), static_cast<std::uint8_t>(pointer >> 8), a, a};
  };
  for (std::uint16_t p = 0; p < 14; p += 2) EXPECT_EQ(module.Feed(frame(p, 1)), RecordAssembler::Event::kNone);
  EXPECT_EQ(module.Feed(frame(15, 9)), RecordAssembler::Event::kOutOfStep);
  EXPECT_EQ(module.pointer(), 15);
  // The next frame takes the place of the last two bytes.
  EXPECT_EQ(module.Feed(frame(30, 7)), RecordAssembler::Event::kLongRecord);
  EXPECT_EQ(module.longRecord()[13], 1);
  EXPECT_EQ(module.longRecord()[14], 7);
  EXPECT_EQ(module.longRecord()[15], 7);
}

TEST(ChartPoints, SecondsSinceTheFirstRecordWithoutImpossibleOrEarlierOnes) {
  auto rec = [](int d, int mo, int y, int h, int mi, int s, float v = 1.0f) {
    LongRecord r;
    r.day = static_cast<std::uint8_t>(d), r.month = static_cast<std::uint8_t>(mo),
    r.year = static_cast<std::uint8_t>(y);
    r.hour = static_cast<std::uint8_t>(h), r.minute = static_cast<std::uint8_t>(mi),
    r.second = static_cast<std::uint8_t>(s);
    r.value1 = v;
    r.temperature = 20.0f;
    return r;
  };
  EXPECT_TRUE(ChartPoints({}).empty());
  const std::vector<ChartPoint> one = ChartPoints({rec(31, 12, 25, 23, 59, 59)});
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].seconds, 0.0);

  const std::vector<ChartPoint> points = ChartPoints({
      rec(31, 12, 25, 23, 59, 0, 1),  // base
      rec(1, 1, 26, 0, 1, 0, 2),      // across the year: 120 s later
      rec(1, 0, 26, 0, 2, 0, 3),      // month 0: no such date
      rec(32, 1, 26, 0, 2, 0, 4),     // day 32
      rec(1, 1, 26, 24, 0, 0, 5),     // hour 24
      rec(31, 12, 25, 23, 58, 0, 6),  // older than the base
      rec(1, 1, 26, 1, 0, 0, 7),
  });
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1].seconds, 120.0);
  EXPECT_EQ(points[1].value1, 2.0f);
  EXPECT_EQ(points[2].seconds, 3660.0);

  // A garbled first record does not hide the good ones: the first possible one is the base.
  const std::vector<ChartPoint> afterGarbage = ChartPoints({
      rec(0, 0, 255, 99, 99, 99, 9),  // no date at all
      rec(31, 12, 25, 23, 59, 0, 1),  // base
      rec(1, 1, 26, 0, 1, 0, 2),
  });
  ASSERT_EQ(afterGarbage.size(), 2u);
  EXPECT_EQ(afterGarbage[0].seconds, 0.0);
  EXPECT_EQ(afterGarbage[0].value1, 1.0f);
  EXPECT_EQ(afterGarbage[1].seconds, 120.0);
  EXPECT_TRUE(ChartPoints({rec(0, 0, 0, 0, 0, 0)}).empty());
}

TEST(LoggerInfo, TextInBothLanguages) {
  LoggerInfo info{"15.01.26", "10:30:00", "10:40", 15, 360, true};
  EXPECT_EQ(LoggerInfoText(info, Language::kGerman),
            "Aktuelle Uhrzeit: 15.01.26 10:30:00\n\rNächste Speicherung: 10:40\n\r"
            "Datenlogger Intervall:: 15 min Vorhandene Datensätze:: 12\n\rDatenlogger ist freigegeben.");
  info.enabled = false;
  EXPECT_EQ(LoggerInfoText(info, Language::kEnglish),
            "Actual time: 15.01.26 10:30:00\n\rNext save time: 10:40\n\r"
            "data logging interval in minutes: 15 min Sets of data:: 12\n\rData logger is disable.");
}

}  // namespace
}  // namespace korvane::logger
