#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "configuration/SetupFile.h"
#include "configuration/ConfigLists.h"
#include "support/ScriptedUi.h"

namespace korvane::configuration {
namespace {

const char* kExampleLines[] = {
    "IDC_HERSTELLER_NUM==A123",
    "IDC_RADIO1==0",
    "IDC_RADIO7==5",
    "IDC_OBERER_WERT0==14.00",
    "IDC_OBERER_WERT1==100.00",
    "IDC_UNTERER_WERT0==0.00",
    "IDC_UNTERER_WERT1==0.00",
    "IDC_STROM_SPANNUNG==1",
    "IDC_4TO20MA==1",
    "IDC_GRENZWERT==7.00",
    "IDC_HYSTERESE==0.10",
    "IDC_MINIMUM==0",
    "IDC_RADIO_RELAY==0",
    "IDC_GRENZWERT3==",
    "IDC_HYSTERESE3==",
    "IDC_MINIMUM3==0",
    "IDC_RADIO_RELAY2==0",
    "IDC_KAL_C1==3.00",
    "IDC_KAL_C2==1.00",
    "IDC_EDIT1==25.0",
    "IDC_CHECK1==0",
    "IDC_VERSION==Firmware V1.20",
    "IDC_GERAETE_ADR==1",
    "IDC_KAL_HOLD==1",
    "IDC_KAL_T1_PH==3",
    "IDC_KAL_T2_PH==1",
    "IDC_KAL_T1_LF==-1",
    "IDC_KAL_T2_LF==-1",
    "IDC_TYPAUSWAHL==0",
    "IDC_KAL1==-59.2",
    "IDC_KAL3==",
    "IDC_KAL2==0",
    "IDC_KAL0==-3.5",
    "IDC_OFFSET==0.0",
};

std::string ExampleBody() {
  std::string t;
  for (const char* l : kExampleLines) t += std::string(l) + "\n\r";
  return t;
}

std::string ExampleText() { return ExampleBody() + "CECKSUMM==41759\n\r"; }

ConfigSettings ExampleSettings() {
  ConfigSettings s;
  s.identity = "A123";
  s.output0Source = 0;
  s.output1Source = 5;
  s.output0Upper = "14.00";
  s.output1Upper = "100.00";
  s.output0Lower = "0.00";
  s.output1Lower = "0.00";
  s.outputKind = 1;
  s.currentRange = 1;
  s.relay1Limit = "7.00";
  s.relay1Hysteresis = "0.10";
  s.relay1LimitType = 0;
  s.relay1Source = 0;
  s.relay2LimitType = 0;
  s.relay2Source = 0;
  s.calibrationKey1 = "3.00";
  s.calibrationKey2 = "1.00";
  s.fixedTemperature = "25.0";
  s.fixedTemperatureOn = 0;
  s.firmware = "Firmware V1.20";
  s.address = 1;
  s.calibrationHold = 1;
  s.key1Buffer = 3;
  s.key2Buffer = 1;
  s.calibration2 = "-59.2";
  s.calibration3 = "0";
  s.calibration1 = "-3.5";
  s.temperatureOffset = "0.0";
  return s;
}

TEST(SetupFile, ExampleComesOutByteForByte) {
  const std::string body = ExampleBody();
  ASSERT_EQ(body.size(), 650u);
  EXPECT_EQ(SetupFile::Checksum(body), 41759u);
  EXPECT_EQ(SetupFile::BuildSetupText(ExampleSettings()), ExampleText());
}

TEST(SetupFile, TypeIsWrittenAsAbsoluteType) {
  ConfigSettings s = ExampleSettings();
  s.measurementType = 2;  // list index "20mS" of the two-electrode family
  s.typeListOffset = 2;
  EXPECT_EQ(SetupFile::GetValue(SetupFile::BuildSetupText(s), "IDC_TYPAUSWAHL"), "4");
}

TEST(SetupFile, ChecksumAddsSignedBytes) {
  // 0xB5 ("µ" in Windows-1252) counts as -75; a negative sum wraps and is written unsigned.
  EXPECT_EQ(SetupFile::Checksum("\xB5"), static_cast<std::uint32_t>(-75));
  ConfigSettings s;
  s.identity = std::string(200, '\xB5');
  const std::string text = SetupFile::BuildSetupText(s);
  ConfigSettings back;
  EXPECT_EQ(SetupFile::ParseSetupText(text, back, true), SetupFile::kOk);
  EXPECT_EQ(back.identity, s.identity);  // bytes pass through unchanged
}

TEST(SetupFile, GetValueRules) {
  const std::string t = "IDC_GRENZWERT3==1.5\n\rIDC_GRENZWERT==7.00\n\rX==a\r\nIDC_KAL0==9";
  EXPECT_EQ(SetupFile::GetValue(t, "IDC_GRENZWERT"), "7.00");  // never the longer key
  EXPECT_EQ(SetupFile::GetValue(t, "IDC_GRENZWERT3"), "1.5");
  EXPECT_EQ(SetupFile::GetValue(t, "IDC_KAL0"), "");  // no line end after it
  EXPECT_EQ(SetupFile::GetValue(t, "IDC_KAL1"), "");  // missing
  // "\r\n" is not a line end: the value runs to the next "\n\r".
  EXPECT_EQ(SetupFile::GetValue("A==1\r\nB==2\n\r", "A"), "1\r\nB==2");
}

TEST(SetupFile, ExampleLoadsWithoutErrorAndAppliesEverything) {
  ConfigSettings s;
  s.calibration1 = "kept";
  EXPECT_EQ(SetupFile::ParseSetupText(ExampleText(), s, true), SetupFile::kOk);
  ConfigSettings expected = ExampleSettings();
  expected.key1Solution = 255;  // "-1" keeps its low 8 bits
  expected.key2Solution = 255;
  EXPECT_EQ(SetupFile::BuildSetupText(s), SetupFile::BuildSetupText(expected));
}

TEST(SetupFile, ChangedValueWithOldChecksumIsAppliedAndReported) {
  std::string text = ExampleText();
  text.replace(text.find("IDC_RADIO1==0"), 13, "IDC_RADIO1==1");
  ConfigSettings s;
  EXPECT_EQ(SetupFile::ParseSetupText(text, s, true), SetupFile::kDataError);
  EXPECT_EQ(s.output0Source, 1);
  EXPECT_EQ(s.relay1Limit, "7.00");
}

TEST(SetupFile, ChecksumErrors) {
  const std::string body = ExampleBody();
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"missing", body},
      {"wrong", body + "CECKSUMM==41758\n\r"},
      {"empty", body + "CECKSUMM==\n\r"},
      {"no line end", body + "CECKSUMM==41759"},
      {"at the very start", "CECKSUMM==0\n\r"},
  };
  for (const Case& c : cases) {
    ConfigSettings s;
    EXPECT_EQ(SetupFile::ParseSetupText(c.text, s, true), SetupFile::kDataError) << c.what;
  }
  ConfigSettings s;
  EXPECT_EQ(SetupFile::ParseSetupText("CECKSUMM==0\n\r", s, true), SetupFile::kDataError);
}

