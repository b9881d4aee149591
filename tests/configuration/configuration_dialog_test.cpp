// The configuration dialog on offscreen widgets: which controls the type, series and
// language enable, show and caption; the exchange between settings and controls; the
// OK, open, save and series buttons.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include "configuration/ConfigLists.h"
#include "configuration/DialogExchange.h"
#include "configuration/SetupFile.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "platform/Texts.h"
#include "support/ConfigurationDoubles.h"
#include "support/ScriptedUi.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::configuration {
namespace {

using test::FunctionConfirmation;
using test::FunctionLogger;
using test::ScriptedUi;

ConfigSettings Settings(int type, int kind, Language language = Language::kGerman) {
  ConfigSettings s;
  s.measurementType = type;  // as the read leaves it: absolute type, offset 0
  s.typeListOffset = 0;
  s.moduleType = type;
  s.deviceKind = kind;
  s.language = language;
  s.calibration1 = "-3.5";
  s.calibration2 = "-59.2";
  s.calibration3 = "0";
  s.calibration4 = "1.5";
  s.calibrationKey1 = "3.00";
  s.calibrationKey2 = "1.00";
  s.relay2Limit = "5.00";
  s.relay2Hysteresis = "0.50";
  s.address = 1;
  return s;
}

std::vector<std::string> Entries(const QComboBox* c) {
  std::vector<std::string> out;
  for (int i = 0; i < c->count(); ++i) out.push_back(c->itemText(i).toStdString());
  return out;
}

// Every setting the dialog shows, compared one by one so a failure names the field.
void ExpectShownSettingsEqual(const ConfigSettings& got, const ConfigSettings& want, const std::string& where) {
#define SAME(field) EXPECT_EQ(got.field, want.field) << #field << " " << where
  SAME(output0Lower);
  SAME(output0Upper);
  SAME(output1Lower);
  SAME(output1Upper);
  SAME(output0Source);
  SAME(output1Source);
  SAME(relay1Source);
  SAME(relay2Source);
  SAME(outputKind);
  SAME(currentRange);
  SAME(relay1LimitType);
  SAME(relay2LimitType);
  SAME(relay1Limit);
  SAME(relay1Hysteresis);
  SAME(relay2Limit);
  SAME(relay2Hysteresis);
  SAME(calibration1);
  SAME(calibration2);
  SAME(calibration3);
  SAME(calibration4);
  SAME(calibrationKey1);
  SAME(calibrationKey2);
  SAME(key1Buffer);
  SAME(key2Buffer);
  SAME(key1Solution);
  SAME(key2Solution);
  SAME(fixedTemperature);
  SAME(fixedTemperatureOn);
  SAME(temperatureOffset);
  SAME(calibrationHold);
  SAME(address);
  SAME(measurementType);
#undef SAME
}

struct Fixture {
  explicit Fixture(ConfigSettings s, std::function<bool(ConfigSettings&)> check = {})
      : settings(std::move(s)), confirm(ui, check) {
    dialog = std::make_unique<ConfigurationDialog>(ui, settings, confirm);
  }
  bool Enabled(ctl::Control id) const { return dialog->control(id)->isEnabled(); }
  bool Shown(ctl::Control id) const { return !dialog->control(id)->isHidden(); }
  std::string Caption(ctl::Control id) const { return dialog->caption(id).toStdString(); }

  ScriptedUi ui;
  ConfigSettings settings;
  FunctionConfirmation confirm;
  std::unique_ptr<ConfigurationDialog> dialog;
};

// ---------------------------------------------------------------------------------------
// Control states per type, series and language

TEST(DialogControls, PhOfEarlierSeriesListsAllTypesDisabledWithBufferLists) {
  Fixture f(Settings(0, 3));
  const QComboBox* types = f.dialog->combo(ctl::kMeasurementType);
  ASSERT_EQ(types->count(), 31);
  EXPECT_EQ(types->itemText(0).toStdString(), "pH");
  EXPECT_EQ(types->itemText(30).toStdString(), "20µS ZK=0.1");
  EXPECT_EQ(types->currentIndex(), 0);
  EXPECT_FALSE(f.Enabled(ctl::kMeasurementType));
  EXPECT_TRUE(f.Shown(ctl::kKey1Buffer));
  EXPECT_TRUE(f.Shown(ctl::kKey2Buffer));
  for (ctl::Control id :
       {ctl::kKey1Solution, ctl::kKey2Solution, ctl::kCalibrationKey1, ctl::kCalibrationKey2, ctl::kPhFix})
    EXPECT_FALSE(f.Shown(id)) << id;
  // The earlier series has no logger button; its five sources are the channel labels.
  EXPECT_FALSE(f.Enabled(ctl::kSeriesButton));
  EXPECT_EQ(f.Caption(ctl::kSeriesButton), "QX 7100");
  for (ctl::Control first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay1First}) {
    EXPECT_EQ(f.Caption(first), types::ChannelLabel(0, 1, Language::kGerman));
    EXPECT_EQ(f.Caption(first + 5), types::ChannelLabel(0, 6, Language::kGerman));
  }
  // Relay 2 belongs to device kind 5 only: disabled, its texts emptied.
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(f.Enabled(ctl::kRelay2First + i)) << i;
  for (ctl::Control id : {ctl::kRelay2Limit, ctl::kRelay2Hysteresis, ctl::kRelay2Minimum, ctl::kRelay2Maximum})
    EXPECT_FALSE(f.Enabled(id)) << id;
  EXPECT_EQ(f.dialog->edit(ctl::kRelay2Limit)->text(), "");
  EXPECT_EQ(f.settings.relay2Limit, "");
}

