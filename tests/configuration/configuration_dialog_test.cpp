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

#include "configuration/SetupFile.h"
#include "configuration/ConfigLists.h"
#include "configuration/DialogExchange.h"
#include "configuration/widgets/ConfigurationDialog.h"
#include "support/ConfigurationDoubles.h"
#include "support/ScriptedUi.h"
#include "types/Catalogue.h"
#include "types/Texts.h"

namespace korvane::configuration {
namespace {

using test::FunctionConfirmation;
using test::FunctionLogger;
using test::ScriptedUi;

ConfigSettings Settings(int type, int kind, int language = 0) {
  ConfigSettings s;
  s.IDC_TYPAUSWAHL = type;  // as the read leaves it: absolute type, offset 0
  s.typeListOffset = 0;
  s.moduleType = type;
  s.deviceKind = kind;
  s.language = language;
  s.IDC_KAL0 = "-3.5";
  s.IDC_KAL1 = "-59.2";
  s.IDC_KAL2 = "0";
  s.IDC_KAL3 = "1.5";
  s.IDC_KAL_C1 = "3.00";
  s.IDC_KAL_C2 = "1.00";
  s.IDC_GRENZWERT3 = "5.00";
  s.IDC_HYSTERESE3 = "0.50";
  s.IDC_GERAETE_ADR = 1;
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
  SAME(IDC_UNTERER_WERT0);
  SAME(IDC_OBERER_WERT0);
  SAME(IDC_UNTERER_WERT1);
  SAME(IDC_OBERER_WERT1);
  SAME(IDC_RADIO1);
  SAME(IDC_RADIO7);
  SAME(IDC_RADIO_RELAY);
  SAME(IDC_RADIO_RELAY2);
  SAME(IDC_STROM_SPANNUNG);
  SAME(IDC_4TO20MA);
  SAME(IDC_MINIMUM);
  SAME(IDC_MINIMUM3);
  SAME(IDC_GRENZWERT);
  SAME(IDC_HYSTERESE);
  SAME(IDC_GRENZWERT3);
  SAME(IDC_HYSTERESE3);
  SAME(IDC_KAL0);
  SAME(IDC_KAL1);
  SAME(IDC_KAL2);
  SAME(IDC_KAL3);
  SAME(IDC_KAL_C1);
  SAME(IDC_KAL_C2);
  SAME(IDC_KAL_T1_PH);
  SAME(IDC_KAL_T2_PH);
  SAME(IDC_KAL_T1_LF);
  SAME(IDC_KAL_T2_LF);
  SAME(IDC_EDIT1);
  SAME(IDC_CHECK1);
  SAME(IDC_OFFSET);
  SAME(IDC_KAL_HOLD);
  SAME(IDC_GERAETE_ADR);
  SAME(IDC_TYPAUSWAHL);
#undef SAME
}

struct Fixture {
  explicit Fixture(ConfigSettings s, std::function<bool(ConfigSettings&)> check = {})
      : settings(std::move(s)), confirm(check) {
    dialog = std::make_unique<ConfigurationDialog>(ui, settings, check ? &confirm : nullptr);
  }
  bool Enabled(int id) const { return dialog->control(id)->isEnabled(); }
  bool Shown(int id) const { return !dialog->control(id)->isHidden(); }
  std::string Caption(int id) const { return dialog->caption(id).toStdString(); }

