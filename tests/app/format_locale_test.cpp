// The program's texts keep "." as decimal separator under a German locale, which
// QApplication would otherwise hand to printf.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "measurement/LiveFormat.h"
#include "measurement/RecordingLine.h"
#include "app/SettingsFile.h"

namespace korvane::app {
namespace {

class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    // Make sure the locale really changes printf, so the checks below mean something.
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

TEST_F(GermanLocale, TextsUseThePoint) {
  EXPECT_EQ(measurement::FieldText(0, 1, 7.02f), "7.02");
  EXPECT_EQ(measurement::FieldText(0, 6, 21.43f), "21.4");
  EXPECT_EQ(measurement::FieldText(23, 3, 99.94f), "99.9");
  EXPECT_EQ(measurement::CalibrationStatusLine(0, Language::kGerman, {1.23f, -58.66f, 0.0f, 0.0f}, 4),
            "Asymmetrie: 1.2  Steilheit: -58.7  ");
  AppSettings s;
  s.baud = 19200;
  s.interval = measurement::Interval::FromFields(0, 1, 30);
  EXPECT_EQ(FormatSettingsText(s),
            "[RS232]\n\rPORT=0\n\rBAUD=19200\n\r[SETUP]\n\rINTERVALL=00:01:30\n\rSPRACHE=0\n\rPARAMETRIEREN=0\n\r");
  EXPECT_EQ(ParseSettingsText(FormatSettingsText(s)).interval.Milliseconds(), 90000);
}

TEST_F(GermanLocale, RecordingLineHasDatePointsAndValueCommas) {
  EXPECT_EQ(measurement::RecordingLine({2014, 3, 7, 9, 5, 0}, 0, {7.02f, -12.0f, 0.0f, 0.0f, 0.0f, 21.4f}),
            "07.03.2014\t09:05\t7,02\t-12\t0\t0\t0\t21,4\r\n");
}

}  // namespace
}  // namespace korvane::app
