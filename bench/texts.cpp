// bench_texts: what the text catalogue costs a user. The figures: loading the built-in
// catalogue (the first text asked for, at start-up), and a language switch, taken as every
// text of translations/korvane_en.ts looked up once in each language (far more than a
// window re-reads when its language changes).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QXmlStreamReader>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Texts.h"
#include "types/Texts.h"

using namespace korvane;

namespace {

struct Entry {
  QByteArray context, source, disambiguation;
};

std::vector<Entry> Entries(const QString& path) {
  QFile file(path);
  std::vector<Entry> entries;
  if (!file.open(QIODevice::ReadOnly)) return entries;
  QXmlStreamReader xml(&file);
  QByteArray context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText().toUtf8();
    if (xml.name() == QLatin1String("message")) entries.push_back({context, {}, {}});
    if (xml.name() == QLatin1String("source")) entries.back().source = xml.readElementText().toUtf8();
    if (xml.name() == QLatin1String("comment")) entries.back().disambiguation = xml.readElementText().toUtf8();
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QElapsedTimer load;
  load.start();
  const std::string first = platform::Tr(Language::kEnglish, types::kCancel);
  const double loadMs = static_cast<double>(load.nsecsElapsed()) / 1e6;

  const std::vector<Entry> entries = Entries(QStringLiteral(KORVANE_TRANSLATIONS_DIR "/korvane_en.ts"));
  if (entries.empty()) {
    std::fprintf(stderr, "bench_texts: no texts in %s\n", KORVANE_TRANSLATIONS_DIR "/korvane_en.ts");
    return 1;
  }
  std::size_t bytes = 0;
  QElapsedTimer sw;
  sw.start();
  for (const Language language : {Language::kGerman, Language::kEnglish}) {
    for (const Entry& e : entries) {
      const platform::Text text{
          e.context.constData(),
          {e.source.constData(), e.disambiguation.isEmpty() ? nullptr : e.disambiguation.constData()}};
      bytes += platform::Tr(language, text).size();
    }
  }
  const double switchMs = static_cast<double>(sw.nsecsElapsed()) / 1e6 / 2;
  std::printf("catalogue load (first text): %.2f ms (goal: part of start-up <= 200 ms)\n", loadMs);
  std::printf("language switch, all %zu texts looked up: %.2f ms (goal <= 100 ms); %zu bytes, \"%s\"\n", entries.size(),
              switchMs, bytes, first.c_str());
  return 0;
}