TEST(SetupFile, MissingKeysKeepSettingsAndNegativeIndicesBecome255) {
  ConfigSettings s = ExampleSettings();
  s.measurementType = 1;
  s.typeListOffset = 2;  // absolute 3, kept when the file has no type
  std::string body = "IDC_RADIO7==-1\n\rIDC_GERAETE_ADR==-1\n\rIDC_KAL_T1_PH==259\n\r";
  const std::string text = body + "CECKSUMM==" + std::to_string(SetupFile::Checksum(body)) + "\n\r";
  EXPECT_EQ(SetupFile::ParseSetupText(text, s, true), SetupFile::kOk);
  EXPECT_EQ(s.output1Source, 255);
  EXPECT_EQ(s.address, 255);
  EXPECT_EQ(s.key1Buffer, 3);
  EXPECT_EQ(s.output0Source, 0);
  EXPECT_EQ(s.relay1Limit, "7.00");
  EXPECT_EQ(s.AbsoluteType(), 3);
}

TEST(SetupFile, KeysInAnyOrderFirstOccurrenceCountsOthersIgnored) {
  std::string body = "FOO==bar\n\rIDC_TYPAUSWAHL==22\n\rIDC_RADIO1==3\n\rIDC_RADIO1==4\n\rIDC_KAL0==1.5\n\r";
  const std::string text = body + "CECKSUMM==" + std::to_string(SetupFile::Checksum(body)) + "\n\r";
  ConfigSettings s;
  s.measurementType = 1;
  s.typeListOffset = 20;
  EXPECT_EQ(SetupFile::ParseSetupText(text, s, true), SetupFile::kOk);
  EXPECT_EQ(s.output0Source, 3);
  EXPECT_EQ(s.calibration1, "1.5");
  EXPECT_EQ(s.measurementType, 22);
  EXPECT_EQ(s.typeListOffset, 0);
}

