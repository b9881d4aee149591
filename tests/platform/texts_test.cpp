#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <string>
#include <vector>

#include "platform/Language.h"
#include "platform/Texts.h"

namespace korvane::platform {
namespace {

struct Message {
  QString context, source, disambiguation, translation;
  bool unfinished = false;
  bool hasTranslation = false;
};

std::vector<Message> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<Message> messages;
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("message")) {
      messages.push_back(Message{context});
    } else if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("source") && !messages.empty()) {
      messages.back().source = xml.readElementText();
    } else if (name == QLatin1String("comment") && !messages.empty()) {
      messages.back().disambiguation = xml.readElementText();
    } else if (name == QLatin1String("translation") && !messages.empty()) {
      Message& m = messages.back();
      m.hasTranslation = true;
      const auto type = xml.attributes().value(QLatin1String("type"));
      m.unfinished =
          type == QLatin1String("unfinished") || type == QLatin1String("vanished") || type == QLatin1String("obsolete");
      m.translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

QStringList TsFiles() {
  const QDir dir(QStringLiteral(KORVANE_TRANSLATIONS_DIR));
  QStringList files;
  for (const QString& name : dir.entryList({QStringLiteral("korvane_*.ts")}, QDir::Files)) files << dir.filePath(name);
  return files;
}

void ExpectComplete(const QString& path) {
  const std::vector<Message> messages = ReadTs(path);
  EXPECT_FALSE(messages.empty()) << path.toStdString();
  for (const Message& m : messages) {
    const std::string where = path.toStdString() + ": " + m.context.toStdString() + ": " + m.source.toStdString();
    EXPECT_TRUE(m.hasTranslation && !m.unfinished && !m.translation.isEmpty()) << "untranslated in " << where;
    // Blanks where the source has words are as untranslated as nothing.
    EXPECT_FALSE(m.translation.trimmed().isEmpty() && !m.source.trimmed().isEmpty()) << "blank in " << where;
  }
}

QStringList Placeholders(const QString& text) {
  // %1..%99, and a printf conversion a translator might bring in ("%s", "%.2f").
  static const QRegularExpression placeholder(QStringLiteral("%[1-9][0-9]?|%[-+#0]*[0-9]*(?:\\.[0-9]+)?[sdufgxXc]"));
  QStringList found;
  for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
  found.sort();
  return found;
}

TEST(Texts, EveryLanguageHasItsFileAndEveryFileIsComplete) {
  const QStringList files = TsFiles();
  EXPECT_EQ(files.size(), static_cast<qsizetype>(std::size(kLanguages)));
  for (const LanguageInfo& language : kLanguages)
    EXPECT_TRUE(
        QFile::exists(QStringLiteral(KORVANE_TRANSLATIONS_DIR "/korvane_%1.ts").arg(QLatin1String(language.code))))
        << language.code;
  for (const QString& file : files) ExpectComplete(file);
}

TEST(Texts, EveryTranslationHasThePlaceholdersOfItsSource) {
  for (const QString& file : TsFiles())
    for (const Message& m : ReadTs(file))
      EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source))
          << file.toStdString() << ": " << m.context.toStdString() << ": " << m.source.toStdString();
}

// The catalogue built into the program is the one in translations/: a stale or missing
// resource would speak German where a translation exists.
TEST(Texts, TheBuiltInCatalogueSpeaksEveryTranslation) {
  for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
    const auto language = LanguageFromSetting(static_cast<int>(i));
    for (const Message& m :
         ReadTs(QStringLiteral(KORVANE_TRANSLATIONS_DIR "/korvane_%1.ts").arg(QLatin1String(kLanguages[i].code)))) {
      const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8(), dis = m.disambiguation.toUtf8();
      const Text text{context.constData(), {source.constData(), dis.isEmpty() ? nullptr : dis.constData()}};
      EXPECT_EQ(Tr(language, text), m.translation.toStdString()) << kLanguages[i].code << ": " << source.constData();
    }
  }
}

// lupdate over the sources adds nothing: every text the program uses is in every file.
TEST(Texts, LupdateFindsNoTextMissingFromTheFiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QStringList copies;
  for (const QString& file : TsFiles()) {
    const QString copy = dir.filePath(QFileInfo(file).fileName());
    ASSERT_TRUE(QFile::copy(file, copy));
    copies << copy;
  }
  QProcess lupdate;
  lupdate.setWorkingDirectory(QStringLiteral(KORVANE_SOURCE_DIR));
  lupdate.start(QStringLiteral(KORVANE_LUPDATE),
                QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                            QStringLiteral("src"), QStringLiteral("apps"), QStringLiteral("-ts")}
                    << copies);
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  for (const QString& copy : copies) ExpectComplete(copy);
}

TEST(Texts, FillPutsArgumentsInOnePassAndNumbersAsPrintfDoes) {
  EXPECT_EQ(Fill("%2 vor %1", "a", "b"), "b vor a");
  EXPECT_EQ(Fill("%1: %2", "50%1", 3), "50%1: 3");
  EXPECT_EQ(Fill("%1 %2 %3", 0.5, 1e-5, -42LL), "0.5 1e-05 -42");
  EXPECT_EQ(Fill("ohne"), "ohne");
}

}  // namespace
}  // namespace korvane::platform