  ScriptedUi ui;
  ConfigSettings settings;
  FunctionConfirmation confirm;
  std::unique_ptr<ConfigurationDialog> dialog;
};

// ---------------------------------------------------------------------------------------
// Control states per type, series and language

TEST(DialogControls, PhOfEarlierSeriesListsAllTypesDisabledWithBufferLists) {
  Fixture f(Settings(0, 3));
  const QComboBox* types = f.dialog->combo(ctl::kTypeList);
  ASSERT_EQ(types->count(), 31);
  EXPECT_EQ(types->itemText(0).toStdString(), "pH");
  EXPECT_EQ(types->itemText(30).toStdString(), "20µS ZK=0.1");
  EXPECT_EQ(types->currentIndex(), 0);
  EXPECT_FALSE(f.Enabled(ctl::kTypeList));
  EXPECT_TRUE(f.Shown(ctl::kKeyPh1));
  EXPECT_TRUE(f.Shown(ctl::kKeyPh2));
  for (int id : {ctl::kKeyLf1, ctl::kKeyLf2, ctl::kKalC1, ctl::kKalC2, ctl::kPhFix}) EXPECT_FALSE(f.Shown(id)) << id;
  // The earlier series has no logger button; its five sources are the channel labels.
  EXPECT_FALSE(f.Enabled(ctl::kSeriesButton));
  EXPECT_EQ(f.Caption(ctl::kSeriesButton), "QX 7100");
  for (int first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay1First}) {
    EXPECT_EQ(f.Caption(first), types::ChannelLabel(0, 1, 0));
    EXPECT_EQ(f.Caption(first + 5), types::ChannelLabel(0, 6, 0));
  }
  // Relay 2 belongs to device kind 5 only: disabled, its texts emptied.
  for (int id = 1019; id <= 1024; ++id) EXPECT_FALSE(f.Enabled(id)) << id;
  for (int id : {ctl::kLimit3, ctl::kHysteresis3, ctl::kMinimum3, ctl::kMaximum3}) EXPECT_FALSE(f.Enabled(id)) << id;
  EXPECT_EQ(f.dialog->edit(ctl::kLimit3)->text(), "");
  EXPECT_EQ(f.settings.IDC_GRENZWERT3, "");
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
    const QComboBox* types = f.dialog->combo(ctl::kTypeList);
    EXPECT_EQ(Entries(types), c.entries) << c.type;
    EXPECT_EQ(types->currentIndex(), c.index) << c.type;
    EXPECT_TRUE(f.Enabled(ctl::kTypeList)) << c.type;
    EXPECT_TRUE(f.Shown(ctl::kKeyLf1)) << c.type;
    EXPECT_TRUE(f.Shown(ctl::kKeyLf2)) << c.type;
    EXPECT_FALSE(f.Shown(ctl::kKeyPh1)) << c.type;
    EXPECT_EQ(Entries(f.dialog->combo(ctl::kKeyLf1)),
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
    for (int id : {ctl::kKalC1, ctl::kKalC2}) {
      EXPECT_EQ(f.Shown(id), c.editsShown) << "type " << c.type << " control " << id;
      if (c.editsShown) {
        EXPECT_EQ(f.Enabled(id), c.editsEnabled) << "type " << c.type << " control " << id;
      }
    }
    EXPECT_EQ(f.Caption(ctl::kLabelKalC1), "Kal. Taste1");
    EXPECT_EQ(f.Caption(ctl::kLabelKalC2), "Kal. Taste2");
  }
}

TEST(DialogControls, Type18ShowsFixedPh) {
  for (int lang : {0, 1}) {
    Fixture f(Settings(18, 3, lang));
    EXPECT_TRUE(f.Shown(ctl::kPhFix));
    EXPECT_EQ(f.Caption(ctl::kPhFix), lang == 0 ? "enable Festwert pH" : "enable fixed pH value");
    EXPECT_EQ(f.Caption(ctl::kLabelKalC2), lang == 0 ? "Festwert pH" : "fixed pH value");
    EXPECT_TRUE(f.Shown(ctl::kKalC2));
    EXPECT_TRUE(f.Shown(ctl::kLabelKalC2));
    EXPECT_FALSE(f.Shown(ctl::kKalC1));
    EXPECT_FALSE(f.Shown(ctl::kLabelKalC1));
  }
}

TEST(DialogControls, DeviceKind4DisablesOutputsAndRelays) {
  Fixture f(Settings(0, 4));
  std::vector<int> ids = {1075, 1076, 1077, 1078, 1084, 1085, 1087, 1088, 1108, 1118};
  for (int id = 1001; id <= 1024; ++id) ids.push_back(id);
  for (int id = 1101; id <= 1106; ++id) ids.push_back(id);
  for (int id : ids) EXPECT_FALSE(f.Enabled(id)) << id;
  EXPECT_TRUE(f.Enabled(ctl::kSeriesButton));
  EXPECT_EQ(f.Caption(ctl::kSeriesButton), "PB,PD,PF");
  // No key lists on this series; key 1 is only a TDS factor for types 20..27.
  for (int id : {ctl::kPhFix, ctl::kKeyPh1, ctl::kKeyPh2, ctl::kKeyLf1, ctl::kKeyLf2, ctl::kLabelKalC1}) {
    EXPECT_FALSE(f.Shown(id)) << id;
  }
  EXPECT_FALSE(f.Enabled(ctl::kKalC1));
  EXPECT_EQ(f.settings.IDC_KAL_C1, "");
  EXPECT_EQ(f.settings.IDC_KAL_C2, "");
  // The calibration values stay editable.
  EXPECT_TRUE(f.Enabled(ctl::kKal0));
}

TEST(DialogControls, DeviceKind4TdsFactorKeepsKey1) {
  Fixture f(Settings(21, 4));
  EXPECT_TRUE(f.Enabled(ctl::kKalC1));
  EXPECT_TRUE(f.Shown(ctl::kKalC1));
  EXPECT_TRUE(f.Shown(ctl::kLabelKalC1));
  EXPECT_EQ(f.Caption(ctl::kLabelKalC1), types::CalibrationLabel(21, 5, 0));
  EXPECT_EQ(f.dialog->edit(ctl::kKalC1)->text(), "3.00");
  EXPECT_FALSE(f.Enabled(ctl::kKalC2));
}

TEST(DialogControls, DeviceKind5Type22UsesChannels1And3) {
  Fixture f(Settings(22, 5));
  const std::string name1 = types::ChannelLabel(22, 1, 0);
  const std::string name2 = types::ChannelLabel(22, 3, 0);
  ASSERT_FALSE(name2.empty());
  for (int first : {ctl::kDac0First, ctl::kDac1First, ctl::kRelay1First, ctl::kRelay2First}) {
    EXPECT_EQ(f.Caption(first), name1) << first;
    EXPECT_EQ(f.Caption(first + 1), name2) << first;
    for (int i = 2; i < 5; ++i) {
      EXPECT_FALSE(f.Enabled(first + i)) << first + i;
      EXPECT_EQ(f.Caption(first + i), "") << first + i;
    }
    EXPECT_TRUE(f.Enabled(first + 5)) << first;  // temperature
    EXPECT_EQ(f.Caption(first + 5), types::ChannelLabel(22, 6, 0));
  }
  EXPECT_TRUE(f.Enabled(ctl::kRelay2First));
  EXPECT_TRUE(f.Enabled(ctl::kLimit3));
  EXPECT_TRUE(f.Enabled(ctl::kHysteresis3));
  EXPECT_EQ(f.dialog->edit(ctl::kLimit3)->text(), "5.00");
  EXPECT_TRUE(f.Enabled(ctl::kSeriesButton));
  EXPECT_EQ(f.Caption(ctl::kSeriesButton), "QX 7100");
}

TEST(DialogControls, MissingCalibrationLabelDisablesEditAndEmptiesValue) {
  ASSERT_TRUE(types::CalibrationLabel(0, 4, 0).empty());
  Fixture f(Settings(0, 3));
  EXPECT_FALSE(f.Enabled(ctl::kKal3));
  EXPECT_EQ(f.dialog->edit(ctl::kKal3)->text(), "");
  EXPECT_EQ(f.settings.IDC_KAL3, "");
  EXPECT_EQ(f.Caption(ctl::kLabelKal0), types::CalibrationLabel(0, 1, 0));
  EXPECT_TRUE(f.Enabled(ctl::kKal0));
  EXPECT_TRUE(f.Enabled(ctl::kKal1));
  // Redox has one calibration value only.
  Fixture redox(Settings(1, 3));
  EXPECT_TRUE(redox.Enabled(ctl::kKal0));
  for (int id : {ctl::kKal1, ctl::kKal2, ctl::kKal3}) EXPECT_FALSE(redox.Enabled(id)) << id;
}

TEST(DialogControls, CaptionsFollowTheLanguage) {
  struct Row {
    int id;
    const char* de;
    const char* en;
  };
  const Row rows[] = {
      {1092, "Drucken", "Print"},
      {2, "Abbrechen", "Cancel"},
      {1165, "Speichern", "Save"},
      {1241, "Öffnen", "Open"},
      {1, "OK", "OK"},
      {1137, "DAC0 Kanal", "DAC0 channel"},
      {1138, "DAC1 Kanal", "DAC1 channel"},
      {1139, "Relaisausgang", "relay output"},
      {1159, "Relaisausgang", "relay output"},
      {1142, "obere Grenze", "upper limit"},
      {1143, "obere Grenze", "upper limit"},
      {1140, "untere Grenze", "lower limit"},
      {1141, "untere Grenze", "lower limit"},
      {1144, "Grenzwert", "limit value"},
      {1160, "Grenzwert", "limit value"},
      {1145, "Hysterese", "hysterese"},
      {1161, "Hysterese", "hysterese"},
      {1146, "Grenzwerttyp", "limit type"},
      {1147, "Stromtyp", "current type"},
      {1102, "Strom", "current"},
      {1101, "Spannung", "voltage"},
      {1148, "Ausgabe", "output"},
      {1149, "Kalibrierwerte", "cal. values"},
      {1153, "Kal. Taste1", "cal. key1"},
      {1154, "Kal. Taste2", "cal. key2"},
      {1155, "allgemein", "basic adj."},
      {1157, "Messwerttyp", "measurement typ"},
      {1113, "Festtemperatur", "fix temperature"},
      {1174, "Hold beim Kal.", "Hold during cal."},
      {1156, "Adresse", "address"},
  };
  for (int lang : {0, 1}) {
    Fixture f(Settings(9, 3, lang));
    for (const Row& r : rows) EXPECT_EQ(f.Caption(r.id), lang == 0 ? r.de : r.en) << r.id << " lang " << lang;
    EXPECT_EQ(f.dialog->windowTitle().toStdString(), "Konfiguration");
    EXPECT_EQ(f.Caption(1128), types::ChannelLabel(9, 6, lang));
    EXPECT_EQ(f.dialog->combo(ctl::kTypeList)->itemText(7).toStdString(), lang == 0 ? "Sauerstoff" : "oxygen");
  }
}

// ---------------------------------------------------------------------------------------
// Settings <-> controls

TEST(DialogExchange, RoundTripKeepsEverySetting) {
  ConfigSettings s = Settings(3, 5);
  s.IDC_UNTERER_WERT0 = "0.00";
  s.IDC_OBERER_WERT0 = "2000.00";
  s.IDC_UNTERER_WERT1 = "1.5";
  s.IDC_OBERER_WERT1 = "1e3";  // a number comes back as it was written
  s.IDC_RADIO1 = 0;
  s.IDC_RADIO7 = 5;
  s.IDC_RADIO_RELAY = 1;
  s.IDC_RADIO_RELAY2 = -1;
  s.IDC_STROM_SPANNUNG = 1;
  s.IDC_4TO20MA = 0;
  s.IDC_MINIMUM = 1;
  s.IDC_MINIMUM3 = 0;
  s.IDC_GRENZWERT = "7.00";
  s.IDC_HYSTERESE = "0.10";
  s.IDC_KAL_T1_LF = 2;
  s.IDC_KAL_T2_LF = 0;
  s.IDC_KAL_T1_PH = 4;
  s.IDC_KAL_T2_PH = -1;
  s.IDC_EDIT1 = "25.0";
  s.IDC_CHECK1 = 1;
  s.IDC_OFFSET = "-0.5";
  s.IDC_KAL_HOLD = 1;
  s.IDC_GERAETE_ADR = 17;
  s.IDC_VERSION = "Firmware V1.20";
  s.IDC_HERSTELLER_NUM = "A123";
  Fixture f(s);
  const ConfigSettings shown = f.settings;  // after the dialog's own rules
  EXPECT_EQ(shown.typeListOffset, 2);
  EXPECT_EQ(shown.IDC_TYPAUSWAHL, 1);
  EXPECT_EQ(f.dialog->label(ctl::kFirmwareText)->text(), "Firmware V1.20");
  EXPECT_EQ(f.dialog->label(ctl::kIdentityText)->text(), "A123");
  EXPECT_EQ(f.dialog->edit(ctl::kAddress)->text(), "17");
  EXPECT_TRUE(f.dialog->button(1001)->isChecked());  // IDC_RADIO1 = 0
  EXPECT_TRUE(f.dialog->button(1012)->isChecked());  // IDC_RADIO7 = 5
  for (int id = 1019; id <= 1024; ++id) EXPECT_FALSE(f.dialog->button(id)->isChecked()) << id;
  EXPECT_EQ(f.dialog->combo(ctl::kKeyLf1)->currentText(), "0,001N KCL");

  f.settings = ConfigSettings{};  // everything must come back from the controls
  f.settings.typeListOffset = shown.typeListOffset;
  ASSERT_TRUE(f.dialog->ControlsToSettings());
  const ConfigSettings& b = f.settings;
  // Every setting the dialog shows comes back as it was shown.
  ExpectShownSettingsEqual(b, shown, "");
  // ... and those values are the ones put in, not defaults.
  EXPECT_EQ(b.IDC_OBERER_WERT1, "1e3");
  EXPECT_EQ(b.IDC_RADIO7, 5);
  EXPECT_EQ(b.IDC_RADIO_RELAY2, -1);
  EXPECT_EQ(b.IDC_MINIMUM3, 0);
  EXPECT_EQ(b.IDC_GRENZWERT3, "5.00");
  EXPECT_EQ(b.IDC_KAL0, "-3.5");
  EXPECT_EQ(b.IDC_KAL_T1_LF, 2);
  EXPECT_EQ(b.IDC_KAL_T1_PH, 4);
  EXPECT_EQ(b.IDC_OFFSET, "-0.5");
  EXPECT_EQ(b.IDC_CHECK1, 1);
  EXPECT_EQ(b.IDC_KAL_HOLD, 1);
  EXPECT_EQ(b.IDC_GERAETE_ADR, 17);
  EXPECT_EQ(b.AbsoluteType(), 3);
}

TEST(DialogExchange, EditsAndChoicesReachTheSettings) {
  Fixture f(Settings(3, 5));
  f.dialog->edit(ctl::kLimit)->setText("8.25");
  f.dialog->button(1016)->setChecked(true);
  f.dialog->combo(ctl::kTypeList)->setCurrentIndex(2);  // "20mS"
  f.dialog->combo(ctl::kKeyLf2)->setCurrentIndex(1);
  static_cast<QCheckBox*>(f.dialog->control(ctl::kFixTemp))->setChecked(true);
  f.dialog->edit(ctl::kAddress)->setText(" 5 ");
  ASSERT_TRUE(f.dialog->ControlsToSettings());
  EXPECT_EQ(f.settings.IDC_GRENZWERT, "8.25");
  EXPECT_EQ(f.settings.IDC_RADIO_RELAY, 3);
  EXPECT_EQ(f.settings.AbsoluteType(), 4);
  EXPECT_EQ(f.settings.IDC_KAL_T2_LF, 1);
  EXPECT_EQ(f.settings.IDC_CHECK1, 1);
  EXPECT_EQ(f.settings.IDC_GERAETE_ADR, 5);
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
    in.IDC_RADIO1 = c.radio;
    in.IDC_RADIO7 = c.radio == 255 ? 3 : c.radio;
    in.IDC_RADIO_RELAY = c.radio;
    in.IDC_RADIO_RELAY2 = c.radio;
    in.IDC_STROM_SPANNUNG = c.pair;
    in.IDC_4TO20MA = c.pair;
    in.IDC_MINIMUM = c.pair;
    in.IDC_MINIMUM3 = c.pair;
    in.IDC_CHECK1 = c.check;
    in.IDC_KAL_HOLD = c.check;
    in.phFix = c.check;
    in.IDC_KAL_T1_PH = c.key;
    in.IDC_KAL_T2_PH = c.key;
    in.IDC_KAL_T1_LF = c.key;
    in.IDC_KAL_T2_LF = c.key;
    in.IDC_UNTERER_WERT0 = "1e3";
    in.IDC_EDIT1 = "25.0";

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
  s.IDC_RADIO7 = 255;
  s.IDC_KAL_T1_PH = 255;
  s.IDC_STROM_SPANNUNG = 255;
  Fixture f(s);
  for (int id = 1007; id <= 1012; ++id) EXPECT_FALSE(f.dialog->button(id)->isChecked()) << id;
  EXPECT_FALSE(f.dialog->button(ctl::kVoltage)->isChecked());
  EXPECT_FALSE(f.dialog->button(ctl::kCurrent)->isChecked());
  EXPECT_EQ(f.dialog->combo(ctl::kKeyPh1)->currentIndex(), -1);
  ASSERT_TRUE(f.dialog->ControlsToSettings());
  EXPECT_EQ(f.settings.IDC_RADIO7, -1);
  EXPECT_EQ(f.settings.IDC_KAL_T1_PH, -1);
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
    f.dialog->edit(ctl::kLimit)->setText("9.99");
    f.dialog->edit(ctl::kAddress)->setText(c.text);
    f.dialog->accept();
    EXPECT_TRUE(f.dialog->isVisible()) << c.text;
    EXPECT_EQ(checks, 0) << c.text;
    EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{c.message}) << c.text;
    EXPECT_EQ(f.settings.IDC_GRENZWERT, "") << "a refused address takes nothing: " << c.text;
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
  f.dialog->combo(ctl::kTypeList)->setCurrentIndex(2);
  f.dialog->accept();
  EXPECT_FALSE(f.dialog->isVisible());
  EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
  EXPECT_EQ(seen, std::vector<int>{4});

