// The service report's pages, drawn on a recording page: a visit of two modules in both
// languages, a long table across pages, and a span without events.
#include <QDateTime>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "history/ServiceReport.h"
#include "support/ScriptedUi.h"

namespace korvane::history {
namespace {

constexpr std::int64_t kMorning = 1773050400000LL;  // 2026-03-09 10:00 UTC

Event At(int minute, const char* identity, int type, const char* kind, QJsonObject details) {
  Event e;
  e.timeMs = kMorning + minute * 60000LL;
  e.identity = identity;
  e.address = identity[0] == 'A' ? 1 : 2;
  e.type = type;
  e.deviceKind = 4;
  e.firmware = "1.20";
  e.technician = "Anna Berger";
  e.kind = kind;
  e.details = std::move(details);
  e.seq = minute + 1;
  return e;
}

QJsonObject Live(double first, double last) {
  return {{"first", QJsonObject{{"values", QJsonArray{first, -12, 0, 0, 0, 21.4}}}},
          {"last", QJsonObject{{"values", QJsonArray{last, -12, 0, 0, 0, 21.6}}}},
          {"chains", 40}};
}

// A pH module read, changed, calibrated and read out; a conductivity module only measured.
std::vector<Event> Visit() {
  return {
      At(0, "A123", 1, kConfigReadKind, {{"fields", QJsonObject{{"IDC_GRENZWERT", "7.50"}, {"IDC_HYST", "0.10"}}}}),
      At(1, "A123", 1, kLiveKind, Live(7.02, 7.05)),
      At(2, "A123", 1, kConfigWriteKind,
         {{"source", "dialog"},
          {"changed", QJsonArray{QJsonObject{{"key", "IDC_GRENZWERT"}, {"before", "7.50"}, {"after", "8.00"}}}},
          {"complete", true}}),
      At(3, "A123", 1, kCalibrationKind,
         {{"procedure", "ph-two-point"},
          {"points", QJsonArray{QJsonObject{{"captured", 2.5}, {"reference", 7.0}, {"temperature", 21.4}}}},
          {"before", QJsonArray{-3.5, -59.2, 0, 0}},
          {"after", QJsonArray{-2.1, -57.8, 0, 0}},
          {"plausible", true},
          {"outcome", "saved"}}),
      At(4, "A123", 1, kLoggerReadKind, {{"records", 24}, {"announced", 24}, {"file", "log.txt"}, {"source", "module"}}),
      At(5, "B456", 3, kLiveKind, Live(812.0, 815.0)),
  };
}

ReportInput Input(Language l) {
  ReportInput in;
  in.site = "Wasserwerk Nord";
  in.technician = "Anna Berger";
  in.program = "korvane 1.0.0";
  in.sinceMs = kMorning - 3600000;
  in.untilMs = kMorning + 3600000;
  in.nowMs = kMorning + 600000;
  in.language = l;
  in.fieldLabel = [](const std::string& key, int) { return key == "IDC_GRENZWERT" ? std::string("Grenzwert") : ""; };
  return in;
}

std::string Local(int minute, const char* format) {
  return QDateTime::fromMSecsSinceEpoch(kMorning + minute * 60000LL).toString(QString::fromLatin1(format)).toStdString();
}

// Each drawn line, its texts joined in x order with " | ", by page.
std::vector<std::vector<std::string>> Lines(const test::RecordingPage& page) {
  std::map<std::pair<int, int>, std::vector<const test::RecordingPage::Text*>> at;
  for (const auto& t : page.texts) at[{t.page, t.y}].push_back(&t);
  std::vector<std::vector<std::string>> pages(static_cast<std::size_t>(page.page + 1));
  for (auto& [where, texts] : at) {
    std::sort(texts.begin(), texts.end(), [](auto* a, auto* b) { return a->x < b->x; });
    std::string line;
    for (auto* t : texts) line += (line.empty() ? "" : " | ") + t->text;
    pages[static_cast<std::size_t>(where.first)].push_back(line);
  }
  return pages;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ServiceReport, AVisitOfTwoModulesInBothLanguages) {
  const struct {
    Language language;
    std::vector<std::string> lines;
  } rows[] = {
      {Language::kGerman,
       {"Servicebericht", "Anlage: Wasserwerk Nord", "Techniker: Anna Berger",
        "Modul A123: pH, Adresse 1, Geräteart 4, Firmware 1.20",
        "* | Grenzwert | 7.50 | 8.00", "IDC_HYST | 0.10 | 0.10", "* | pH Wert | 7.02 pH | 7.05 pH", "Kettenspannung | -12 mV | -12 mV",
        "Kalibrierung " + Local(3, "dd.MM.yyyy hh:mm") + ", ph-two-point: bestanden, gespeichert",
        "Punkt 1: gemessen 2.5, Referenz 7, 21.4 °C", "Steilheit (mV/pH) | -59.2 | -57.8", "Datenlogger",
        "Modul B456: 200µS/cm, Adresse 2, Geräteart 4, Firmware 1.20", "Verlauf unverändert",
        "Unterschrift Techniker | Unterschrift Kunde", "Seite 1 von 1"}},
      {Language::kEnglish,
       {"Service report", "Site: Wasserwerk Nord", "Module A123: pH, address 1, kind 4, firmware 1.20",
        "* | Grenzwert | 7.50 | 8.00", "Calibration " + Local(3, "yyyy-MM-dd hh:mm") + ", ph-two-point: passed, saved",
        "slope (mV/pH) | -59.2 | -57.8", "Logger readouts", "history intact",
        "Technician's signature | Customer's signature", "Page 1 of 1"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.language));
    const ReportInput in = Input(r.language);
    test::RecordingPage page(4800, 6800);
    ASSERT_TRUE(LayoutReport(page, in, VisitsOf(Visit(), in)));
    EXPECT_TRUE(page.ended);
    const auto pages = Lines(page);
    ASSERT_EQ(pages.size(), 1u);
    for (const std::string& line : r.lines) EXPECT_TRUE(Has(pages[0], line)) << line;
  }
}

// An event whose module never answered names no module; a value a module left
// unanswered is no number.
TEST(ServiceReport, NoModuleAnsweredAndUnansweredValuesAreSaidSo) {
  Event silent = At(0, "", 0, kCalibrationKind, {{"module_answered", false}, {"procedure", "ph-two-point"}});
  silent.address = 5;
  QJsonObject partial = Live(7.02, 7.05);
  partial["last"] = QJsonObject{{"values", QJsonArray{7.05, QJsonValue(), 0, 0, 0, 21.6}}};
  const ReportInput in = Input(Language::kEnglish);
  test::RecordingPage page(4800, 6800);
  ASSERT_TRUE(LayoutReport(page, in, VisitsOf({silent, At(1, "A123", 1, kLiveKind, partial)}, in)));
  const auto lines = Lines(page)[0];
  EXPECT_TRUE(Has(lines, "No module answered at address 5"));
  EXPECT_TRUE(Has(lines, "* | voltage | -12 mV | -"));
}

TEST(ServiceReport, LongTablesRepeatTheirHeaderAndPagesAreCounted) {
  QJsonObject fields;
  for (int f = 0; f < 120; ++f) fields[QStringLiteral("K%1").arg(f, 3, 10, QLatin1Char('0'))] = QString::number(f);
  ReportInput in = Input(Language::kGerman);
  in.site = "Wasserwerk Nord, Hochbehälter am Kirchberg, Filterhalle 2, Messstelle Rohwasser nach der Flockung";
  test::RecordingPage page(4800, 6800);
  ASSERT_TRUE(LayoutReport(page, in, VisitsOf({At(0, "A123", 1, kConfigReadKind, {{"fields", fields}})}, in)));
  // A line longer than the page continues on the next, broken at a blank.
  EXPECT_TRUE(Has(Lines(page)[0], "Anlage: Wasserwerk Nord, Hochbehälter am Kirchberg, Filterhalle 2, Messstelle"));
  EXPECT_TRUE(Has(Lines(page)[0], "Rohwasser nach der Flockung"));
  const auto pages = Lines(page);
  ASSERT_EQ(pages.size(), 3u);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    EXPECT_TRUE(Has(pages[p], "Seite " + std::to_string(p + 1) + " von 3"));
    EXPECT_TRUE(Has(pages[p], "Feld | vorgefunden | verlassen")) << "page " << p + 1;
  }
  // No row is lost at a break.
  int rowsDrawn = 0;
  for (const auto& lines : pages)
    rowsDrawn += static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l[0] == 'K'; }));
  EXPECT_EQ(rowsDrawn, 120);
}

TEST(ServiceReport, ASpanWithoutEventsSaysSoOnItsOnePage) {
  const ReportInput in = Input(Language::kEnglish);
  test::RecordingPage page(4800, 6800);
  ASSERT_TRUE(LayoutReport(page, in, VisitsOf({}, in)));
  const auto pages = Lines(page);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Has(pages[0], "No events in the span."));
  EXPECT_TRUE(Has(pages[0], "Page 1 of 1"));
}

}  // namespace
}  // namespace korvane::history
