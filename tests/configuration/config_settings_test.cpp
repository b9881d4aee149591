#include <gtest/gtest.h>

#include <clocale>

#include "configuration/ConfigLists.h"
#include "configuration/ConfigSettings.h"
#include "types/Catalogue.h"

namespace korvane::configuration {
namespace {

link::ModuleState ModuleWith(std::uint8_t p, const link::Data4& d) {
  link::ModuleState m;
  m.parameter[p] = d;
  return m;
}

TEST(ConfigSettingsRead, TextsOfReadValues) {
  struct Case {
    int moduleType;
    std::uint8_t parameter;
    float value;
    std::string text;
  } cases[] = {
      {0, 39, 14.0f, "14.00"},     {0, 58, 0.126f, "0.13"}, {0, 72, 25.04f, "25.0"}, {0, 38, -0.55f, "-0.6"},
      {0, 32, -3.54f, "-3.5"},     {0, 34, 0.4f, "0"},      {0, 35, 3.0f, "3.00"},   {2, 32, 1.0f, "1.000"},
      {6, 33, 1.23456f, "1.2346"}, {7, 36, 2.0f, "2.0"},    {18, 37, 7.5f, "7.50"},  {-1, 32, 2.6f, "3"},
  };
  for (const Case& c : cases) {
    ConfigSettings s;
    s.moduleType = c.moduleType;
    ApplyReadReply(s, ModuleWith(c.parameter, link::FloatData(c.value)), c.parameter);
    const std::string* field = nullptr;
    switch (c.parameter) {
      case 39: field = &s.output0Lower; break;
      case 58: field = &s.relay2Hysteresis; break;
      case 72: field = &s.fixedTemperature; break;
      case 38: field = &s.temperatureOffset; break;
      case 32: field = &s.calibration1; break;
      case 33: field = &s.calibration2; break;
      case 34: field = &s.calibration3; break;
      case 35: field = &s.calibrationKey1; break;
      case 36: field = &s.calibrationKey2; break;
      case 37: field = &s.calibration4; break;
    }
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(*field, c.text) << "type " << c.moduleType << " parameter " << int(c.parameter);
  }
}

TEST(ConfigSettingsRead, BytesTypeKindIdentityAndFixedPh) {
  ConfigSettings s;
  s.typeListOffset = 2;
  ApplyReadReply(s, ModuleWith(28, {4, 0, 0, 0}), 28);
  EXPECT_EQ(s.moduleType, 3);
  EXPECT_EQ(s.measurementType, 3);
  EXPECT_EQ(s.typeListOffset, 0);
  ApplyReadReply(s, ModuleWith(29, {5, 9, 9, 9}), 29);
  EXPECT_EQ(s.deviceKind, 5);
  ApplyReadReply(s, ModuleWith(51, {255, 1, 1, 1}), 51);
  EXPECT_EQ(s.output0Source, 255);
  ApplyReadReply(s, ModuleWith(30, {17, 0, 0, 0}), 30);
  EXPECT_EQ(s.address, 17);
  ApplyReadReply(s, ModuleWith(26, {'Q', 'x', 0xE4, '9'}), 26);
  EXPECT_EQ(s.identity,
            "Qx\xE4"
            "9");
  ApplyReadReply(s, ModuleWith(31, link::FloatData(1.2f)), 31);
  EXPECT_EQ(s.firmware, "Firmware V1.20");
  ApplyReadReply(s, ModuleWith(35, link::FloatData(0.5f)), 35);
  EXPECT_EQ(s.phFix, 1);
  ApplyReadReply(s, ModuleWith(35, link::FloatData(0.0f)), 35);
  EXPECT_EQ(s.phFix, 0);
}

TEST(ConfigSettingsWrite, EncodingsIgnoreTheUserLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  std::setlocale(LC_ALL, "de_DE.utf8");  // "," would be the separator of atof here
  EXPECT_EQ(FloatWriteData("1.5"), link::FloatData(1.5f));
  EXPECT_EQ(FloatWriteData(" -59.2"), link::FloatData(-59.2f));
  EXPECT_EQ(FloatWriteData("2.5abc"), link::FloatData(2.5f));
  EXPECT_EQ(FloatWriteData("abc"), link::FloatData(0.0f));
  EXPECT_EQ(FloatWriteData(""), link::FloatData(0.0f));
  EXPECT_EQ(FloatWriteData("1,5"), link::FloatData(1.0f));
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(ByteWriteData(-1), (link::Data4{255, 0, 0, 0}));
  EXPECT_EQ(ByteWriteData(5), (link::Data4{5, 0, 0, 0}));
  EXPECT_EQ(ByteWriteData(261), (link::Data4{5, 0, 0, 0}));
}

TEST(ConfigSettingsKeys, ConversionCases) {
  struct Case {
    const char* what;
    int type;
    int kind;
    std::string c1, c2;
    int ph1, ph2, lf1, lf2;  // indices after KeyIndicesFromValues (start -1)
  } cases[] = {
      {"pH buffers", 0, 3, "3.00", "1.00", 3, 1, -1, -1},
      {"KCl two-electrode", 3, 3, "0.00", "2.00", -1, -1, 0, 2},
      {"KCl four-electrode", 22, 3, "1.99", "0.5", -1, -1, 1, 0},
      {"redox keeps indices", 1, 3, "3.00", "1.00", -1, -1, -1, -1},
      {"TDS factor on kind 4", 21, 4, "0.64", "", -1, -1, -1, -1},
      {"TDS types on kind 5", 20, 5, "", "", -1, -1, -1, -1},
      {"pH on kind 5", 0, 5, "4.00", "2.00", 4, 2, -1, -1},
      // Values no int holds select nothing (a file can carry anything).
      {"NaN and inf", 0, 3, "nan", "-inf", -1, -1, -1, -1},
      {"beyond int", 3, 3, "1e30", "-3e9", -1, -1, -1, -1},
      {"inf beside an index", 22, 3, "inf", "2", -1, -1, -1, 2},
  };
  for (const Case& c : cases) {
    ConfigSettings s;
    s.deviceKind = c.kind;
    s.calibrationKey1 = c.c1;
    s.calibrationKey2 = c.c2;
    KeyIndicesFromValues(s, c.type);
    EXPECT_EQ(s.key1Buffer, c.ph1) << c.what;
    EXPECT_EQ(s.key2Buffer, c.ph2) << c.what;
    EXPECT_EQ(s.key1Solution, c.lf1) << c.what;
    EXPECT_EQ(s.key2Solution, c.lf2) << c.what;
  }
}

TEST(ConfigSettingsKeys, ValuesFromIndices) {
  ConfigSettings s;
  s.deviceKind = 3;
  s.calibrationKey1 = "3.00";
  s.calibrationKey2 = "1.00";
  KeyIndicesFromValues(s, 0);
  KeyValuesFromIndices(s, 0);
  EXPECT_EQ(s.calibrationKey1, "3");
  EXPECT_EQ(s.calibrationKey2, "1");
  EXPECT_EQ(PhBufferText(s.key1Buffer), "NBS 9,18");
  EXPECT_EQ(PhBufferText(s.key2Buffer), "NBS 4,01");

  // A key value without list entry keeps its text instead of an invented one.
  s.calibrationKey1 = "25.00";
  s.calibrationKey2 = "2.00";
  KeyIndicesFromValues(s, 4);
  EXPECT_EQ(s.key1Solution, 25);
  s.key2Solution = 1;  // the user chose "0,01N KCL"
  KeyValuesFromIndices(s, 4);
  EXPECT_EQ(s.calibrationKey1, "25.00");
  EXPECT_EQ(s.calibrationKey2, "1");
  s.key1Solution = 255;  // "-1" from a setup file
  KeyValuesFromIndices(s, 4);
  EXPECT_EQ(s.calibrationKey1, "25.00");

  // The TDS factor on device kind 4 survives the round trip.
  ConfigSettings tds;
  tds.deviceKind = 4;
  tds.calibrationKey1 = "0.64";
  tds.key1Solution = 2;
  KeyIndicesFromValues(tds, 21);
  KeyValuesFromIndices(tds, 21);
  EXPECT_EQ(tds.calibrationKey1, "0.64");
}

ConfigSettings Shown(int type, int kind, int moduleType = -2) {
  ConfigSettings s;
  s.measurementType = type;
  s.moduleType = moduleType == -2 ? type : moduleType;
  s.deviceKind = kind;
  s.relay2Limit = "1.00";
  s.relay2Hysteresis = "0.10";
  s.calibration4 = "7.50";
  s.calibrationKey1 = "0.64";
  s.calibrationKey2 = "1.00";
  return s;
}

TEST(DialogRules, SettingsTheDialogEmpties) {
  struct Case {
    int type, kind, moduleType;
    bool limit3, kal3, c1, c2;  // kept?
    int offset;
  } cases[] = {
      {0, 3, 0, false, false, true, true, 0},     {0, 5, 0, true, false, false, false, 0},
      {18, 3, 18, false, true, true, true, 0},    {21, 4, 21, false, false, true, false, 20},
      {21, 5, 21, true, false, false, false, 20}, {24, 4, 24, false, false, true, false, 0},
      {3, 4, 3, false, false, false, false, 2},
  };
  for (const Case& c : cases) {
    ConfigSettings s = Shown(c.type, c.kind, c.moduleType);
    ApplySetupDialogRules(s);
    const std::string what = "type " + std::to_string(c.type) + " kind " + std::to_string(c.kind);
    EXPECT_EQ(!s.relay2Limit.empty(), c.limit3) << what;
    EXPECT_EQ(!s.relay2Hysteresis.empty(), c.limit3) << what;
    EXPECT_EQ(!s.calibration4.empty(), c.kal3) << what;
    EXPECT_EQ(!s.calibrationKey1.empty(), c.c1) << what;
    EXPECT_EQ(!s.calibrationKey2.empty(), c.c2) << what;
    EXPECT_EQ(s.typeListOffset, c.offset) << what;
    EXPECT_EQ(s.AbsoluteType(), c.type) << what;
  }
}

TEST(DialogRules, KeyControlsByType) {
  // visible: pH fix, edit 1, edit 2, pH lists, KCl lists; enabled: edit 1, edit 2.
  struct Case {
    int type;
    bool fix, e1, e2, ph, lf, e1On, e2On;
  } cases[] = {
      {0, false, false, false, true, false, true, true},   {1, false, true, true, false, false, false, false},
      {29, false, true, true, false, false, false, false}, {9, false, true, true, false, false, true, true},
      {3, false, false, false, false, true, true, true},   {25, false, false, false, false, true, true, true},
      {18, true, false, true, false, false, true, true},   {12, true, true, true, true, true, true, true},
  };
  for (const Case& c : cases) {
    const DialogControlStates d = DescribeDialogControls(Shown(c.type, 3));
    const std::string what = "type " + std::to_string(c.type);
    EXPECT_EQ(d.get(ctl::kPhFix).visible, c.fix) << what;
    EXPECT_EQ(d.get(ctl::kCalibrationKey1).visible, c.e1) << what;
    EXPECT_EQ(d.get(ctl::kCalibrationKey2).visible, c.e2) << what;
    EXPECT_EQ(d.get(ctl::kKey1Buffer).visible, c.ph) << what;
    EXPECT_EQ(d.get(ctl::kKey2Buffer).visible, c.ph) << what;
    EXPECT_EQ(d.get(ctl::kKey1Solution).visible, c.lf) << what;
    EXPECT_EQ(d.get(ctl::kKey2Solution).visible, c.lf) << what;
    EXPECT_EQ(d.get(ctl::kCalibrationKey1).enabled, c.e1On) << what;
    EXPECT_EQ(d.get(ctl::kCalibrationKey2).enabled, c.e2On) << what;
  }
  const DialogControlStates fix = DescribeDialogControls(Shown(18, 3, 18));
  EXPECT_EQ(fix.get(ctl::kPhFix).caption, "enable Festwert pH");
  EXPECT_EQ(fix.get(ctl::kLabelCalibrationKey2).caption, "Festwert pH");
  EXPECT_FALSE(fix.get(ctl::kLabelCalibrationKey1).visible);
  // A later run for another type does not show the check box and the label again.
  const DialogControlStates after = DescribeDialogControls(Shown(9, 3), fix);
  EXPECT_FALSE(after.get(ctl::kPhFix).visible);
  EXPECT_FALSE(after.get(ctl::kLabelCalibrationKey1).visible);
  EXPECT_EQ(after.get(ctl::kLabelCalibrationKey2).caption, "Kal. Taste2");
  EXPECT_TRUE(after.get(ctl::kCalibrationKey1).visible);
}

TEST(DialogRules, SeriesAndSources) {
  // Device kind 5 with type 22: sources are channel labels 1 and 3.
  const DialogControlStates k5 = DescribeDialogControls(Shown(22, 5));
  EXPECT_EQ(k5.sourceNames, (std::array<std::string, 6>{"LF Wert", "Salinität", "", "", "", "Temperatur"}));
  for (ctl::Control first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay2First}) {
    EXPECT_TRUE(k5.get(first).enabled);
    EXPECT_TRUE(k5.get(first + 1).enabled);
    for (int i = 2; i < 5; ++i) EXPECT_FALSE(k5.get(first + i).enabled) << first + i;
    EXPECT_TRUE(k5.get(first + 5).enabled);
  }
  EXPECT_TRUE(k5.get(ctl::kSeriesButton).enabled);
  EXPECT_FALSE(k5.get(ctl::kSeriesButton).caption.has_value());
  EXPECT_FALSE(k5.get(ctl::kPhFix).visible);
  EXPECT_EQ(k5.typeListEntries.size(), 4u);
  EXPECT_TRUE(k5.get(ctl::kMeasurementType).enabled);