  // A setup file of a pH module loaded into a conductivity module's dialog.
  Fixture g(Settings(3, 3), check);
  g.settings.IDC_TYPAUSWAHL = 0;
  g.settings.typeListOffset = 0;
  g.dialog->SetupDialogControls();
  g.dialog->show();
  g.dialog->accept();
  EXPECT_TRUE(g.dialog->isVisible());
  EXPECT_EQ(seen.back(), 0);
  g.dialog->combo(ctl::kTypeList)->setCurrentIndex(20);  // four-electrode: still another family
  g.dialog->accept();
  EXPECT_TRUE(g.dialog->isVisible());
  g.dialog->combo(ctl::kTypeList)->setCurrentIndex(3);
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
  EXPECT_FALSE(f.Enabled(ctl::kTypeList));
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
      d->edit(ctl::kLimit)->setText("1.25");
      d->button(ok ? ctl::kOk : ctl::kCancel)->click();
    });
    FunctionConfirmation accept([](ConfigSettings&) { return true; });
    EXPECT_EQ(RunConfigurationDialog(nullptr, ui, s, &accept), ok);
    EXPECT_EQ(s.IDC_GRENZWERT, ok ? "1.25" : "");
  }
}

TEST(DialogSeriesButton, ByDeviceKind) {
  struct Case {
    int kind;
    int language;
    std::string message;
    std::string series;
  };
  const Case cases[] = {
      {3, 0, "Fehler!\nDer angeschlossenen Verstärkers ist nicht aus der QX 7100 Serie!", ""},
      {2, 1, "Error! The connected amplifier dose not fit to QX 7100 model type!", ""},
      {5, 0, "", "QX7100"},
      {4, 1, "", "PB70,PD70,PF70"},
  };
  for (const Case& c : cases) {
    ScriptedUi ui;
    ConfigSettings s = Settings(0, c.kind, c.language);
    std::string opened;
    FunctionLogger logger([&](const std::string& series, int lang) { opened = series + "/" + std::to_string(lang); });
    ConfigurationDialog d(ui, s, nullptr, nullptr, platform::SystemClock(), &logger);
    d.edit(ctl::kFixTempEdit)->setText("21.5");
    d.OnSeriesButton();
    EXPECT_EQ(s.IDC_EDIT1, "21.5") << "the controls are taken first";
    if (c.message.empty()) {
      EXPECT_TRUE(ui.Messages().empty());
      EXPECT_EQ(opened, c.series + "/" + std::to_string(c.language));
    } else {
      EXPECT_EQ(ui.Messages(), std::vector<std::string>{c.message});
      EXPECT_EQ(opened, "");
    }
  }
  // Without a logger dialog the current series get a notice instead.
  ScriptedUi ui;
  ConfigSettings s = Settings(0, 5, 1);
  ConfigurationDialog d(ui, s, {});
  d.OnSeriesButton();
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{types::kNotAvailable(1)});
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
  f.dialog->edit(ctl::kLimit)->setText("7.50");
  f.dialog->combo(ctl::kTypeList)->setCurrentIndex(2);
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
    before.IDC_EDIT1 = "25.0";
    Fixture f(before);
    f.dialog->edit(1110)->setText(QString::fromUtf8(c.typed));
    f.ui.saveFiles.push_back(path.toStdString());
    f.dialog->OnSave();
    if (c.stored) {
      EXPECT_TRUE(f.ui.Messages().empty());
      EXPECT_EQ(f.settings.IDC_EDIT1, c.stored);
      EXPECT_EQ(f.dialog->edit(1110)->text().toStdString(), c.stored);
      EXPECT_NE(ReadAll(path).find(std::string("IDC_EDIT1==") + c.stored + "\n\r"), std::string::npos);
    } else {
      EXPECT_FALSE(QFile::exists(path));
      ASSERT_EQ(f.ui.Messages().size(), 1u);
      EXPECT_EQ(f.ui.Messages()[0].rfind(c.message, 0), 0u) << f.ui.Messages()[0];
      EXPECT_EQ(f.settings.IDC_EDIT1, "25.0");
    }
  }
}

