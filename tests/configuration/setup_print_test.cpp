#include <gtest/gtest.h>

#include "configuration/SetupPrint.h"
#include "support/ScriptedUi.h"

namespace korvane::configuration {
namespace {

// A pH module of an earlier series as read and shown.
ConfigSettings PhSettings(Language language = Language::kGerman) {
  ConfigSettings s;
  s.language = language;
  s.deviceKind = 3;
  s.moduleType = 0;
  s.measurementType = 0;
  s.identity = "A123";
  s.output0Source = 0;
  s.output1Source = 5;
  s.output0Lower = "0.00";
  s.output0Upper = "14.00";
  s.output1Lower = "0.00";
  s.output1Upper = "100.00";
  s.outputKind = 1;
  s.currentRange = 1;
  s.relay1Source = 1;
  s.relay1Limit = "7.00";
  s.relay1Hysteresis = "0.10";
  s.relay1LimitType = 0;
  s.calibration1 = "-3.5";
  s.calibration2 = "-59.2";
  s.calibration3 = "0";
  s.key1Buffer = 3;
  s.key2Buffer = 1;
  s.temperatureOffset = "0.0";
  s.address = 1;
  s.fixedTemperature = "25.0";
  s.fixedTemperatureOn = 0;
  s.calibrationHold = 1;
  return s;
}

std::string Body(const ConfigSettings& s) {
  return BuildPrintBody(s, SourceNames(s.AbsoluteType(), s.deviceKind, s.language));
}

TEST(SetupPrint, PhModuleOfAnEarlierSeriesInGerman) {
  EXPECT_EQ(Body(PhSettings()),
            "Messwerttyp:  pH\n"
            "DAC0 Kanal:  pH Wert\n"
            "untere Grenze:  0.00\n"
            "obere Grenze:  14.00\n"
            "DAC1 Kanal:  Temperatur\n"
            "untere Grenze:  0.00\n"
            "obere Grenze:  100.00\n"
            "Ausgabe:  Strom\n"
            "Stromtyp:  4..20mA\n"
            "Relaisausgang 1:  Kettenspannung\n"
            "Grenzwert:  7.00\n"
            "Hysterese:  0.10\n"
            "Grenzwerttyp:  Minimum\n"
            "Kalibrierwerte\n"
            "Asymmetrie:  -3.5\n"
            "Steilheit:  -59.2\n"
            "Temp. Offset:  0.0\n"
            "Kal. Taste1:  NBS 9,18\n"
            "Kal. Taste2:  NBS 4,01\n"
            "Adresse:  1\n"
            "Festtemperatur:  25.0\n"
            "Festtemperatur:  disable\n"
            "Hold beim Kal.:  enable\n");
}

TEST(SetupPrint, EnglishLabelsVoltageAndMissingSources) {
  ConfigSettings s = PhSettings(Language::kEnglish);
  s.outputKind = 0;
  s.output1Source = 255;  // no source selected: no source line
  s.key2Buffer = 255;     // no list entry: empty value
  s.relay1LimitType = 1;
  EXPECT_EQ(Body(s),
            "measurement typ:  pH\n"
            "DAC0 channel:  pH value\n"
            "lower limit:  0.00\n"
            "upper limit:  14.00\n"
            "lower limit:  0.00\n"
            "upper limit:  100.00\n"
            "output:  voltage\n"
            "relay output 1:  voltage\n"
            "limit value:  7.00\n"
            "hysterese:  0.10\n"
            "limit type:  Maximum\n"
            "cal. values\n"
            "asymmetrie:  -3.5\n"
            "slope:  -59.2\n"
            "Temp. Offset:  0.0\n"
            "cal. key1:  NBS 9,18\n"
            "cal. key2:  \n"
            "address:  1\n"
            "fix temperature:  25.0\n"
            "fix temperature:  disable\n"
            "Hold during cal.:  enable\n");
}

TEST(SetupPrint, DeviceKind5PrintsRelay2AndOthersDoNot) {
  ConfigSettings s = PhSettings();
  s.deviceKind = 5;
  s.relay2Source = 5;
  s.relay2Limit = "8.00";
  s.relay2Hysteresis = "0.20";
  s.relay2LimitType = 1;
  const std::string relay2 =
      "Relaisausgang 2:  Temperatur\nGrenzwert:  8.00\nHysterese:  0.20\nGrenzwerttyp Rel2:  Maximum\n";
  const std::string body = Body(s);
  const std::size_t at = body.find(relay2);
  ASSERT_NE(at, std::string::npos) << body;
  EXPECT_EQ(body.substr(at + relay2.size(), 15), "Kalibrierwerte\n");
  s.relay2LimitType = 0;
  EXPECT_NE(Body(s).find("Hysterese:  0.20\nGrenzwerttyp:  Minimum\nKalibrierwerte"), std::string::npos);
  s.deviceKind = 3;
  EXPECT_EQ(Body(s).find("Relaisausgang 2"), std::string::npos);
}

TEST(SetupPrint, DeviceKind4PrintsTypeCalibrationAddressAndFixedTemperature) {
  ConfigSettings s;
  s.deviceKind = 4;
  s.measurementType = 1;
  s.typeListOffset = 20;  // "2000µS (4)"
  s.calibration1 = "1.000";
  s.calibration2 = "2.00";
  s.calibration3 = "0.00";
  s.calibration4 = "";
  s.calibrationKey1 = "0.65";
  s.temperatureOffset = "-0.5";
  s.address = 7;
  s.fixedTemperature = "20.0";
  s.fixedTemperatureOn = 1;
  EXPECT_EQ(Body(s),
            "Messwerttyp:  2000µS (4)\n"
            "Kalibrierwerte\n"
            "Zellkonstante:  1.000\n"
            "Temperaturkoef.:  2.00\n"
            "Kabeloffset:  0.00\n"
            "TDS Faktor:  0.65\n"
            "Temp. Offset:  -0.5\n"
            "Adresse:  7\n"
            "Festtemperatur:  20.0\n"
            "Festtemperatur:  enable\n");
  s.measurementType = 0;
  s.typeListOffset = 0;  // pH: no TDS factor line
  EXPECT_EQ(Body(s).find("TDS"), std::string::npos);
}

TEST(SetupPrint, KeyLinesByType) {
  struct Case {
    int type;
    std::string lines;
  } cases[] = {
      {3, "Kal. Taste1:  0,1N KCL\nKal. Taste2:  0,001N KCL\n"},
      {6, ""},
      {10, "Kal. Taste1:  +\nKal. Taste2:  -\n"},
      {18, "fixed pH enable\nfixed pH: 7.00\n"},
      {9, "Kal. Taste1:  1.50\nKal. Taste2:  7.00\n"},
  };
  for (const Case& c : cases) {
    ConfigSettings s = PhSettings();
    s.measurementType = c.type;
    s.key1Solution = 0;
    s.key2Solution = 2;
    s.calibrationKey1 = "1.50";
    s.calibrationKey2 = "7.00";
    s.phFix = 1;
    const std::string body = Body(s);
    const std::size_t from = body.find("Temp. Offset:  0.0\n") + 19;
    const std::size_t to = body.find("Adresse:");
    EXPECT_EQ(body.substr(from, to - from), c.lines) << "type " << c.type;
  }
}

std::string Lines(int count) {
  std::string body;
  for (int i = 0; i < count; ++i) body += "L" + std::to_string(i) + "\n";
  return body;
}

TEST(SetupPrintLayout, OnePageAt600Dpi) {
  test::RecordingPage page(4960, 7016);
  LayoutPrint(page, "Head\n\n", Lines(23) + "tail without line feed");
  ASSERT_EQ(page.texts.size(), 24u);
  EXPECT_EQ(page.texts[0].x, 446);
  EXPECT_EQ(page.texts[0].y, 140);
  EXPECT_EQ(page.texts[0].text, "Head\n\n");
  for (int n = 0; n < 23; ++n) {
    EXPECT_EQ(page.texts[n + 1].y, 420 + 100 * n);
    EXPECT_EQ(page.texts[n + 1].x, 446);
    EXPECT_EQ(page.texts[n + 1].page, 0);
  }
  EXPECT_TRUE(page.ended);
}

TEST(SetupPrintLayout, SmallPageBreaksWithoutEmptyLastPage) {
  // 0.87 * 1000 = 870: nine lines (y 60..860) per page.
  struct Case {
    int lines;
    int pages;
  } cases[] = {{8, 1}, {9, 1}, {10, 2}, {18, 2}, {19, 3}, {27, 3}};
  for (const Case& c : cases) {
    test::RecordingPage page(800, 1000);
    LayoutPrint(page, "H\n\n", Lines(c.lines));
    EXPECT_EQ(page.page + 1, c.pages) << c.lines << " lines";
    ASSERT_EQ(static_cast<int>(page.texts.size()), c.lines + 1);
    EXPECT_EQ(page.texts[0].y, 20);
    for (int i = 0; i < c.lines; ++i) {
      const auto& t = page.texts[static_cast<std::size_t>(i + 1)];
      EXPECT_EQ(t.page, i / 9);
      EXPECT_EQ(t.y, 60 + 100 * (i % 9));
      EXPECT_EQ(t.text, "L" + std::to_string(i));
    }
  }
}

TEST(SetupPrintLayout, EmptyLinesTakeALine) {
  test::RecordingPage page(1000, 1000);
  LayoutPrint(page, "H", "a\n\nb\n");
  ASSERT_EQ(page.texts.size(), 4u);
  EXPECT_EQ(page.texts[2].text, "");
  EXPECT_EQ(page.texts[3].y, 260);
}

// Keeps what was printed after the job's page object is gone.
class KeepingUi : public test::ScriptedUi {
 public:
  class Forward : public platform::PageTarget {
   public:
    explicit Forward(test::RecordingPage& to) : to_(to) {}
    int Width() const override { return to_.Width(); }
    int Height() const override { return to_.Height(); }
    void DrawText(int x, int y, const std::string& text) override { to_.DrawText(x, y, text); }
    void NewPage() override { to_.NewPage(); }
    bool End() override { return to_.End(); }