TEST(SetupFile, WithoutCalibrationKeepsValuesButTakesKeys) {
  ConfigSettings s;
  s.calibration1 = "a";
  s.calibration2 = "b";
  s.calibration3 = "c";
  s.calibration4 = "d";
  s.temperatureOffset = "e";
  EXPECT_EQ(SetupFile::ParseSetupText(ExampleText(), s, false), SetupFile::kOk);
  EXPECT_EQ(s.calibration1 + s.calibration2 + s.calibration3 + s.calibration4 + s.temperatureOffset, "abcde");
  EXPECT_EQ(s.calibrationKey1, "3.00");
  EXPECT_EQ(s.calibrationKey2, "1.00");
}

TEST(SetupFile, CrLfFileYieldsNothing) {
  std::string text;
  for (const char* l : kExampleLines) text += std::string(l) + "\r\n";
  text += "CECKSUMM==41759\r\n";
  ConfigSettings s;
  const std::string before = SetupFile::BuildSetupText(s);
  EXPECT_EQ(SetupFile::ParseSetupText(text, s, true), SetupFile::kDataError);
  EXPECT_EQ(SetupFile::BuildSetupText(s), before);
}

TEST(SetupFile, SavePathRule) {
  EXPECT_EQ(SetupFilePath("/home/u/setup.qx4"), "/home/u/setup.qx4");
  EXPECT_EQ(SetupFilePath("/home/u/setup.qx4.qx4"), "/home/u/setup.qx4");
  EXPECT_EQ(SetupFilePath("/home/u/setup.txt"), "/home/u/setup.txt");
  EXPECT_EQ(SetupFilePath("/home/u/a.qx4.b.txt"), "/home/u/a.b.txt.qx4");
  EXPECT_EQ(SetupFilePath("/home/u.v/setup"), "/home/u.v/setup");
  // Folders keep their names, whatever the file is called.
  EXPECT_EQ(SetupFilePath("/data/old.qx4/setup.qx4.qx4"), "/data/old.qx4/setup.qx4");
  EXPECT_EQ(SetupFilePath("/data/a.qx4.qx4/b.qx4"), "/data/a.qx4.qx4/b.qx4");
  EXPECT_EQ(SetupFilePath("x.qx4/a.qx4.b"), "x.qx4/a.b.qx4");
}

// --- save and load over the Ui -------------------------------------------------------

class SetupFileFlow : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
  static QByteArray Read(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  QTemporaryDir dir;
  test::ScriptedUi ui;
};

TEST_F(SetupFileFlow, SaveWritesTheTextAndReplacesAnOldFile) {
  const std::string path = Path("setup.qx4");
  Write(path, std::string(2000, 'x'));
  ui.saveFiles.push_back(Path("setup.qx4.qx4"));
  EXPECT_TRUE(SaveSetupFile(ui, ExampleSettings()));
  EXPECT_EQ(Read(path).toStdString(), ExampleText());
  ASSERT_EQ(ui.events.size(), 1u);
  EXPECT_EQ(ui.events[0].kind, "save");
  EXPECT_EQ(ui.events[0].text, "Setup (*.qx4) | *.qx4 | Alle Dateien (*.*)|*.*||");
  EXPECT_EQ(ui.events[0].title, "qx4");
}

TEST_F(SetupFileFlow, SaveToAnUnwritablePlaceSaysSo) {
  ui.saveFiles.push_back(Path("no/such/folder/setup.qx4"));
  ConfigSettings s = ExampleSettings();
  s.language = Language::kEnglish;
  EXPECT_FALSE(SaveSetupFile(ui, s));
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0].rfind("The file cannot be written:", 0), 0u);
}

