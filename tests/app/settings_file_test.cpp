#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <limits>
#include <string>

#include <sys/stat.h>

#include "app/HistorySettings.h"
#include "app/OwnSettings.h"
#include "app/SettingsFile.h"
#include "platform/Account.h"

namespace korvane::app {
namespace {

const char kDefaultText[] =
    "[RS232]\n\rPORT=0\n\rBAUD=4800\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=0\n\rPARAMETRIEREN=0\n\r";

void ExpectInterval(const measurement::Interval& i, int h, int m, int s) {
  const measurement::TimeOfDay t = i.Fields();
  EXPECT_EQ(t.hour, h);
  EXPECT_EQ(t.minute, m);
  EXPECT_EQ(t.second, s);
}

TEST(Interval, FieldsRoundToTheNearestSecond) {
  struct Case {
    double seconds;
    int h, m, s;
  } cases[] = {
      {0.0, 0, 0, 0},     {45.0, 0, 0, 45},   {90.0, 0, 1, 30},
      {59.6, 0, 1, 0},    {59.4, 0, 0, 59},   {86399.0, 23, 59, 59},
      {86399.6, 0, 0, 0}, {90000.0, 1, 0, 0}, {3 * 86400.0 + 61, 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    ExpectInterval(measurement::Interval{c.seconds / 86400.0}, c.h, c.m, c.s);
  }
}

TEST(Interval, MillisecondsFollowTheFields) {
  EXPECT_EQ(measurement::Interval{}.Milliseconds(), 60000);
  EXPECT_EQ(measurement::Interval::FromFields(0, 1, 30).Milliseconds(), 90000);
  EXPECT_EQ(measurement::Interval::FromFields(23, 59, 59).Milliseconds(), 86399000);
  EXPECT_EQ(measurement::Interval::FromFields(25, 0, 0).Milliseconds(), 3600000);  // whole days are lost
  EXPECT_EQ(measurement::Interval::FromFields(0, 0, 0).Milliseconds(), 0);
  // A negative span from a hand-edited file must not become a negative timer period.
  EXPECT_EQ(measurement::Interval::FromFields(-1, 0, 0).Milliseconds(), 0);
  EXPECT_EQ(measurement::Interval{std::numeric_limits<double>::quiet_NaN()}.Milliseconds(), 0);
}

TEST(SettingsText, DefaultsAreWrittenByteExact) { EXPECT_EQ(FormatSettingsText(AppSettings{}), kDefaultText); }

TEST(SettingsText, WritesEveryField) {
  AppSettings s;
  s.portIndex = 16;
  s.baud = 19200;
  s.interval = measurement::Interval{59.6 / 86400.0};
  s.language = Language::kEnglish;
  s.parametrize = 1;
  EXPECT_EQ(FormatSettingsText(s),
            "[RS232]\n\rPORT=16\n\rBAUD=19200\n\r[SETUP]\n\rINTERVALL=00:01:00\n\rSPRACHE=1\n\rPARAMETRIEREN=1\n\r");
  s.interval = measurement::Interval::FromFields(26, 3, 4);
  EXPECT_NE(FormatSettingsText(s).find("INTERVALL=02:03:04\n\r"), std::string::npos);
}

TEST(SettingsText, RoundTrip) {
  struct Case {
    int port, baud, h, m, s, language, parametrize;
  } cases[] = {
      {0, 4800, 0, 1, 0, 0, 0},  {254, 38400, 23, 59, 59, 1, 1}, {3, 19200, 0, 0, 45, 1, 0},
      {7, 9600, 0, 1, 30, 0, 1}, {0, 4800, 0, 0, 0, 0, 0},       {12, 4800, 12, 0, 1, 1, 0},
  };
  for (const Case& c : cases) {
    AppSettings s;
    s.portIndex = c.port;
    s.baud = c.baud;
    s.interval = measurement::Interval::FromFields(c.h, c.m, c.s);
    s.language = LanguageFromSetting(c.language);
    s.parametrize = c.parametrize;
    const AppSettings r = ParseSettingsText(FormatSettingsText(s));
    SCOPED_TRACE(FormatSettingsText(s));
    EXPECT_EQ(r.portIndex, c.port);
    EXPECT_EQ(r.baud, c.baud);
    ExpectInterval(r.interval, c.h, c.m, c.s);
    EXPECT_EQ(SettingOf(r.language), c.language);
    EXPECT_EQ(r.parametrize, c.parametrize);
  }
}

struct ParseCase {
  const char* name;
  std::string text;
  int port, baud, h, m, s, language, parametrize;
};

// A hand-edited negative interval counts as none and is written so: what the program
// writes reads back the same (found by fuzzing: "-12:-3:-5" did not).
TEST(SettingsText, NegativeIntervalIsWrittenAsNone) {
  for (const char* text : {"INTERVALL=-1:-5:-3\n\r", "INTERVALL=-199\n\r", "INTERVALL=00:-1:00\n\r"}) {
    SCOPED_TRACE(text);
    const std::string written = FormatSettingsText(ParseSettingsText(text));
    EXPECT_NE(written.find("INTERVALL=00:00:00\n\r"), std::string::npos) << written;
    EXPECT_EQ(FormatSettingsText(ParseSettingsText(written)), written);
  }
}

TEST(SettingsText, ParsesWhatItFinds) {
  const ParseCase cases[] = {
      {"empty", "", 0, 4800, 0, 1, 0, 0, 0},
      {"only port", "PORT=7", 7, 4800, 0, 1, 0, 0, 0},
      {"crlf", "[RS232]\r\nPORT=3\r\nBAUD=9600\r\n[SETUP]\r\nINTERVALL=00:00:10\r\nSPRACHE=1\r\nPARAMETRIEREN=1\r\n", 3,
       9600, 0, 0, 10, 1, 1},
      {"lf", "[RS232]\nPORT=3\nBAUD=9600\n[SETUP]\nINTERVALL=01:02:03\nSPRACHE=1\nPARAMETRIEREN=1\n", 3, 9600, 1, 2, 3,
       1, 1},
      {"no final line end", "PORT=5\nSPRACHE=1", 5, 4800, 0, 1, 0, 1, 0},
      {"not a number", "PORT=abc\n\rBAUD=x\n\r", 0, 0, 0, 1, 0, 0, 0},
      {"negative", "PORT=-5\n\r", -5, 4800, 0, 1, 0, 0, 0},
      {"three characters of port", "PORT=1234\n\r", 123, 4800, 0, 1, 0, 0, 0},
      {"five characters of baud", "BAUD=115200\n\r", 0, 11520, 0, 1, 0, 0, 0},
      {"digits then text", "BAUD=96xy\n\rSPRACHE=1x\n\r", 0, 96, 0, 1, 0, 1, 0},
      {"first occurrence wins", "PORT=3\nPORT=4\nSPRACHE=1\nSPRACHE=0\n", 3, 4800, 0, 1, 0, 1, 0},
      {"one language digit", "SPRACHE=12\n", 0, 4800, 0, 1, 0, 1, 0},
      {"stops at an empty line", "PORT=3\n\nSPRACHE=1\n", 3, 4800, 0, 1, 0, 0, 0},
      {"stops at an empty crlf line", "PORT=3\r\n\r\nSPRACHE=1\r\n", 3, 4800, 0, 1, 0, 0, 0},
      {"empty line first", "\nPORT=3\n", 0, 4800, 0, 1, 0, 0, 0},
      // Lines are joined, so a key can continue on the next line.
      {"key split over lines", "POR\n\rT=9\n\r", 9, 4800, 0, 1, 0, 0, 0},
      {"truncated baud", "[RS232]\n\rPORT=2\n\rBAUD=96", 2, 96, 0, 1, 0, 0, 0},
      {"truncated interval", "INTERVALL=00:0", 0, 4800, 0, 0, 0, 0, 0},
      {"interval without fields", "INTERVALL=\n\rSPRACHE=1", 0, 4800, 0, 0, 0, 1, 0},
      {"interval out of range", "INTERVALL=99:99:99\n\r", 0, 4800, 4, 40, 39, 0, 0},
      {"interval single digits", "INTERVALL=1:2:3\n\r", 0, 4800, 1, 0, 0, 0, 0},
      {"nul bytes",
       std::string("PORT=\0"
                   "5\nBAUD=1200\n",
                   18),
       0, 1200, 0, 1, 0, 0, 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    const AppSettings r = ParseSettingsText(c.text);
    EXPECT_EQ(r.portIndex, c.port);
    EXPECT_EQ(r.baud, c.baud);
    ExpectInterval(r.interval, c.h, c.m, c.s);
    EXPECT_EQ(SettingOf(r.language), c.language);
    EXPECT_EQ(r.parametrize, c.parametrize);
  }
}

std::string ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
  return f.readAll().toStdString();
}

TEST(SettingsFile, FirstStartCreatesFolderAndEmptyFile) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const std::string folder = tmp.path().toStdString() + "/sub/Korvane";
  const AppSettings s = LoadSettingsFile(folder);
  EXPECT_EQ(s.portIndex, 0);
  EXPECT_EQ(s.baud, 4800);
  EXPECT_EQ(s.interval.Milliseconds(), 60000);
  EXPECT_EQ(SettingsFilePath(folder), folder + "/config.ini");
  EXPECT_TRUE(QFile::exists(QString::fromStdString(SettingsFilePath(folder))));
  EXPECT_EQ(ReadAll(QString::fromStdString(SettingsFilePath(folder))), "");
}

TEST(SettingsFile, SaveAndLoad) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const std::string folder = tmp.path().toStdString() + "/Korvane";
  // A longer old file must not leave a tail behind.
  QDir().mkpath(QString::fromStdString(folder));
  {
    QFile old(QString::fromStdString(SettingsFilePath(folder)));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(std::string(500, 'x').c_str());
  }
  AppSettings s;
  s.portIndex = 4;
  s.baud = 19200;
  s.interval = measurement::Interval::FromFields(0, 0, 45);
  s.language = Language::kEnglish;
  s.parametrize = 1;
  std::string error;
  ASSERT_TRUE(SaveSettingsFile(folder, s, &error)) << error;
  EXPECT_EQ(ReadAll(QString::fromStdString(SettingsFilePath(folder))),
            "[RS232]\n\rPORT=4\n\rBAUD=19200\n\r[SETUP]\n\rINTERVALL=00:00:45\n\rSPRACHE=1\n\rPARAMETRIEREN=1\n\r");
  const AppSettings r = LoadSettingsFile(folder);
  EXPECT_EQ(r.portIndex, 4);
  EXPECT_EQ(r.baud, 19200);
  EXPECT_EQ(r.interval.Milliseconds(), 45000);
  EXPECT_EQ(r.language, Language::kEnglish);
  EXPECT_EQ(r.parametrize, 1);
  // Nothing but the settings file is left in the folder.
  EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden), QStringList{"config.ini"});
}

