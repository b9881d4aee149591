#include <gtest/gtest.h>

#include <cmath>

#include "link/Address.h"
#include "link/Frame.h"

namespace korvane::link {
namespace {

TEST(Frame, TypeReadAtAddress5MatchesTheWireBytes) {
  const Frame f = BuildFrame(5, kRead, 1, 28);
  EXPECT_EQ(HexText(f), "28 05 02 01 1C 00 00 00 00 1A 29");
  EXPECT_TRUE(IsValidFrame(f));
}

TEST(Frame, CheckByteCoversAddressToLastDataByteOnly) {
  Frame f = BuildFrame(0x80, kWrite, 4, 164, {1, 2, 3, 4});
  EXPECT_EQ(f[9], 0x80 ^ 3 ^ 4 ^ 164 ^ 1 ^ 2 ^ 3 ^ 4);
  f[0] = 0;  // the start byte is not part of the check
  EXPECT_EQ(CheckByte(f.data()), f[9]);
}

TEST(Frame, ValidityNeedsStartEndAndCheck) {
  struct Case {
    int index;
    std::uint8_t value;
  } cases[] = {{0, '['}, {10, ']'}, {9, 0x00}, {5, 0x77}};
  for (const Case& c : cases) {
    Frame f = BuildFrame(1, kRead, 4, 32);
    f[c.index] = c.value;
    EXPECT_FALSE(IsValidFrame(f)) << "byte " << c.index;
  }
}

TEST(Frame, FloatTravelsLittleEndian) {
  EXPECT_EQ(FloatData(1.0f), (Data4{0x00, 0x00, 0x80, 0x3F}));
  EXPECT_EQ(DataFloat({0x00, 0x00, 0x80, 0x3F}), 1.0f);
  for (float v : {-59.17f, 0.0f, 1013.25f, -1e-7f, 3.4e38f}) EXPECT_EQ(DataFloat(FloatData(v)), v);
  EXPECT_TRUE(std::isnan(DataFloat(FloatData(NAN))));
}

TEST(Frame, SixteenBitAndByteValues) {
  EXPECT_EQ(U16Data(0x1234), (Data4{0x34, 0x12, 0, 0}));
  EXPECT_EQ(DataU16({0x34, 0x12, 0xFF, 0xFF}), 0x1234);  // d2, d3 ignored in replies
  EXPECT_EQ(DataU16High({0, 0, 0xCD, 0xAB}), 0xABCD);
  EXPECT_EQ(ByteData(255), (Data4{255, 0, 0, 0}));
}

TEST(Frame, ClockRequestsCarryTheirFieldsInWireOrder) {
  EXPECT_EQ(TimeData(13, 5, 59), (Data4{13, 5, 59, 0}));
  // year - 2000, day, month
  EXPECT_EQ(DateData(2026, 12, 8), (Data4{26, 8, 12, 0}));
}

TEST(Frame, ReplyTexts) {
  EXPECT_EQ(FirmwareText(1.2f), "Firmware V1.20");
  // The float is widened as it is and rounded by printf: 2.005f is 2.00500011...
  EXPECT_EQ(FirmwareText(2.005f), "Firmware V2.01");
  EXPECT_EQ(FirmwareText(2.0049f), "Firmware V2.00");
  EXPECT_EQ(ModuleDateText({8, 12, 26, 0}), "08.12.26");
  EXPECT_EQ(ModuleTimeText({7, 5, 3, 0}), "07:05:03");
  EXPECT_EQ(NextEntryTimeText({23, 59, 9, 9}), "23:59");
  EXPECT_EQ(IdentityText({'A', '1', '2', '3'}), "A123");
  EXPECT_EQ(IdentityText({'A', '1', 0, '3'}), "A1");  // a zero byte ends the text
}

TEST(Address, UpDownPositionsFoldToModuleAddresses) {
  struct Case {
    int position;
    int address;
  } cases[] = {{0, 0}, {31, 31}, {32, 255}, {100, 255}, {253, 255}, {254, 31}, {255, 255}};
  for (const Case& c : cases) EXPECT_EQ(FoldAddressPosition(c.position), c.address) << c.position;
}

}  // namespace
}  // namespace korvane::link