TEST(DialogControls, ConductivityOffersOnlyItsOwnFamily) {
  struct Case {
    int type;
    std::vector<std::string> entries;
    int index;
  };
  for (const Case& c : {Case{3, {"200µS", "2000µS", "20mS", "100mS"}, 1},
                        Case{22, {"200µS (4)", "2000µS (4)", "20mS (4)", "500mS (4)"}, 2}}) {
    Fixture f(Settings(c.type, 3));
    const QComboBox* types = f.dialog->combo(ctl::kMeasurementType);
    EXPECT_EQ(Entries(types), c.entries) << c.type;
    EXPECT_EQ(types->currentIndex(), c.index) << c.type;
    EXPECT_TRUE(f.Enabled(ctl::kMeasurementType)) << c.type;
    EXPECT_TRUE(f.Shown(ctl::kKey1Solution)) << c.type;
    EXPECT_TRUE(f.Shown(ctl::kKey2Solution)) << c.type;
    EXPECT_FALSE(f.Shown(ctl::kKey1Buffer)) << c.type;
    EXPECT_EQ(Entries(f.dialog->combo(ctl::kKey1Solution)),
              (std::vector<std::string>{"0,1N KCL", "0,01N KCL", "0,001N KCL"}));
  }
}

TEST(DialogControls, KeyEditsByType) {
  struct Case {
    int type;
    bool editsShown;
    bool editsEnabled;
  };
  for (const Case& c : {Case{9, true, true}, Case{1, true, false}, Case{7, true, false}, Case{29, true, false},
                        Case{0, false, true}, Case{4, false, true}}) {
    Fixture f(Settings(c.type, 2));
    for (ctl::Control id : {ctl::kCalibrationKey1, ctl::kCalibrationKey2}) {
      EXPECT_EQ(f.Shown(id), c.editsShown) << "type " << c.type << " control " << id;
      if (c.editsShown) {
        EXPECT_EQ(f.Enabled(id), c.editsEnabled) << "type " << c.type << " control " << id;
      }
    }
    EXPECT_EQ(f.Caption(ctl::kLabelCalibrationKey1), "Kal. Taste1");
    EXPECT_EQ(f.Caption(ctl::kLabelCalibrationKey2), "Kal. Taste2");
  }
}

TEST(DialogControls, Type18ShowsFixedPh) {
  for (Language lang : {Language::kGerman, Language::kEnglish}) {
    Fixture f(Settings(18, 3, lang));
    EXPECT_TRUE(f.Shown(ctl::kPhFix));
    EXPECT_EQ(f.Caption(ctl::kPhFix), lang == Language::kGerman ? "enable Festwert pH" : "enable fixed pH value");
    EXPECT_EQ(f.Caption(ctl::kLabelCalibrationKey2), lang == Language::kGerman ? "Festwert pH" : "fixed pH value");
    EXPECT_TRUE(f.Shown(ctl::kCalibrationKey2));
    EXPECT_TRUE(f.Shown(ctl::kLabelCalibrationKey2));
    EXPECT_FALSE(f.Shown(ctl::kCalibrationKey1));
    EXPECT_FALSE(f.Shown(ctl::kLabelCalibrationKey1));
  }
}

TEST(DialogControls, DeviceKind4DisablesOutputsAndRelays) {
  Fixture f(Settings(0, 4));
  std::vector<ctl::Control> ids = {
      ctl::kOutput0Lower,     ctl::kOutput0Upper, ctl::kOutput1Lower,     ctl::kOutput1Upper,  ctl::kRelay1Limit,
      ctl::kRelay1Hysteresis, ctl::kRelay2Limit,  ctl::kRelay2Hysteresis, ctl::kRelay2Minimum, ctl::kRelay2Maximum};
  for (ctl::Control id = ctl::kDac0First; id <= ctl::kRelay2Temperature; id = id + 1) ids.push_back(id);
  for (ctl::Control id = ctl::kVoltage; id <= ctl::kRelay1Maximum; id = id + 1) ids.push_back(id);
  for (ctl::Control id : ids) EXPECT_FALSE(f.Enabled(id)) << id;
  EXPECT_TRUE(f.Enabled(ctl::kSeriesButton));
  EXPECT_EQ(f.Caption(ctl::kSeriesButton), "PB,PD,PF");
  // No key lists on this series; key 1 is only a TDS factor for types 20..27.
  for (ctl::Control id : {ctl::kPhFix, ctl::kKey1Buffer, ctl::kKey2Buffer, ctl::kKey1Solution, ctl::kKey2Solution,
                          ctl::kLabelCalibrationKey1}) {
    EXPECT_FALSE(f.Shown(id)) << id;
  }
  EXPECT_FALSE(f.Enabled(ctl::kCalibrationKey1));
  EXPECT_EQ(f.settings.calibrationKey1, "");
  EXPECT_EQ(f.settings.calibrationKey2, "");
  // The calibration values stay editable.
  EXPECT_TRUE(f.Enabled(ctl::kCalibration1));
}

