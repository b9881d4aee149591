// The number a sample gives for a field is the one the window shows, or none.
#include <gtest/gtest.h>

#include <clocale>

#include "bus/BusSample.h"

namespace korvane::bus {
namespace {

TEST(ShownNumber, IsTheFieldsNumberOrNone) {
  struct Row {
    const char* name;
    const char* text;
    std::optional<double> value;
  };
  const Row rows[] = {
      {"pH Wert", "7.02", 7.02},           {"Kettenspannung", "-13", -13.0},
      {"Temperatur", "21.3", 21.3},        {"", "0", std::nullopt},  // a field without a name carries nothing
      {"Salinität", ">>>>", std::nullopt}, {"LF Wert", "nan", std::nullopt},
      {"LF Wert", "inf", std::nullopt},    {"LF Wert", "", std::nullopt},
      {"LF Wert", "7.02x", std::nullopt},
  };
  // A German number locale must not turn "7.02" into 7.
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " / " + row.text);
    EXPECT_EQ(ShownNumber({row.name, "", row.text, std::nullopt}), row.value);
  }
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace korvane::bus