TEST(SettingsFile, SaveFailsWhenTheFolderCannotBeMade) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString blocker = tmp.path() + "/Korvane";
  {
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  std::string error;
  EXPECT_FALSE(SaveSettingsFile(blocker.toStdString(), AppSettings{}, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(SaveSettingsFile(blocker.toStdString(), AppSettings{}, nullptr));
  // Loading from there gives the defaults and leaves the file alone.
  EXPECT_EQ(LoadSettingsFile(blocker.toStdString()).baud, 4800);
  EXPECT_EQ(ReadAll(blocker), "");
}

TEST(SettingsFile, ASettingsFileThatIsAFolderGivesDefaults) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  ASSERT_TRUE(QDir().mkpath(tmp.path() + "/Korvane/config.ini"));
  const AppSettings s = LoadSettingsFile(tmp.path().toStdString() + "/Korvane");
  EXPECT_EQ(s.portIndex, 0);
  EXPECT_EQ(s.baud, 4800);
  std::string error;
  EXPECT_FALSE(SaveSettingsFile(tmp.path().toStdString() + "/Korvane", AppSettings{}, &error));
  EXPECT_FALSE(error.empty());
}

TEST(SettingsFile, APipeInPlaceOfTheFileDoesNotBlockTheStart) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const std::string folder = tmp.path().toStdString();
  ASSERT_EQ(::mkfifo(SettingsFilePath(folder).c_str(), 0600), 0);
  EXPECT_EQ(LoadSettingsFile(folder).baud, 4800);
  // A dangling link is left alone as well, not replaced by an empty file.
  const std::string other = folder + "/other";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(other)));
  ASSERT_TRUE(QFile::link(tmp.path() + "/missing", QString::fromStdString(SettingsFilePath(other))));
  EXPECT_EQ(LoadSettingsFile(other).portIndex, 0);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(SettingsFilePath(other))).isSymLink());
}

}  // namespace
}  // namespace korvane::app

