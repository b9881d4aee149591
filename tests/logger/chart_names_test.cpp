// The logger chart's legend: the temperature series names its module when the module's
// identity can be printed.
#include <gtest/gtest.h>

#include "logger/ChartNames.h"

namespace korvane::logger {
namespace {

TEST(ChartNames, TheTemperatureSeriesNamesItsModule) {
  const struct {
    const char* identity;
    Language language;
    const char* name;
  } rows[] = {
      {"N001", Language::kEnglish, "Temperature (°C), module N001"},
      {" A1 ", Language::kEnglish, "Temperature (°C), module A1"},
      {"", Language::kGerman, "Temperatur (°C)"},
      {"\001\002AB", Language::kGerman, "Temperatur (°C)"},  // raw bytes of a garbled readout
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.identity);
    EXPECT_EQ(TemperatureSeriesName(row.identity, row.language), row.name);
  }
}

}  // namespace
}  // namespace korvane::logger
