// Recording set-up and line writer: the dialogs it asks, the file it writes byte for
// byte, appending after a cancelled file dialog, and ticks without a usable file.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "measurement/Recording.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"

namespace korvane::test {
namespace {

using measurement::Interval;
using measurement::Recording;

platform::LocalTime FixedTime() { return {2014, 3, 7, 9, 5, 41}; }

std::string ReadAll(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return "<missing>";
  return f.readAll().toStdString();
}

struct RecordingFixture : ::testing::Test {
  QTemporaryDir dir;
  ScriptedUi ui;
  Recording rec{ui, &FixedTime};
  Interval interval;  // 00:01:00

  std::string Path(const char* name) { return QDir(dir.path()).filePath(name).toStdString(); }

  Recording::SetupResult Configure(const std::string& file, measurement::TimeOfDay t,
                                   Language language = Language::kGerman) {
    ui.saveFiles.push_back(file);
    ui.intervals.push_back(t);
    return rec.Setup(language, interval, ui);
  }
};

// pH: channels with 2, 0, 0, 0, 0 decimals; temperature with one.
const std::array<float, 6> kPh{7.02f, -12.0f, 0.0f, 0.0f, 0.0f, 21.4f};
const char kPhLine[] = "07.03.2014\t09:05\t7,02\t-12\t0\t0\t0\t21,4\r\n";

TEST_F(RecordingFixture, SetupAsksForFileAndIntervalThenWritesLinesByteExact) {
  const std::string file = Path("rec.txt");
  ASSERT_EQ(Configure(file, {0, 0, 45}), Recording::SetupResult::kDone);

  ASSERT_EQ(ui.Kinds(), (std::vector<std::string>{"save", "interval"}));
  EXPECT_EQ(ui.events[0].text, "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||");
  EXPECT_EQ(ui.events[0].title, "txt");
  EXPECT_EQ(ui.events[1].number, 60);  // preset with the current interval
  EXPECT_EQ(interval.Milliseconds(), 45000);
  EXPECT_EQ(rec.statusText(), "Aufzeichnungsdatei: rec.txt");
  EXPECT_EQ(ReadAll(file), "");

  std::string notice;
  EXPECT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, &notice));
  EXPECT_TRUE(notice.empty());
  // Negative values with decimals, a type with four used channels, unused channel 5.
  const std::array<float, 6> cond{-12.5f, 3.3f, 0.4f, -0.7f, 99.0f, -2.0f};
  EXPECT_TRUE(rec.WriteLine(20, cond, Language::kGerman, &notice));
  EXPECT_EQ(ReadAll(file), std::string(kPhLine) + "07.03.2014\t09:05\t-12,5\t3,3\t0,4\t-0,7\t99\t-2,0\r\n");
}

TEST_F(RecordingFixture, EnglishStatusTextAndExistingFileIsEmptied) {
  const std::string file = Path("old.txt");
  {
    QFile f(QString::fromStdString(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("earlier contents\r\n");
  }
  ASSERT_EQ(Configure(file, {1, 2, 3}, Language::kEnglish), Recording::SetupResult::kDone);
  EXPECT_EQ(rec.statusText(), "Logging file: old.txt");
  EXPECT_EQ(ReadAll(file), "");
  EXPECT_EQ(interval.Milliseconds(), (3600 + 120 + 3) * 1000);
}

TEST_F(RecordingFixture, CancelledFileDialogContinuesTheOpenFile) {
  const std::string file = Path("rec.txt");
  ASSERT_EQ(Configure(file, {0, 1, 0}), Recording::SetupResult::kDone);
  ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, nullptr));

  ui.saveFiles.push_back(std::nullopt);
  EXPECT_EQ(rec.Setup(Language::kGerman, interval, ui), Recording::SetupResult::kFileCancelled);
  EXPECT_TRUE(rec.isOpen());
  EXPECT_EQ(rec.statusText(), "Aufzeichnungsdatei: rec.txt");
  ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, nullptr));
  EXPECT_EQ(ReadAll(file), std::string(kPhLine) + kPhLine);
}

TEST_F(RecordingFixture, CancelledFileDialogWithoutFileLeavesNone) {
  ui.saveFiles.push_back(std::nullopt);
  EXPECT_EQ(rec.Setup(Language::kGerman, interval, ui), Recording::SetupResult::kFileCancelled);
  EXPECT_FALSE(rec.isOpen());
  EXPECT_EQ(ui.Kinds(), (std::vector<std::string>{"save"}));
}

