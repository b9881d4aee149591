// The rules of the parametrization on plain values: field takeover, DAC ranges, which
// controls a type enables, range codes, the air-pressure adjustment, the device number.
#include <gtest/gtest.h>

#include "parametrization/ParamFields.h"
#include "parametrization/ParamTexts.h"

namespace korvane::parametrization {
namespace {

TEST(TakeOver, RefusesTheFirstInvalidFieldWithItsMessage) {
  struct Case {
    const char* delay;
    const char* dac3;
    const char* pressure;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"250", "810", "1013", nullptr},
      {" 0 ", "+4096", "-5", nullptr},
      {"251", "810", "1013", texts::kDelayRange},
      {"256", "810", "1013", texts::kByteNumber},
      {"-1", "810", "1013", texts::kByteNumber},
      {"", "810", "1013", texts::kByteNumber},
      {"12", "8x", "1013", texts::kWholeNumber},
      {"12", "810", "1013.5", texts::kWholeNumber},
      {"12", "99999999999", "1013", texts::kWholeNumber},
  };
  for (const Case& c : cases) {
    ParamFields f;
    f.delay = c.delay;
    f.dac[3] = c.dac3;
    f.airPressure = c.pressure;
    std::string message;
    const auto v = TakeOver(f, &message);
    SCOPED_TRACE(std::string(c.delay) + " / " + c.dac3 + " / " + c.pressure);
    if (c.message) {
      EXPECT_FALSE(v);
      EXPECT_EQ(message, c.message);
    } else {
      ASSERT_TRUE(v);
      EXPECT_EQ(v->delay, std::stoi(c.delay));
    }
  }
}

TEST(DacRange, LowerAndUpperFieldsKeepToTheirUpDownRanges) {
  struct Case {
    int field;
    int value;
    bool accepted;
  } cases[] = {{0, 0, true},   {0, 800, true},  {0, 801, false},  {0, -1, false}, {1, 809, false},
               {1, 810, true}, {1, 4096, true}, {7, 4097, false}, {6, 800, true}, {7, 65535, false}};
  for (const Case& c : cases) {
    const std::string problem = DacRangeProblem(c.field, c.value);
    EXPECT_EQ(problem.empty(), c.accepted) << c.field << " " << c.value;
  }
  EXPECT_EQ(DacRangeProblem(7, 4097),
            "DAC 3 oberer Wert: nur Werte von 810 bis 4096 sind erlaubt. Es wurde nichts gesendet.");
  EXPECT_EQ(DacFieldName(4), "DAC 2 unterer Wert");
}

TEST(Enabling, RangeButtonsMeasureAndTheDisplayModule) {
  struct Case {
    int type;
    bool range, measure, pressureEdit, temperature, para;
  } cases[] = {
      {0, false, false, false, true, true},  {1, false, false, false, true, true},
      {2, true, false, false, true, true},   {3, true, false, false, true, true},
      {5, true, false, false, true, true},   {6, false, false, false, true, true},
      {7, false, true, true, true, true},    {19, false, false, false, false, false},
      {20, true, false, false, true, true},  {23, true, false, false, true, true},
      {24, false, false, false, true, true}, {29, false, false, false, true, true},
  };
  for (const Case& c : cases) {
    const ControlEnabling e = EnablingForType(c.type);
    SCOPED_TRACE(c.type);
    EXPECT_EQ(e.rangeButtons, c.range);
    EXPECT_EQ(e.measureAirPressure, c.measure);
    EXPECT_EQ(e.airPressureEdit, c.pressureEdit);
    EXPECT_EQ(e.temperatureButtons, c.temperature);
    EXPECT_EQ(e.paraButtons, c.para);
  }
}

TEST(RangeCode, TwoElectrodeTypesWriteThreeToSixFourElectrodeTypes21To24) {
  for (int b = 0; b < 4; ++b) {
    EXPECT_EQ(RangeCode(b, 3), 3 + b);
    EXPECT_EQ(RangeCode(b, 19), 3 + b);
    EXPECT_EQ(RangeCode(b, 20), 21 + b);
    EXPECT_EQ(RangeCode(b, 23), 21 + b);
  }
}

TEST(AirPressure, AcceptedRangeAndTheAdjustmentValue) {
  for (int hPa : {799, 1101, 0, -1013}) EXPECT_FALSE(AirPressureAccepted(hPa)) << hPa;
  for (int hPa : {800, 1013, 1100}) EXPECT_TRUE(AirPressureAccepted(hPa)) << hPa;
  struct Case {
    std::uint32_t raw;
    int hPa;
    std::optional<std::uint16_t> value;
  } cases[] = {{40000, 1013, 40000}, {40000, 1000, 40520}, {40000, 1100, 36836},
               {0, 900, 0},          {64690, 1000, 65530}, {65535, 801, std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(AirPressureAdjustment(c.raw, c.hPa), c.value) << c.raw << " " << c.hPa;
}

TEST(DeviceNumber, ThreeOrFourCharactersAreSent) {
  struct Case {
    const char* text;
    std::optional<link::Data4> data;
  } cases[] = {{"AB", std::nullopt},
               {"", std::nullopt},
               {"ABC", link::Data4{'A', 'B', 'C', 0}},
               {"A123", link::Data4{'A', '1', '2', '3'}},
               {"Ä12", link::Data4{0xC4, '1', '2', 0}},
               {"€€", std::nullopt},
               {"Ж123", std::nullopt}};
  for (const Case& c : cases) {
    std::string message;
    EXPECT_EQ(DeviceNumberData(c.text, &message), c.data) << c.text;
    EXPECT_EQ(message.empty(), c.data.has_value()) << c.text;
  }
  EXPECT_EQ(DeviceNumberText({'A', 'B', 'C', 0}), "ABC");
  EXPECT_EQ(DeviceNumberText({0xC4, '1', 0, '9'}), "Ä1");
}

}  // namespace
}  // namespace korvane::parametrization