TEST(DialogFiles, WindowsTextTravelsByteForByte) {
  // A redox module shows its key value in a field the user cannot edit; what a setup
  // file put there goes back into the next file unchanged.
  QTemporaryDir dir;
  const QString path = dir.filePath("redox.qx4");
  ConfigSettings s = Settings(1, 3);
  s.IDC_KAL_C1 = "1\xB0";
  Fixture f(s);
  ASSERT_FALSE(f.Enabled(1082));
  EXPECT_EQ(f.dialog->edit(1082)->text(), QString::fromUtf8("1°"));
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
  file.IDC_KAL_T1_PH = 3;
  file.IDC_GRENZWERT = "6.50";
  WriteAll(path, SetupFile::BuildSetupText(file));

  Fixture f(Settings(3, 3));
  ASSERT_EQ(f.dialog->combo(ctl::kTypeList)->count(), 4);
  f.ui.openFiles.push_back(path.toStdString());
  f.ui.yesNo.push_back(false);
  f.dialog->OnOpen();
  EXPECT_TRUE(f.ui.Messages().empty());
  EXPECT_EQ(f.dialog->combo(ctl::kTypeList)->count(), 31);
  EXPECT_EQ(f.dialog->combo(ctl::kTypeList)->currentIndex(), 0);
  EXPECT_TRUE(f.Shown(ctl::kKeyPh1));
  EXPECT_FALSE(f.Shown(ctl::kKeyLf1));
  EXPECT_EQ(f.dialog->combo(ctl::kKeyPh1)->currentText(), "NBS 9,18");
  EXPECT_EQ(f.dialog->edit(ctl::kLimit)->text(), "6.50");

  // A damaged file: the error is shown and the values are shown all the same.
  std::string bytes = ReadAll(path);
  bytes.replace(bytes.find("IDC_GRENZWERT==6.50"), 19, "IDC_GRENZWERT==6.60");
  WriteAll(path, bytes);
  f.ui.openFiles.push_back(path.toStdString());
  f.dialog->OnOpen();
  EXPECT_EQ(f.ui.Messages(), std::vector<std::string>{"Fehler in der Datendatei!"});
  EXPECT_EQ(f.dialog->edit(ctl::kLimit)->text(), "6.60");

  // Cancelled: nothing changes.
  f.dialog->edit(ctl::kLimit)->setText("1.00");
  f.dialog->OnOpen();
  EXPECT_EQ(f.dialog->edit(ctl::kLimit)->text(), "1.00");
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
  EXPECT_EQ(f.dialog->combo(ctl::kTypeList)->currentIndex(), 12);
  EXPECT_FALSE(f.Shown(ctl::kPhFix));
}