  // Kind 4: outputs and relays disabled, the series button reads "PB,PD,PF".
  const DialogControlStates k4 = DescribeDialogControls(Shown(0, 4));
  for (ctl::Control id : {ctl::kOutput0Lower, ctl::kOutput1Upper, ctl::kDac0First, ctl::kDac1First + 5, ctl::kVoltage,
                          ctl::kRelay1Maximum, ctl::kRelay1First, ctl::kRelay1First + 5, ctl::kRelay1Limit,
                          ctl::kRelay1Hysteresis, ctl::kRelay2First, ctl::kRelay2First + 5, ctl::kRelay2Minimum,
                          ctl::kRelay2Maximum, ctl::kRelay2Limit, ctl::kRelay2Hysteresis})
    EXPECT_FALSE(k4.get(id).enabled) << id;
  EXPECT_EQ(k4.get(ctl::kSeriesButton).caption, "PB,PD,PF");
  EXPECT_FALSE(k4.get(ctl::kLabelCalibrationKey1).visible);
  EXPECT_FALSE(k4.get(ctl::kCalibrationKey1).enabled);
  // Kind 4 with a TDS type shows the factor label.
  const DialogControlStates tds = DescribeDialogControls(Shown(21, 4));
  EXPECT_TRUE(tds.get(ctl::kCalibrationKey1).enabled);
  EXPECT_EQ(tds.get(ctl::kLabelCalibrationKey1).caption, "TDS Faktor");
  EXPECT_EQ(tds.sourceNames[1], "Salinität");