TEST(DialogControls, DeviceKind4TdsFactorKeepsKey1) {
  Fixture f(Settings(21, 4));
  EXPECT_TRUE(f.Enabled(ctl::kCalibrationKey1));
  EXPECT_TRUE(f.Shown(ctl::kCalibrationKey1));
  EXPECT_TRUE(f.Shown(ctl::kLabelCalibrationKey1));
  EXPECT_EQ(f.Caption(ctl::kLabelCalibrationKey1), types::CalibrationLabel(21, 5, Language::kGerman));
  EXPECT_EQ(f.dialog->edit(ctl::kCalibrationKey1)->text(), "3.00");
  EXPECT_FALSE(f.Enabled(ctl::kCalibrationKey2));
}

TEST(DialogControls, DeviceKind5Type22UsesChannels1And3) {
  Fixture f(Settings(22, 5));
  const std::string name1 = types::ChannelLabel(22, 1, Language::kGerman);
  const std::string name2 = types::ChannelLabel(22, 3, Language::kGerman);
  ASSERT_FALSE(name2.empty());
  for (ctl::Control first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay1First, ctl::kRelay2First}) {
    EXPECT_EQ(f.Caption(first), name1) << first;
    EXPECT_EQ(f.Caption(first + 1), name2) << first;
    for (int i = 2; i < 5; ++i) {
      EXPECT_FALSE(f.Enabled(first + i)) << first + i;
      EXPECT_EQ(f.Caption(first + i), "") << first + i;
    }
    EXPECT_TRUE(f.Enabled(first + 5)) << first;  // temperature
    EXPECT_EQ(f.Caption(first + 5), types::ChannelLabel(22, 6, Language::kGerman));
  }
  EXPECT_TRUE(f.Enabled(ctl::kRelay2First));
  EXPECT_TRUE(f.Enabled(ctl::kRelay2Limit));
  EXPECT_TRUE(f.Enabled(ctl::kRelay2Hysteresis));
  EXPECT_EQ(f.dialog->edit(ctl::kRelay2Limit)->text(), "5.00");
  EXPECT_TRUE(f.Enabled(ctl::kSeriesButton));
  EXPECT_EQ(f.Caption(ctl::kSeriesButton), "QX 7100");
}

TEST(DialogControls, MissingCalibrationLabelDisablesEditAndEmptiesValue) {
  ASSERT_TRUE(types::CalibrationLabel(0, 4, Language::kGerman).empty());
  Fixture f(Settings(0, 3));
  EXPECT_FALSE(f.Enabled(ctl::kCalibration4));
  EXPECT_EQ(f.dialog->edit(ctl::kCalibration4)->text(), "");
  EXPECT_EQ(f.settings.calibration4, "");
  EXPECT_EQ(f.Caption(ctl::kLabelCalibration1), types::CalibrationLabel(0, 1, Language::kGerman));
  EXPECT_TRUE(f.Enabled(ctl::kCalibration1));
  EXPECT_TRUE(f.Enabled(ctl::kCalibration2));
  // Redox has one calibration value only.
  Fixture redox(Settings(1, 3));
  EXPECT_TRUE(redox.Enabled(ctl::kCalibration1));
  for (ctl::Control id : {ctl::kCalibration2, ctl::kCalibration3, ctl::kCalibration4})
    EXPECT_FALSE(redox.Enabled(id)) << id;
}