namespace korvane::app {
namespace {

// The program's own settings beside config.ini: what is kept, and a name with a line
// break in it is never kept (it would end the line).
TEST(OwnSettings, KeepsItsLinesAndOnlyNamesThatFitOnOne) {
  const OwnSettings s = ParseOwnSettings("# Korvane\n technician = Anna Berger\r\nbad line\nsite=\ntechnician=Bo\n");
  EXPECT_EQ(s.Get(kTechnicianKey), "Bo");  // the last of a key counts
  EXPECT_EQ(s.Get("site"), "");
  EXPECT_EQ(ParseOwnSettings(FormatOwnSettings(s)).values, s.values);
  for (const auto& [typed, kept] : std::vector<std::pair<std::string, std::optional<std::string>>>{
           {"  Anna Berger ", "Anna Berger"}, {"", std::nullopt}, {"Anna\nBerger", std::nullopt}, {"Jörg", "Jörg"}})
    EXPECT_EQ(TechnicianName(typed), kept) << typed;
}

// Nobody is asked at start: the name kept, else the account's full name from its passwd
// comment, else its login name.
TEST(OwnSettings, TechnicianDefaultsToTheAccountsName) {
  EXPECT_EQ(TechnicianOf(ParseOwnSettings("technician=Bo\n")), "Bo");
  EXPECT_EQ(TechnicianOf(ParseOwnSettings("")), platform::AccountName());
  EXPECT_FALSE(platform::AccountName().empty());
  for (const auto& [comment, name] : std::vector<std::pair<std::string, std::string>>{
           {"Anna Berg,Room 12,,", "Anna Berg"}, {" Jörg Maier ", "Jörg Maier"}, {",,,", ""}, {"", ""}, {"A\tB", ""}})
    EXPECT_EQ(platform::FullNameOfComment(comment), name) << comment;
}

// The calibration intervals the history window keeps: a day count of 1..3650 per
// family; anything else leaves the family's default.
TEST(OwnSettings, CalibrationIntervalsByFamily) {
  const history::CalibrationIntervals kept = IntervalsFrom(
      ParseOwnSettings("calibration-interval.ph=14\ncalibration-interval.redox=0\ncalibration-interval.oxygen=7d\n"
                       "calibration-interval.ise=3650\n"));
  EXPECT_EQ(kept.For(types::Family::kPh), 14);
  EXPECT_EQ(kept.For(types::Family::kRedox), history::kDefaultCalibrationIntervalDays);
  EXPECT_EQ(kept.For(types::Family::kOxygen), history::kDefaultCalibrationIntervalDays);
  EXPECT_EQ(kept.For(types::Family::kIse), 3650);
  OwnSettings s;
  KeepIntervals(s, kept);
  EXPECT_EQ(IntervalsFrom(s).days, kept.days);
}

}  // namespace
}  // namespace korvane::app