  // Earlier series: five names, relay 2 disabled, series button disabled.
  const DialogControlStates old = DescribeDialogControls(Shown(7, 3));
  EXPECT_EQ(old.sourceNames[4], "Luftdruck");
  EXPECT_TRUE(old.get(ctl::kDac0First + 4).enabled);
  EXPECT_FALSE(old.get(ctl::kSeriesButton).enabled);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(old.get(ctl::kRelay2First + i).enabled) << i;
  EXPECT_EQ(old.get(ctl::kRelay2Temperature).caption, "Temperatur");
  const DialogControlStates ph = DescribeDialogControls(Shown(0, 3));
  EXPECT_FALSE(ph.get(ctl::kDac0First + 2).enabled);
  EXPECT_FALSE(ph.get(ctl::kMeasurementType).enabled);
  EXPECT_EQ(ph.typeListEntries.size(), 31u);
  EXPECT_EQ(ph.typeListEntries[30], "20µS ZK=0.1");
}

TEST(DialogRules, CalibrationLabelsAndLanguage) {
  ConfigSettings s = Shown(1, 3);  // redox: one calibration value
  s.language = Language::kEnglish;
  const DialogControlStates d = DescribeDialogControls(s);
  EXPECT_EQ(d.get(ctl::kLabelCalibration1).caption, "offset");
  EXPECT_TRUE(d.get(ctl::kCalibration1).enabled);
  for (ctl::Control id : {ctl::kCalibration2, ctl::kCalibration3, ctl::kCalibration4})
    EXPECT_FALSE(d.get(id).enabled) << id;
  EXPECT_EQ(d.get(ctl::kGroupDac0).caption, "DAC0 channel");
  EXPECT_EQ(d.get(ctl::kLabelCalibrationKey1).caption, "cal. key1");
  EXPECT_EQ(d.get(ctl::kOpen).caption, "Open");
  EXPECT_EQ(d.get(ctl::kLabelFixedTemperature).caption, "temperature");
  EXPECT_EQ(d.typeListEntries[1], "redox");
}

TEST(DialogRules, AddressCheck) {
  struct Case {
    const char* text;
    bool ok;
    int value;
    const char* message;
  } cases[] = {
      {"0", true, 0, ""},
      {"31", true, 31, ""},
      {" 5 ", true, 5, ""},
      {"32", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 31 ein."},
      {"255", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 31 ein."},
      {"256", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
      {"-1", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
      {"1.5", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
      {"", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
      {"99999999999999999999", false, 0, "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
  };
  for (const Case& c : cases) {
    const AddressCheck r = CheckAddressText(c.text);
    EXPECT_EQ(r.ok, c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(r.value, c.value) << c.text;
    }
    EXPECT_EQ(r.message, c.message) << c.text;
  }
}

}  // namespace
}  // namespace korvane::configuration