TEST(DialogControls, CaptionsFollowTheLanguage) {
  struct Row {
    ctl::Control id;
    const char* de;
    const char* en;
  };
  const Row rows[] = {
      {ctl::kPrint, "Drucken", "Print"},
      {ctl::kCancel, "Abbrechen", "Cancel"},
      {ctl::kSave, "Speichern", "Save"},
      {ctl::kOpen, "Öffnen", "Open"},
      {ctl::kOk, "OK", "OK"},
      {ctl::kGroupDac0, "DAC0 Kanal", "DAC0 channel"},
      {ctl::kGroupDac1, "DAC1 Kanal", "DAC1 channel"},
      {ctl::kGroupRelay1, "Relaisausgang", "relay output"},
      {ctl::kGroupRelay2, "Relaisausgang", "relay output"},
      {ctl::kLabelOutput0Upper, "obere Grenze", "upper limit"},
      {ctl::kLabelOutput1Upper, "obere Grenze", "upper limit"},
      {ctl::kLabelOutput0Lower, "untere Grenze", "lower limit"},
      {ctl::kLabelOutput1Lower, "untere Grenze", "lower limit"},
      {ctl::kLabelRelay1Limit, "Grenzwert", "limit value"},
      {ctl::kLabelRelay2Limit, "Grenzwert", "limit value"},
      {ctl::kLabelRelay1Hysteresis, "Hysterese", "hysterese"},
      {ctl::kLabelRelay2Hysteresis, "Hysterese", "hysterese"},
      {ctl::kGroupRelay1LimitType, "Grenzwerttyp", "limit type"},
      {ctl::kGroupCurrentType, "Stromtyp", "current type"},
      {ctl::kCurrent, "Strom", "current"},
      {ctl::kVoltage, "Spannung", "voltage"},
      {ctl::kGroupOutput, "Ausgabe", "output"},
      {ctl::kGroupCalibration, "Kalibrierwerte", "cal. values"},
      {ctl::kLabelCalibrationKey1, "Kal. Taste1", "cal. key1"},
      {ctl::kLabelCalibrationKey2, "Kal. Taste2", "cal. key2"},
      {ctl::kGroupGeneral, "allgemein", "basic adj."},
      {ctl::kLabelMeasurementType, "Messwerttyp", "measurement typ"},
      {ctl::kFixedTemperatureOn, "Festtemperatur", "fix temperature"},
      {ctl::kCalibrationHold, "Hold beim Kal.", "Hold during cal."},
      {ctl::kLabelAddress, "Adresse", "address"},
  };
  for (Language lang : {Language::kGerman, Language::kEnglish}) {
    Fixture f(Settings(9, 3, lang));
    for (const Row& r : rows)
      EXPECT_EQ(f.Caption(r.id), lang == Language::kGerman ? r.de : r.en) << r.id << " lang " << SettingOf(lang);
    EXPECT_EQ(f.dialog->windowTitle().toStdString(), "Konfiguration");
    EXPECT_EQ(f.Caption(ctl::kLabelFixedTemperature), types::ChannelLabel(9, 6, lang));
    EXPECT_EQ(f.dialog->combo(ctl::kMeasurementType)->itemText(7).toStdString(),
              lang == Language::kGerman ? "Sauerstoff" : "oxygen");
  }
}

// ---------------------------------------------------------------------------------------
// Settings <-> controls

TEST(DialogExchange, RoundTripKeepsEverySetting) {
  ConfigSettings s = Settings(3, 5);
  s.output0Lower = "0.00";
  s.output0Upper = "2000.00";
  s.output1Lower = "1.5";
  s.output1Upper = "1e3";  // a number comes back as it was written
  s.output0Source = 0;
  s.output1Source = 5;
  s.relay1Source = 1;
  s.relay2Source = -1;
  s.outputKind = 1;
  s.currentRange = 0;
  s.relay1LimitType = 1;
  s.relay2LimitType = 0;
  s.relay1Limit = "7.00";
  s.relay1Hysteresis = "0.10";
  s.key1Solution = 2;
  s.key2Solution = 0;
  s.key1Buffer = 4;
  s.key2Buffer = -1;
  s.fixedTemperature = "25.0";
  s.fixedTemperatureOn = 1;
  s.temperatureOffset = "-0.5";
  s.calibrationHold = 1;
  s.address = 17;
  s.firmware = "Firmware V1.20";
  s.identity = "A123";
  Fixture f(s);
  const ConfigSettings shown = f.settings;  // after the dialog's own rules
  EXPECT_EQ(shown.typeListOffset, 2);
  EXPECT_EQ(shown.measurementType, 1);
  EXPECT_EQ(f.dialog->label(ctl::kFirmware)->text(), "Firmware V1.20");
  EXPECT_EQ(f.dialog->label(ctl::kIdentity)->text(), "A123");
  EXPECT_EQ(f.dialog->edit(ctl::kAddress)->text(), "17");
  EXPECT_TRUE(f.dialog->button(ctl::kDac0First)->isChecked());        // output0Source = 0
  EXPECT_TRUE(f.dialog->button(ctl::kDac1Temperature)->isChecked());  // output1Source = 5
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(f.dialog->button(ctl::kRelay2First + i)->isChecked()) << i;
  EXPECT_EQ(f.dialog->combo(ctl::kKey1Solution)->currentText(), "0,001N KCL");

  f.settings = ConfigSettings{};  // everything must come back from the controls
  f.settings.typeListOffset = shown.typeListOffset;
  ASSERT_TRUE(f.dialog->ControlsToSettings());
  const ConfigSettings& b = f.settings;
  // Every setting the dialog shows comes back as it was shown.
  ExpectShownSettingsEqual(b, shown, "");
  // ... and those values are the ones put in, not defaults.
  EXPECT_EQ(b.output1Upper, "1e3");
  EXPECT_EQ(b.output1Source, 5);
  EXPECT_EQ(b.relay2Source, -1);
  EXPECT_EQ(b.relay2LimitType, 0);
  EXPECT_EQ(b.relay2Limit, "5.00");
  EXPECT_EQ(b.calibration1, "-3.5");
  EXPECT_EQ(b.key1Solution, 2);
  EXPECT_EQ(b.key1Buffer, 4);
  EXPECT_EQ(b.temperatureOffset, "-0.5");
  EXPECT_EQ(b.fixedTemperatureOn, 1);
  EXPECT_EQ(b.calibrationHold, 1);
  EXPECT_EQ(b.address, 17);
  EXPECT_EQ(b.AbsoluteType(), 3);
}

