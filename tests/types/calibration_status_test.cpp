#include <gtest/gtest.h>

#include "types/CalibrationStatus.h"

namespace korvane::types {
namespace {

TEST(CalibrationStatusLine, AValueThatRoundsToZeroShowsNoMinus) {
  // A two-point pH calibration at 7.00/4.00 leaves an asymmetry of about -4e-6 mV.
  EXPECT_EQ(CalibrationStatusLine(0, Language::kGerman, {-3.8e-6f, -59.17f, 0, 0}, 4),
            "Asymmetrie: 0.0  Steilheit: -59.2  ");
  EXPECT_EQ(CalibrationStatusLine(0, Language::kEnglish, {-0.05001f, -45.0f, 0, 0}, 3),
            "asymmetrie: -0.1  slope: -45.0  ");
}

TEST(CalibrationStatusLine, FourthValueOnlyAtMeasurementStart) {
  const std::array<float, 4> cal{45.0f, 7.2f, 0.0f, 7.5f};
  EXPECT_EQ(CalibrationStatusLine(18, Language::kEnglish, cal, 4),
            "slope: 45.00  pH compensation: 7.20  offset co: 0.00  k value: 7.50  ");
  EXPECT_EQ(CalibrationStatusLine(18, Language::kEnglish, cal, 3),
            "slope: 45.00  pH compensation: 7.20  offset co: 0.00  ");
}

}  // namespace
}  // namespace korvane::types