TEST_F(RecordingFixture, CancelledIntervalClosesTheFileAndTicksAreSkippedWithOneNotice) {
  const std::string file = Path("rec.txt");
  ASSERT_EQ(Configure(file, {0, 0, 10}), Recording::SetupResult::kDone);
  ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, nullptr));

  ui.saveFiles.push_back(Path("other.txt"));
  ui.intervals.push_back(std::nullopt);
  EXPECT_EQ(rec.Setup(Language::kGerman, interval, ui), Recording::SetupResult::kIntervalCancelled);
  EXPECT_FALSE(rec.isOpen());
  EXPECT_EQ(interval.Milliseconds(), 10000);  // unchanged
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("other.txt"))));

  std::string notice;
  EXPECT_FALSE(rec.WriteLine(0, kPh, Language::kEnglish, &notice));
  EXPECT_EQ(notice, Recording::NoFileNotice(Language::kEnglish));
  EXPECT_FALSE(notice.empty());
  EXPECT_FALSE(rec.WriteLine(0, kPh, Language::kEnglish, &notice));
  EXPECT_TRUE(notice.empty());  // told once
  EXPECT_EQ(ReadAll(file), kPhLine);

  // A new set-up records again and would tell again.
  ASSERT_EQ(Configure(Path("new.txt"), {0, 0, 5}), Recording::SetupResult::kDone);
  EXPECT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, &notice));
  EXPECT_EQ(ReadAll(Path("new.txt")), kPhLine);
  rec.Close();
  EXPECT_FALSE(rec.WriteLine(0, kPh, Language::kGerman, &notice));
  EXPECT_EQ(notice, Recording::NoFileNotice(Language::kGerman));
}

TEST_F(RecordingFixture, FileThatCannotBeCreatedIsReported) {
  ASSERT_EQ(Configure(Path("missing-folder/rec.txt"), {0, 0, 30}), Recording::SetupResult::kCreateFailed);
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("Die Aufzeichnungsdatei kann nicht angelegt werden"), std::string::npos);
  EXPECT_NE(ui.Messages()[0].find("missing-folder/rec.txt"), std::string::npos);
  EXPECT_FALSE(rec.isOpen());
  EXPECT_EQ(interval.Milliseconds(), 60000);
  EXPECT_TRUE(rec.statusText().empty());
}

TEST_F(RecordingFixture, FullDiskTakesBackThePartLineTellsOnceAndStops) {
  const std::string file = Path("full.txt");
  std::string error;
  ASSERT_TRUE(rec.OpenForAppend(file, &error, Language::kEnglish)) << error;
  ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, nullptr));
  std::string notice;
  {
    // Room for half of the next line only.
    FileSizeLimit limit(sizeof kPhLine - 1 + 10);
    ASSERT_TRUE(limit.ok());
    EXPECT_FALSE(rec.WriteLine(0, kPh, Language::kGerman, &notice));
  }
  EXPECT_EQ(ReadAll(file), kPhLine);
  EXPECT_NE(notice.find("Aufzeichnung fehlgeschlagen"), std::string::npos);
  EXPECT_TRUE(rec.failed());
  EXPECT_FALSE(rec.isOpen());
  EXPECT_FALSE(rec.WriteLine(0, kPh, Language::kGerman, &notice));
  EXPECT_TRUE(notice.empty());
  EXPECT_EQ(ReadAll(file), kPhLine);
}

TEST_F(RecordingFixture, DeletedOrReplacedFileIsNoticedAtTheNextLine) {
  const std::string file = Path("rec.txt");
  const std::string other = Path("other.txt");
  for (bool replace : {false, true}) {
    SCOPED_TRACE(replace);
    std::string error, notice;
    ASSERT_TRUE(rec.OpenForAppend(file, &error, Language::kEnglish)) << error;
    ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kEnglish, nullptr));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(file)));
    if (replace) {
      ASSERT_TRUE(QFile::copy(QString::fromStdString(other), QString::fromStdString(file)));
    }
    EXPECT_FALSE(rec.WriteLine(0, kPh, Language::kEnglish, &notice));
    EXPECT_NE(notice.find("deleted or replaced"), std::string::npos) << notice;
    EXPECT_TRUE(rec.failed());
    QFile(QString::fromStdString(other)).open(QIODevice::WriteOnly);
  }
  EXPECT_EQ(ReadAll(file), "");
}

TEST_F(RecordingFixture, OnlyRegularFilesAreRecordedIntoAndNothingWaits) {
  const std::string fifo = Path("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& target : {fifo, std::string("/dev/full"), dir.path().toStdString()}) {
    SCOPED_TRACE(target);
    std::string error;
    EXPECT_FALSE(rec.OpenForAppend(target, &error, Language::kEnglish));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
  }
  ASSERT_EQ(Configure(fifo, {0, 0, 30}), Recording::SetupResult::kCreateFailed);
  EXPECT_NE(ui.Messages().at(0).find("FIFO"), std::string::npos);
  EXPECT_FALSE(rec.isOpen());
}

TEST_F(RecordingFixture, OpenForAppendKeepsWhatIsThere) {
  const std::string file = Path("cli.txt");
  std::string error;
  ASSERT_TRUE(rec.OpenForAppend(file, &error, Language::kEnglish));
  ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, nullptr));
  rec.Close();
  ASSERT_TRUE(rec.OpenForAppend(file, &error, Language::kEnglish));
  ASSERT_TRUE(rec.WriteLine(0, kPh, Language::kGerman, nullptr));
  EXPECT_EQ(ReadAll(file), std::string(kPhLine) + kPhLine);
  EXPECT_FALSE(rec.OpenForAppend(Path("no/such/dir.txt"), &error, Language::kEnglish));
  EXPECT_NE(error.find("no/such/dir.txt"), std::string::npos);
}

}  // namespace
}  // namespace korvane::test