TEST(DialogExchange, EditsAndChoicesReachTheSettings) {
  Fixture f(Settings(3, 5));
  f.dialog->edit(ctl::kRelay1Limit)->setText("8.25");
  f.dialog->button(ctl::kRelay1First + 3)->setChecked(true);
  f.dialog->combo(ctl::kMeasurementType)->setCurrentIndex(2);  // "20mS"
  f.dialog->combo(ctl::kKey2Solution)->setCurrentIndex(1);
  static_cast<QCheckBox*>(f.dialog->control(ctl::kFixedTemperatureOn))->setChecked(true);
  f.dialog->edit(ctl::kAddress)->setText(" 5 ");
  ASSERT_TRUE(f.dialog->ControlsToSettings());
  EXPECT_EQ(f.settings.relay1Limit, "8.25");
  EXPECT_EQ(f.settings.relay1Source, 3);
  EXPECT_EQ(f.settings.AbsoluteType(), 4);
  EXPECT_EQ(f.settings.key2Solution, 1);
  EXPECT_EQ(f.settings.fixedTemperatureOn, 1);
  EXPECT_EQ(f.settings.address, 5);
}

// The command line computes what the dialog's controls give back without widgets;
// both must agree, also for values no control can show.
TEST(DialogExchange, WidgetFreeRoundTripMatchesTheDialog) {
  struct Case {
    int type, kind;
    int radio, pair, check, key;
  };
  const Case cases[] = {
      {0, 3, 0, 1, 1, 3},  {0, 2, 255, 255, 2, 40}, {3, 3, 5, 0, 0, 2},     {4, 3, 6, 2, 255, 3}, {22, 5, 4, 1, 1, 1},
      {21, 4, 7, 0, 1, 0}, {18, 3, 2, 1, 1, 18},    {12, 3, -1, -1, 0, -1}, {-1, 3, 1, 1, 1, 1},  {33, 3, 1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    ConfigSettings in = Settings(c.type, c.kind);
    in.output0Source = c.radio;
    in.output1Source = c.radio == 255 ? 3 : c.radio;
    in.relay1Source = c.radio;
    in.relay2Source = c.radio;
    in.outputKind = c.pair;
    in.currentRange = c.pair;
    in.relay1LimitType = c.pair;
    in.relay2LimitType = c.pair;
    in.fixedTemperatureOn = c.check;
    in.calibrationHold = c.check;
    in.phFix = c.check;
    in.key1Buffer = c.key;
    in.key2Buffer = c.key;
    in.key1Solution = c.key;
    in.key2Solution = c.key;
    in.output0Lower = "1e3";
    in.fixedTemperature = "25.0";

    Fixture f(in);
    ASSERT_TRUE(f.dialog->ControlsToSettings());
    ConfigSettings expected = in;
    OpenDialogData(expected);
    const ConfigSettings& got = f.settings;
    ExpectShownSettingsEqual(got, expected, "type " + std::to_string(c.type) + " kind " + std::to_string(c.kind));
    EXPECT_EQ(got.typeListOffset, expected.typeListOffset) << "type " << c.type;
    EXPECT_EQ(got.phFix, expected.phFix) << "type " << c.type;
    EXPECT_EQ(SetupFile::BuildSetupText(got), SetupFile::BuildSetupText(expected)) << c.type;
  }
}

// A setup file's "-1" arrives as 255: no button and no list entry is selected.
TEST(DialogExchange, ByteIndicesWithoutEntrySelectNothing) {
  ConfigSettings s = Settings(0, 2);
  s.output1Source = 255;
  s.key1Buffer = 255;
  s.outputKind = 255;
  Fixture f(s);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(f.dialog->button(ctl::kDac1First + i)->isChecked()) << i;
  EXPECT_FALSE(f.dialog->button(ctl::kVoltage)->isChecked());
  EXPECT_FALSE(f.dialog->button(ctl::kCurrent)->isChecked());
  EXPECT_EQ(f.dialog->combo(ctl::kKey1Buffer)->currentIndex(), -1);
  ASSERT_TRUE(f.dialog->ControlsToSettings());
  EXPECT_EQ(f.settings.output1Source, -1);
  EXPECT_EQ(f.settings.key1Buffer, -1);
}

// ---------------------------------------------------------------------------------------
// OK and the series button

TEST(DialogOk, AddressOutsideTheRangeKeepsTheDialogOpen) {
  struct Case {
    const char* text;
    const char* message;
  };
  for (const Case& c : {Case{"32", "Geben Sie eine ganze Zahl zwischen 0 und 31 ein."},
                        Case{"255", "Geben Sie eine ganze Zahl zwischen 0 und 31 ein."},
                        Case{"256", "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
                        Case{"-1", "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
                        Case{"x", "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."},
                        Case{"", "Geben Sie eine ganze Zahl zwischen 0 und 255 ein."}}) {
    int checks = 0;
    Fixture f(Settings(0, 3), [&](ConfigSettings&) {
      ++checks;
      return true;
    });
    f.dialog->show();
    f.dialog->edit(ctl::kRelay1Limit)->setText("9.99");
    f.dialog->edit(ctl::kAddress)->setText(c.text);
    f.dialog->accept();
    EXPECT_TRUE(f.dialog->isVisible()) << c.text;
    EXPECT_EQ(checks, 0) << c.text;
    EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{c.message}) << c.text;
    EXPECT_EQ(f.settings.relay1Limit, "") << "a refused address takes nothing: " << c.text;
  }
}

TEST(DialogOk, TypeCheckDecides) {
  // The check sees the chosen type; one of another family is refused and the dialog
  // stays open for another choice.
  std::vector<int> seen;
  auto check = [&](ConfigSettings& s) {
    seen.push_back(s.AbsoluteType());
    if (SameTypeFamily(s.moduleType, s.AbsoluteType())) return true;
    return false;
  };
  Fixture f(Settings(3, 3), check);
  f.dialog->show();
  f.dialog->combo(ctl::kMeasurementType)->setCurrentIndex(2);
  f.dialog->accept();
  EXPECT_FALSE(f.dialog->isVisible());
  EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(seen, std::vector<int>{4});

  // A setup file of a pH module loaded into a conductivity module's dialog.
  Fixture g(Settings(3, 3), check);
  g.settings.measurementType = 0;
  g.settings.typeListOffset = 0;
  g.dialog->SetupDialogControls();
  g.dialog->show();
  g.dialog->accept();
  EXPECT_TRUE(g.dialog->isVisible());
  EXPECT_EQ(seen.back(), 0);
  g.dialog->combo(ctl::kMeasurementType)->setCurrentIndex(20);  // four-electrode: still another family
  g.dialog->accept();
  EXPECT_TRUE(g.dialog->isVisible());
  g.dialog->combo(ctl::kMeasurementType)->setCurrentIndex(3);
  g.dialog->accept();
  EXPECT_FALSE(g.dialog->isVisible());
  EXPECT_EQ(g.dialog->result(), QDialog::Accepted);
}

// While the check waits for the module, events still arrive: a second OK or a Cancel
// must not start another check or close the dialog under it.
TEST(DialogOk, NoSecondOkOrCancelWhileTheCheckWaits) {
  int checks = 0;
  ConfigurationDialog* dialog = nullptr;
  Fixture f(Settings(0, 3), [&](ConfigSettings&) {
    ++checks;
    EXPECT_FALSE(dialog->isEnabled());
    dialog->accept();
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible());
    return false;
  });
  dialog = f.dialog.get();
  f.dialog->show();
  f.dialog->accept();
  EXPECT_EQ(checks, 1);
  EXPECT_TRUE(f.dialog->isVisible());
  EXPECT_TRUE(f.dialog->isEnabled());
  // Controls the type disabled stay disabled once the dialog is enabled again.
  EXPECT_FALSE(f.Enabled(ctl::kMeasurementType));
  EXPECT_FALSE(f.Enabled(ctl::kRelay2First));
  EXPECT_TRUE(f.Enabled(ctl::kRelay1First));
}

TEST(DialogOk, RunConfigurationDialogReportsOkAndCancel) {
  for (bool ok : {true, false}) {
    ScriptedUi ui;
    ConfigSettings s = Settings(0, 3);
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<ConfigurationDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      d->edit(ctl::kRelay1Limit)->setText("1.25");
      d->button(ok ? ctl::kOk : ctl::kCancel)->click();
    });
    FunctionConfirmation accept(ui, [](ConfigSettings&) { return true; });
    EXPECT_EQ(RunConfigurationDialog(nullptr, ui, s, accept), ok);
    EXPECT_EQ(s.relay1Limit, ok ? "1.25" : "");
  }
}

