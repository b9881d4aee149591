#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/NumberText.h"

namespace korvane::platform {
namespace {

// QApplication adopts the environment's locale; numbers must not follow it.
class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

 private:
  std::string previous_;
};

TEST_F(GermanLocale, FormatAndParseKeepThePoint) {
  char native[32];
  std::snprintf(native, sizeof native, "%.2f", 7.5);
  EXPECT_STREQ(native, "7,50") << "the locale is not in effect, the test proves nothing";
  EXPECT_EQ(StringPrintf("%.2f|%.1f|%g", 7.5, -12.25, 1013.25), "7.50|-12.2|1013.25");
  EXPECT_DOUBLE_EQ(ToDouble("7.25"), 7.25);
  EXPECT_DOUBLE_EQ(ToDouble("7,25"), 7.0);
}

TEST(StringPrintf, LongTextsAreNotCut) {
  const std::string long_text(1000, 'x');
  EXPECT_EQ(StringPrintf("%s|%d", long_text.c_str(), 5), long_text + "|5");
}

TEST(StringPrintf, AtofAndAtoiFollowTheCLibrary) {
  struct Case {
    const char* text;
    double f;
    int i;
  } cases[] = {{"", 0, 0},      {"abc", 0, 0},   {"  -3.5xyz", -3.5, -3}, {"+12", 12, 12},
               {"1e2", 100, 1}, {"0x10", 16, 0}, {"-1", -1, -1},          {"12abc", 12, 12}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ToDouble(c.text), c.f) << c.text;
    EXPECT_EQ(ToInt(c.text), c.i) << c.text;
  }
}

TEST(WithoutNegativeZero, ANumberInsideATextThatRoundsToZeroHasNoMinus) {
  const struct {
    double value;
    const char* shown;
  } cases[] = {{-0.011, "0.0"}, {-0.049, "0.0"}, {-0.06, "-0.1"}, {97.84, "97.8"}, {0.0, "0.0"}};
  for (const auto& c : cases) EXPECT_EQ(StringPrintf("%.1f", WithoutNegativeZero(c.value, 1)), c.shown) << c.value;
}

}  // namespace
}  // namespace korvane::platform
