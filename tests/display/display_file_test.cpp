// Display files, on texts.
#include <gtest/gtest.h>

#include <functional>

#include "display/DisplayFile.h"
#include "types/Checksum.h"

namespace korvane::display {
namespace {

DisplaySettings Sample() {
  DisplaySettings s;
  s.contrast = 20;
  s.positions[0] = {31, 8};
  s.positions[7] = {4, 0};
  s.virtuals[1] = {3, 5, 30, 2, 3};
  s.dac1Position = 7;
  s.relay0Position = 2;
  s.loggerEnabled = true;
  s.serialInterval = 300;
  s.loggerInterval = 999;
  s.outputs.dac0Lower = "-1,5";  // as a German user types it
  s.outputs.relay1Hysteresis = "0.25";
  s.outputs.currentRange = 1;
  s.outputs.relay0Maximum = 1;
  return s;
}

// The text with its checksum line made to fit again, so only the change is wrong.
std::string Resealed(std::string text) {
  text.erase(text.find("CECKSUMM=="));
  return text + "CECKSUMM==" + std::to_string(types::SignedByteSum(text)) + "\n\r";
}

TEST(DisplayFile, SavedFileLoadsToTheSameFile) {
  const std::string saved = BuildDisplayText(Sample());
  EXPECT_EQ(saved.substr(0, 13), "CONTRAST==20\n");
  EXPECT_NE(saved.find("\n\rDAC0_LOWER==-1.5\n\r"), std::string::npos);
  EXPECT_EQ(saved.substr(saved.size() - 2), "\n\r");
  DisplaySettings loaded;
  ASSERT_FALSE(ParseDisplayText(saved, loaded, Language::kGerman));
  EXPECT_EQ(BuildDisplayText(loaded), saved);
  EXPECT_TRUE(loaded.outputs.pending);  // still to be written to a unit
}

TEST(DisplayFile, BadFilesNameTheirFirstBadLineAndApplyNothing) {
  const std::string good = BuildDisplayText(Sample());
  auto replace = [](std::string from, std::string to) {
    return [=](std::string t) { return t.replace(t.find(from), from.size(), to); };
  };
  struct Case {
    const char* name;
    std::function<std::string(std::string)> change;
    int line;
    const char* reason;  // English
  };
  const Case cases[] = {
      {"checksum", replace("LOGGER_INTERVAL==999", "LOGGER_INTERVAL==998"), 48, "checksum does not match"},
      {"address range",
       [&](std::string t) { return Resealed(replace("POSITION1_ADDRESS==31", "POSITION1_ADDRESS==32")(t)); }, 2,
       "POSITION1_ADDRESS: \"32\" is not a whole number from 0 to 31"},
      {"serial interval",
       [&](std::string t) { return Resealed(replace("SERIAL_INTERVAL==300", "SERIAL_INTERVAL==9")(t)); }, 34,
       "from 10 to 300"},
      {"missing key", [&](std::string t) { return Resealed(replace("CONTRAST==20\n\r", "")(t)); }, 47,
       "CONTRAST is missing"},
      {"not a number", [&](std::string t) { return Resealed(replace("DAC0_LOWER==-1.5", "DAC0_LOWER==1.5 V")(t)); }, 36,
       "DAC0_LOWER: \"1.5 V\" is not a number"},
      {"unknown key", [&](std::string t) { return Resealed("BRIGHTNESS==3\n\r" + t); }, 1, "unknown key BRIGHTNESS"},
      {"repeated key", [&](std::string t) { return Resealed("CONTRAST==3\n\r" + t); }, 2, "CONTRAST appears a second"},
      {"no checksum", [&](std::string t) { return t.substr(0, t.find("CECKSUMM")); }, 48, "checksum line CECKSUMM"},
      {"after checksum", [&](std::string t) { return t + "X==1\n\r"; }, 49, "after the checksum line"},
      {"line ends", [&](std::string t) { return "CONTRAST==20\r\n" + t.substr(t.find("\n\r") + 2); }, 1,
       "CONTRAST: \"20\\x0D\\x0APOSITION1_ADDRESS==31\" is not a whole number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DisplaySettings s;
    const std::string before = BuildDisplayText(s);
    const auto error = ParseDisplayText(c.change(good), s, Language::kEnglish);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line, c.line);
    EXPECT_NE(error->reason.find(c.reason), std::string::npos) << error->reason;
    EXPECT_EQ(BuildDisplayText(s), before);
  }
}

TEST(DisplayFile, DecimalCommaInTheFileIsTheNumber) {
  DisplaySettings s;
  const std::string text =
      Resealed(BuildDisplayText(Sample()).replace(BuildDisplayText(Sample()).find("-1.5"), 4, "-1,75"));
  ASSERT_FALSE(ParseDisplayText(text, s, Language::kGerman));
  EXPECT_EQ(s.outputs.dac0Lower, "-1.75");
}

TEST(DisplayFile, WholeNumbersOnly) {
  EXPECT_EQ(WholeNumber(" 31 ", 0, 31), 31);
  for (const char* bad : {"", "32", "-1", "1.0", "1,5", "0x1", "3a"}) EXPECT_FALSE(WholeNumber(bad, 0, 31)) << bad;
}

}  // namespace
}  // namespace korvane::display