TEST(DialogSeriesButton, ByDeviceKind) {
  struct Case {
    int kind;
    Language language;
    std::string message;
    std::string series;
  };
  const Case cases[] = {
      {3, Language::kGerman, "Fehler!\nDer angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!", ""},
      {2, Language::kEnglish, "Error! The connected amplifier dose not fit to QX 7100 model type!", ""},
      {5, Language::kGerman, "", "QX7100"},
      {4, Language::kEnglish, "", "PB70,PD70,PF70"},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    ConfigSettings s = Settings(0, c.kind, c.language);
    std::string opened;
    FunctionLogger logger(
        [&](const std::string& series, Language lang) { opened = series + "/" + std::to_string(SettingOf(lang)); });
    FunctionConfirmation actions(ui, {}, platform::SystemClock(), &logger);
    ConfigurationDialog d(ui, s, actions);
    d.edit(ctl::kFixedTemperature)->setText("21.5");
    d.OnSeriesButton();
    EXPECT_EQ(s.fixedTemperature, "21.5") << "the controls are taken first";
    if (c.message.empty()) {
      EXPECT_TRUE(ui.Messages().empty());
      EXPECT_EQ(opened, c.series + "/" + std::to_string(SettingOf(c.language)));
    } else {
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
      EXPECT_EQ(opened, "");
    }
  }
  // Without a logger dialog the current series get a notice instead.
  ScriptedUi ui;
  ConfigSettings s = Settings(0, 5, Language::kEnglish);
  FunctionConfirmation actions(ui);
  ConfigurationDialog d(ui, s, actions);
  d.OnSeriesButton();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{Tr(Language::kEnglish, types::kNotAvailable)});
}