   private:
    test::RecordingPage& to_;
  };
  std::unique_ptr<platform::PageTarget> BeginPrint(const std::string& documentName) override {
    if (!test::ScriptedUi::BeginPrint(documentName)) return nullptr;
    return std::make_unique<Forward>(kept);
  }
  test::RecordingPage kept{4960, 7016};
};

TEST(SetupPrintFlow, CancelPrintsNothingAcceptLaysOut) {
  KeepingUi ui;
  const platform::Clock clock = [] { return platform::LocalTime{2026, 3, 7, 9, 5, 0}; };
  ConfigSettings s = PhSettings();
  EXPECT_FALSE(PrintSetup(ui, s, SourceNames(0, 3, Language::kGerman), clock));
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].text, "QX 5100/6100 Setup-Plot");
  EXPECT_TRUE(ui.kept.texts.empty());
  ui.printAccept = true;
  EXPECT_TRUE(PrintSetup(ui, s, SourceNames(0, 3, Language::kGerman), clock));
  ASSERT_EQ(ui.kept.texts.size(), 24u);
  EXPECT_EQ(ui.kept.texts.front().text, "Setup QX 5100/6100 -Nr.: A123  07.03.2026 09:05\n\n");
  EXPECT_EQ(ui.kept.texts[1].text, "Messwerttyp:  pH");
  EXPECT_TRUE(ui.kept.ended);
}

}  // namespace
}  // namespace korvane::configuration
