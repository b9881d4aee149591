// The rules of the parametrization on plain values: field takeover, DAC ranges, the
// device number's characters.
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

TEST(DeviceNumber, WindowsCharactersUpToAZeroByte) {
  struct Case {
    const char* text;
    std::optional<link::Data4> data;
  } cases[] = {{"Ä12", link::Data4{0xC4, '1', '2', 0}}, {"€€", std::nullopt}, {"Ж123", std::nullopt}};
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