// ---------------------------------------------------------------------------------------
// Print

TEST(DialogPrint, PrintsTheControlsAsShown) {
  ScriptedUi ui;
  ui.printAccept = true;
  ConfigSettings s = Settings(22, 5);
  s.IDC_HERSTELLER_NUM = "B777";
  s.IDC_RADIO1 = 1;
  s.IDC_RADIO_RELAY2 = 5;
  platform::Clock clock = [] { return platform::LocalTime{2026, 3, 4, 9, 7, 0}; };
  ConfigurationDialog d(ui, s, {}, nullptr, clock);
  d.edit(ctl::kLimit)->setText("8.00");
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
  EXPECT_TRUE(has("DAC0 Kanal:  " + types::ChannelLabel(22, 3, 0)));
  EXPECT_TRUE(has("Grenzwert:  8.00"));
  EXPECT_TRUE(has("Relaisausgang 2:  " + types::ChannelLabel(22, 6, 0)));

  // Cancelled print dialog: nothing drawn.
  ScriptedUi cancel;
  ConfigurationDialog c(cancel, s, {});
  c.OnPrint();
  EXPECT_EQ(cancel.Kinds(), std::vector<std::string>{"print"});
  EXPECT_FALSE(cancel.lastPage);
}

}  // namespace
}  // namespace korvane::configuration