TEST_F(SetupFileFlow, ValueWithTheChecksumKeyIsNotSaved) {
  // Saved, such a file would fail its own checksum on loading.
  Write(Path("setup.qx4"), "old");
  ConfigSettings s = ExampleSettings();
  s.relay2Limit = "1CECKSUMM==2";
  ui.saveFiles.push_back(Path("setup.qx4"));
  EXPECT_FALSE(SaveSetupFile(ui, s));
  EXPECT_EQ(Read(Path("setup.qx4")), "old");
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("CECKSUMM"), std::string::npos);
}

TEST_F(SetupFileFlow, LoadAsksAboutCalibrationAndReportsDataErrorsAfterApplying) {
  std::string text = ExampleText();
  text.replace(text.find("IDC_RADIO1==0"), 13, "IDC_RADIO1==1");
  Write(Path("a.qx4"), text);
  ui.openFiles.push_back(Path("a.qx4"));
  ui.yesNo.push_back(true);
  ConfigSettings s;
  EXPECT_EQ(LoadSetupFile(ui, s), LoadResult::kDataError);
  EXPECT_EQ(s.output0Source, 1);
  EXPECT_EQ(s.calibration1, "-3.5");
  ASSERT_EQ(ui.Kinds(), (std::vector<std::string>{"open", "yesno", "message"}));
  EXPECT_EQ(ui.events[1].text, "Kalibrierdaten auch aktualisieren?");
  EXPECT_EQ(ui.events[1].title, "INFO|Ja|Nein");
  EXPECT_EQ(ui.events[2].text, "Fehler in der Datendatei!");
}

TEST_F(SetupFileFlow, LoadInEnglishAnsweringNo) {
  Write(Path("a.qx4"), ExampleText());
  ui.openFiles.push_back(Path("a.qx4"));
  ui.yesNo.push_back(false);
  ConfigSettings s;
  s.language = Language::kEnglish;
  s.calibration1 = "1.0";
  EXPECT_EQ(LoadSetupFile(ui, s), LoadResult::kLoaded);
  EXPECT_EQ(s.calibration1, "1.0");
  EXPECT_EQ(s.calibrationKey1, "3.00");
  EXPECT_EQ(ui.events[1].text, "Read also calibration data?");
  EXPECT_EQ(ui.events[1].title, "INFO|Yes|No");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SetupFileFlow, UnreadableFileIsReportedAndChangesNothing) {
  ui.openFiles.push_back(Path("missing.qx4"));
  ConfigSettings s = ExampleSettings();
  s.measurementType = 1;
  s.typeListOffset = 2;
  EXPECT_EQ(LoadSetupFile(ui, s), LoadResult::kUnreadable);
  EXPECT_EQ(ui.Kinds(), (std::vector<std::string>{"open", "message"}));
  EXPECT_EQ(ui.Messages()[0].rfind("Die Datei kann nicht gelesen werden:", 0), 0u);
  EXPECT_EQ(s.typeListOffset, 2);
  EXPECT_EQ(SetupFile::BuildSetupText(s), SetupFile::BuildSetupText([] {
              ConfigSettings e = ExampleSettings();
              e.measurementType = 3;
              return e;
            }()));
}

TEST_F(SetupFileFlow, LoadWithoutTypeKeepsTheAbsoluteTypeOfTheList) {
  const std::string body = "IDC_RADIO1==2\n\r";
  Write(Path("b.qx4"), body + "CECKSUMM==" + std::to_string(SetupFile::Checksum(body)) + "\n\r");
  ui.openFiles.push_back(Path("b.qx4"));
  ConfigSettings s;
  s.measurementType = 2;  // "20mS" in the list of offset 2
  s.typeListOffset = 2;
  EXPECT_EQ(LoadSetupFile(ui, s), LoadResult::kLoaded);
  EXPECT_EQ(s.AbsoluteType(), 4);
  EXPECT_EQ(s.output0Source, 2);
}

}  // namespace
}  // namespace korvane::configuration
