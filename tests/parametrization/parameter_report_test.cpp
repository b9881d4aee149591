// The parameter report's text and its page layout.
#include <gtest/gtest.h>

#include "parametrization/ParameterReport.h"
#include "support/ScriptedUi.h"

namespace korvane::parametrization {
namespace {

link::ModuleState Module() {
  link::ModuleState m;
  for (int p = 0; p <= 25; ++p) m.parameter[p] = link::U16Data(static_cast<std::uint16_t>(1000 + p));
  m.parameter[14] = link::U16Data(65535);
  m.parameter[26] = {'Q', 'X', '7', 0};
  m.parameter[129] = link::ByteData(250);
  m.parameter[83] = link::ByteData(1);
  m.calibration[3] = 1.5f;
  return m;
}

TEST(ParameterReport, LinesByteForByte) {
  const std::string report = BuildParameterReport(Module(), 0, {2026, 3, 4, 5, 6, 7});
  EXPECT_EQ(report,
            "04.03.2026  05:06\n\r"
            "TEMP00_I          1000\n\r"
            "TEMP100_I         1001\n\r"
            "PARA00_I          1006\n\rPARA01_I          1007\n\rPARA10_I          1008\n\r"
            "PARA11_I          1009\n\rPARA20_I          1010\n\rPARA21_I          1011\n\r"
            "PARA30_I          1012\n\rPARA31_I          1013\n\rPARA40_I          65535\n\r"
            "DAC0_PARA_U_I     1018\n\rDAC0_PARA_O_I     1019\n\rDAC1_PARA_U_I     1020\n\r"
            "DAC1_PARA_O_I     1021\n\rDAC2_PARA_U_I     1022\n\rDAC2_PARA_O_I     1023\n\r"
            "DAC3_PARA_U_I     1024\n\rDAC3_PARA_O_I     1025\n\r"
            "KAL_DELAY_C       250\n\r"
            "MESS_TYP          1\n\r"
            "HERSTELLER        QX7\n\r"
            "ScreenSaverOff    1\n\r");
}

TEST(ParameterReport, PrintedLinesFrom400DownIn100Steps) {
  test::RecordingPage page(4960, 7016);
  const std::string report = BuildParameterReport(Module(), 0, {});
  ASSERT_TRUE(LayoutParameterReport(page, report + "tail without line feed"));
  ASSERT_EQ(page.texts.size(), 24u);
  for (std::size_t n = 0; n < page.texts.size(); ++n) {
    EXPECT_EQ(page.texts[n].x, 400);
    EXPECT_EQ(page.texts[n].y, 400 + 100 * static_cast<int>(n));
    EXPECT_EQ(page.texts[n].text.find_first_of("\r\n"), std::string::npos);
    // Its columns are padded with blanks: they line up in a fixed-width font only.
    EXPECT_TRUE(page.texts[n].fixedPitch);
  }
  EXPECT_EQ(page.texts.back().y, 2700);
  EXPECT_EQ(page.texts[1].text, "TEMP00_I          1000");
  EXPECT_EQ(page.texts.back().text, "ScreenSaverOff    1");
  EXPECT_TRUE(page.ended);
  EXPECT_EQ(page.page, 0);
}

}  // namespace
}  // namespace korvane::parametrization
