#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "measurement/LiveFormat.h"

namespace korvane::measurement {
namespace {

struct FieldCase {
  int type;
  int channel;
  float value;
  const char* text;
};

TEST(FieldText, UsesTheTypesDecimals) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const FieldCase cases[] = {
      {0, 1, 7.02f, "7.02"},   // pH value, two decimals
      {0, 2, -12.4f, "-12"},   // cell voltage, none
      {0, 3, 3.7f, ""},        // a channel the type does not name shows nothing
      {0, 6, 21.43f, "21.4"},  // temperature always one
      {0, 6, -5.06f, "-5.1"},   {7, 2, 8.123f, "8.12"},
      {7, 4, 212.6f, "213"},    {29, 4, 212.64f, "212.6"},  // the second oxygen type has a decimal there
      {6, 1, 3.46f, "3.5"},     {23, 1, 123.46f, "123.5"},
      {22, 3, 100.0f, "100.0"},  // the overflow mark is only for type 23
      {23, 3, 99.94f, "99.9"},  {23, 3, -3.26f, "-3.3"},
      {23, 3, 100.0f, ">>>>"},  {23, 3, 1234.5f, ">>>>"},
      {23, 3, nan, ">>>>"},     {23, 3, std::numeric_limits<float>::infinity(), ">>>>"},
      {40, 1, 3.7f, ""},  // unknown type: no names
      {-1, 6, 20.0f, "20.0"},   {0, 0, 1.0f, ""},
      {0, 7, 1.0f, ""},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type) + " channel " + std::to_string(c.channel));
    EXPECT_EQ(FieldText(c.type, c.channel, c.value), c.text);
  }
}

struct StatusCase {
  int type;
  Language language;
  std::array<float, 4> cal;
  int lastLabel;
  const char* text;
};

TEST(CalibrationStatusLine, ListsTheNamedValues) {
  const StatusCase cases[] = {
      {0, Language::kGerman, {1.23f, -58.66f, 9.0f, 9.0f}, 4, "Asymmetrie: 1.2  Steilheit: -58.7  "},
      {0, Language::kEnglish, {1.23f, -58.66f, 9.0f, 9.0f}, 4, "asymmetrie: 1.2  slope: -58.7  "},
      // Label 1 of "linear" is empty but still shown; label 4 is empty and left out.
      {8, Language::kGerman, {1.5f, 2.0f, 3.0f, 4.0f}, 4, ": 1.50  1V/4mA Wert: 2.0  5V/20mA Wert: 3.0  "},
      {18,
       Language::kEnglish,
       {0.5f, 7.0f, 0.25f, 1.5f},
       4,
       "slope: 0.50  pH compensation: 7.00  offset co: 0.25  k value: 1.50  "},
      // After a calibration the fourth value is not listed.
      {18, Language::kEnglish, {0.5f, 7.0f, 0.25f, 1.5f}, 3, "slope: 0.50  pH compensation: 7.00  offset co: 0.25  "},
      {6, Language::kGerman, {12.0f, 1.23456f, 0.0f, 0.0f}, 4, "Basis: 12  Faktor: 1.2346  "},
      {2,
       Language::kGerman,
       {0.1f, 2.0f, 0.5f, 0.0f},
       4,
       "Zellkonstante: 0.100  Temperaturkoef.: 2.00  Kabeloffset: 0.50  "},
      {1, Language::kEnglish, {-3.0f, 0.0f, 0.0f, 0.0f}, 4, "offset: -3.0  "},
      {50, Language::kGerman, {1.2f, 3.0f, 4.0f, 5.0f}, 4, ": 1  "},
  };
  for (const StatusCase& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type) + " last " + std::to_string(c.lastLabel));
    EXPECT_EQ(CalibrationStatusLine(c.type, c.language, c.cal, c.lastLabel), c.text);
  }
}

}  // namespace
}  // namespace korvane::measurement