// ---------------------------------------------------------------------------------------
// Open and save

std::string ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

TEST(DialogFiles, SaveTakesTheControlsFirst) {
  QTemporaryDir dir;
  const QString path = dir.filePath("setup.qx4");
  Fixture f(Settings(3, 3));
  f.dialog->edit(ctl::kRelay1Limit)->setText("7.50");
  f.dialog->combo(ctl::kMeasurementType)->setCurrentIndex(2);
  f.ui.saveFiles.push_back(path.toStdString());
  f.dialog->OnSave();
  const std::string text = ReadAll(path);
  EXPECT_NE(text.find("IDC_GRENZWERT==7.50\n\r"), std::string::npos) << text;
  EXPECT_NE(text.find("IDC_TYPAUSWAHL==4\n\r"), std::string::npos) << "absolute type";

  // A refused address saves nothing.
  const QString other = dir.filePath("other.qx4");
  f.dialog->edit(ctl::kAddress)->setText("40");
  f.ui.saveFiles.push_back(other.toStdString());
  f.dialog->OnSave();
  EXPECT_FALSE(QFile::exists(other));
  EXPECT_EQ(f.ui.Messages().back(), "Geben Sie eine ganze Zahl zwischen 0 und 31 ein.");
}

TEST(DialogFiles, NumberFieldsTakeTheDecimalCommaAndRefuseTheRest) {
  QTemporaryDir dir;
  struct Case {
    const char* typed;
    const char* stored;   // nullptr: refused, nothing saved
    const char* message;  // start of the refusal
  } cases[] = {
      {"25,5", "25.5", nullptr},
      {" -0,25 ", "-0.25", nullptr},
      {"1e3", "1e3", nullptr},
      {"abc", nullptr, "Keine gültige Zahl im Feld \"allgemein: Temperatur\": abc"},
      {"25°", nullptr, "Keine gültige Zahl im Feld"},
      {"2,5,1", nullptr, "Keine gültige Zahl im Feld"},
      {"nan", nullptr, "Keine gültige Zahl im Feld"},
      {"-inf", nullptr, "Keine gültige Zahl im Feld"},
      {"1e39", nullptr, "Keine gültige Zahl im Feld"},
      {"25Ω", nullptr, "Ein Zeichen lässt sich nicht speichern"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const QString path = dir.filePath("setup.qx4");
    QFile::remove(path);
    ConfigSettings before = Settings(1, 3);
    before.fixedTemperature = "25.0";
    Fixture f(before);
    f.dialog->edit(ctl::kFixedTemperature)->setText(QString::fromUtf8(c.typed));
    f.ui.saveFiles.push_back(path.toStdString());
    f.dialog->OnSave();
    if (c.stored) {
      EXPECT_TRUE(f.ui.Messages().empty());
      EXPECT_EQ(f.settings.fixedTemperature, c.stored);
      EXPECT_EQ(f.dialog->edit(ctl::kFixedTemperature)->text().toStdString(), c.stored);
      EXPECT_NE(ReadAll(path).find(std::string("IDC_EDIT1==") + c.stored + "\n\r"), std::string::npos);
    } else {
      EXPECT_FALSE(QFile::exists(path));
      ASSERT_EQ(f.ui.Messages().size(), 1u);
      EXPECT_EQ(f.ui.Messages()[0].rfind(c.message, 0), 0u) << f.ui.Messages()[0];
      EXPECT_EQ(f.settings.fixedTemperature, "25.0");
    }
  }
}

TEST(DialogFiles, WindowsTextTravelsByteForByte) {
  // A redox module shows its key value in a field the user cannot edit; what a setup
  // file put there goes back into the next file unchanged.
  QTemporaryDir dir;
  const QString path = dir.filePath("redox.qx4");
  ConfigSettings s = Settings(1, 3);
  s.calibrationKey1 = "1\xB0";
  Fixture f(s);
  ASSERT_FALSE(f.Enabled(ctl::kCalibrationKey1));
  EXPECT_EQ(f.dialog->edit(ctl::kCalibrationKey1)->text(), QString::fromUtf8("1°"));
  f.ui.saveFiles.push_back(path.toStdString());
  f.dialog->OnSave();
  const std::string text = ReadAll(path);
  EXPECT_NE(text.find("IDC_KAL_C1==1\xB0\n\r"), std::string::npos) << text;
  ConfigSettings back;
  EXPECT_EQ(SetupFile::ParseSetupText(text, back, true), SetupFile::kOk);
}

TEST(DialogFiles, OpenRebuildsTheControlsForTheLoadedType) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ph.qx4");
  ConfigSettings file = Settings(0, 3);
  file.key1Buffer = 3;
  file.relay1Limit = "6.50";
  WriteAll(path, SetupFile::BuildSetupText(file));

  Fixture f(Settings(3, 3));
  ASSERT_EQ(f.dialog->combo(ctl::kMeasurementType)->count(), 4);
  f.ui.openFiles.push_back(path.toStdString());
  f.ui.yesNo.push_back(false);
  f.dialog->OnOpen();
  EXPECT_TRUE(f.ui.Messages().empty());
  EXPECT_EQ(f.dialog->combo(ctl::kMeasurementType)->count(), 31);
  EXPECT_EQ(f.dialog->combo(ctl::kMeasurementType)->currentIndex(), 0);
  EXPECT_TRUE(f.Shown(ctl::kKey1Buffer));
  EXPECT_FALSE(f.Shown(ctl::kKey1Solution));
  EXPECT_EQ(f.dialog->combo(ctl::kKey1Buffer)->currentText(), "NBS 9,18");
  EXPECT_EQ(f.dialog->edit(ctl::kRelay1Limit)->text(), "6.50");

  // A damaged file: the error is shown and the values are shown all the same.
  std::string bytes = ReadAll(path);
  bytes.replace(bytes.find("IDC_GRENZWERT==6.50"), 19, "IDC_GRENZWERT==6.60");
  WriteAll(path, bytes);
  f.ui.openFiles.push_back(path.toStdString());
  f.dialog->OnOpen();
  EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{"Fehler in der Datendatei!"});
  EXPECT_EQ(f.dialog->edit(ctl::kRelay1Limit)->text(), "6.60");

  // Cancelled: nothing changes.
  f.dialog->edit(ctl::kRelay1Limit)->setText("1.00");
  f.dialog->OnOpen();
  EXPECT_EQ(f.dialog->edit(ctl::kRelay1Limit)->text(), "1.00");
}

// "pH Fix" and the key labels are not shown again by a later run: a type that leaves
// them alone keeps what the previous type did.
TEST(DialogFiles, HiddenFixedPhStaysHiddenAfterLoadingAnotherType) {
  QTemporaryDir dir;
  const QString path = dir.filePath("free.qx4");
  WriteAll(path, SetupFile::BuildSetupText(Settings(12, 3)));

  Fixture fresh(Settings(12, 3));
  EXPECT_TRUE(fresh.Shown(ctl::kPhFix));

  Fixture f(Settings(0, 3));
  ASSERT_FALSE(f.Shown(ctl::kPhFix));
  f.ui.openFiles.push_back(path.toStdString());
  f.dialog->OnOpen();
  EXPECT_EQ(f.dialog->combo(ctl::kMeasurementType)->currentIndex(), 12);
  EXPECT_FALSE(f.Shown(ctl::kPhFix));
}

// ---------------------------------------------------------------------------------------
// Print

TEST(DialogPrint, PrintsTheControlsAsShown) {
  ScriptedUi ui;
  ui.printAccept = true;
  ConfigSettings s = Settings(22, 5);
  s.identity = "B777";
  s.output0Source = 1;
  s.relay2Source = 5;
  platform::Clock clock = [] { return platform::LocalTime{2026, 3, 4, 9, 7, 0}; };
  FunctionConfirmation actions(ui, {}, clock);
  ConfigurationDialog d(ui, s, actions);
  d.edit(ctl::kRelay1Limit)->setText("8.00");
  d.OnPrint();
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].text, "QX 7100 Setup-Plot");
  ASSERT_TRUE(ui.lastPage);
  const test::RecordingPage& page = *ui.lastPage;
  ASSERT_TRUE(page.ended);
  ASSERT_FALSE(page.texts.empty());
  EXPECT_EQ(page.texts[0].text, "Setup QX 7100 -Nr.: B777  04.03.2026 09:07\n\n");
  std::vector<std::string> lines;
  for (std::size_t i = 1; i < page.texts.size(); ++i) lines.push_back(page.texts[i].text);
  auto has = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
  // Source 2 of this series is channel 3 of the type.
  EXPECT_TRUE(has("DAC0 Kanal:  " + types::ChannelLabel(22, 3, Language::kGerman)));
  EXPECT_TRUE(has("Grenzwert:  8.00"));
  EXPECT_TRUE(has("Relaisausgang 2:  " + types::ChannelLabel(22, 6, Language::kGerman)));

  // Cancelled print dialog: nothing drawn.
  ScriptedUi cancel;
  FunctionConfirmation cancelActions(cancel);
  ConfigurationDialog c(cancel, s, cancelActions);
  c.OnPrint();
  EXPECT_EQ(cancel.Kinds(), std::vector<std::string>{"print"});
  EXPECT_FALSE(cancel.lastPage);
}

}  // namespace
}  // namespace korvane::configuration
