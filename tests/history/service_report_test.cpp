// The service report: as found and as left of visits with calibrations and writes, and
// its pages drawn on a recording page: a visit of two modules in both languages, a long
// table across pages, headings kept with what follows them, and a span without events.
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

// A pH module read, changed (by another technician), calibrated and read out; a
// conductivity module only measured.
std::vector<Event> Visit() {
  std::vector<Event> events = {
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
      At(4, "A123", 1, kLoggerReadKind,
         {{"records", 24}, {"announced", 24}, {"file", "log.txt"}, {"source", "module"}}),
      At(5, "B456", 3, kLiveKind, Live(812.0, 815.0)),
  };
  events[2].technician = "Ben Braun";
  return events;
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
  in.chain = {1, 6, {57, "1a2b3c4d5e6f" + std::string(52, 'a')}, std::nullopt};
  return in;
}

std::string Local(int minute, const char* format) {
  return QDateTime::fromMSecsSinceEpoch(kMorning + minute * 60000LL)
      .toString(QString::fromLatin1(format))
      .toStdString();
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
       {"Servicebericht", "Anlage: Wasserwerk Nord", "Erstellt von: Anna Berger",
        "Modul A123: pH, Adresse 1, Geräteart 4, Firmware 1.20", "* | Grenzwert | 7.50 | 8.00",
        "IDC_HYST | 0.10 | 0.10", "pH Wert | 7.02 pH | 7.05 pH", "Kettenspannung | -12 mV | -12 mV",
        // (a line longer than the page goes on, indented, on the next)
        "  " + Local(2, "dd.MM.yyyy hh:mm") + "  Ben Braun  Konfiguration geschrieben (Dialog): Grenzwert 7.50 →",
        "Kalibrierung " + Local(3, "dd.MM.yyyy hh:mm") + ", Zweipunkt pH (Anna Berger): bestanden, gespeichert",
        "Punkt 1: gemessen 2.5, Referenz 7, 21.4 °C", "Steilheit (mV/pH) | -59.2 | -57.8", "Datenlogger",
        "Modul B456: 200µS/cm, Adresse 2, Geräteart 4, Firmware 1.20",
        "Verlauf unverändert (Ereignisse 1 bis 6, Kopf 57:1a2b3c4d5e6f [1])",
        "Unterschrift Techniker | Unterschrift Kunde", "[1] Kopf 57: 1a2b3c4d5e6f" + std::string(52, 'a'),
        "Seite 1 von 1"}},
      {Language::kEnglish,
       {"Service report", "Site: Wasserwerk Nord", "Made by: Anna Berger",
        "Module A123: pH, address 1, kind 4, firmware 1.20", "* | Grenzwert | 7.50 | 8.00",
        "Calibration " + Local(3, "dd/MM/yyyy hh:mm") + ", pH two-point (Anna Berger): passed, saved",
        "slope (mV/pH) | -59.2 | -57.8", "Logger readouts", "history intact (events 1 to 6, head 57:1a2b3c4d5e6f [1])",
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
  EXPECT_TRUE(Has(lines, "voltage | -12 mV | -"));
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
    rowsDrawn +=
        static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l[0] == 'K'; }));
  EXPECT_EQ(rowsDrawn, 120);
}

QJsonObject Read(std::initializer_list<std::pair<const char*, const char*>> fields) {
  QJsonObject f;
  for (const auto& [key, value] : fields) f[key] = value;
  return {{"fields", f}};
}
QJsonObject Write(const char* key, const char* before, const char* after) {
  return {{"source", "dialog"},
          {"changed", QJsonArray{QJsonObject{{"key", key}, {"before", before}, {"after", after}}}},
          {"complete", true}};
}
QJsonObject Calibrated(QJsonArray before, QJsonArray after, const char* outcome = "saved") {
  return {
      {"procedure", "ph-two-point"}, {"before", before}, {"after", after}, {"plausible", true}, {"outcome", outcome}};
}

// As found: the module before the visit's first change; as left: after its last, where a
// saved calibration changes calibration values 1..4 as a write does. Only what differs
// is marked.
TEST(ServiceReport, AsFoundAndAsLeft) {
  const QJsonObject read =
      Read({{"IDC_GRENZWERT", "7.50"}, {"IDC_KAL0", "-3.50"}, {"IDC_KAL1", "-0.40"}, {"IDC_HYSTERESE", "0.10"}});
  struct Field {
    const char* key;
    const char* found;
    const char* left;
    bool changed;
  };
  const struct {
    const char* what;
    std::vector<std::pair<const char*, QJsonObject>> events;
    std::vector<Field> fields;
  } rows[] = {
      {"a calibration between two writes",
       {{kConfigReadKind, read},
        {kConfigWriteKind, Write("IDC_GRENZWERT", "7.50", "8.00")},
        {kCalibrationKind, Calibrated({-3.5, -0.4, 0, 0}, {-3.5, 0.0075, 0, 0})},
        {kConfigWriteKind, Write("IDC_HYSTERESE", "0.10", "0.20")}},
       {{"IDC_GRENZWERT", "7.50", "8.00", true},
        {"IDC_HYSTERESE", "0.10", "0.20", true},
        {"IDC_KAL0", "-3.50", "-3.50", false},
        {"IDC_KAL1", "-0.40", "0.0075", true}}},
      {"the calibration first, then a read",
       {{kCalibrationKind, Calibrated({-3.5, -0.4, 0, 0}, {-2.1, 0.0075, 0, 0})},
        {kConfigReadKind, Read({{"IDC_KAL0", "-2.10"}, {"IDC_KAL1", "0.01"}})}},
       {{"IDC_KAL0", "-3.5", "-2.10", true}, {"IDC_KAL1", "-0.4", "0.01", true}}},
      {"a calibration not saved",
       {{kConfigReadKind, Read({{"IDC_KAL1", "-0.40"}})},
        {kCalibrationKind, Calibrated({-3.5, -0.4, 0, 0}, {-3.5, 0.0075, 0, 0}, "discarded")}},
       {{"IDC_KAL1", "-0.40", "-0.40", false}}},
      {"the dialog opened and cancelled twice",
       {{kConfigReadKind, read}, {kConfigReadKind, read}},
       {{"IDC_GRENZWERT", "7.50", "7.50", false},
        {"IDC_HYSTERESE", "0.10", "0.10", false},
        {"IDC_KAL0", "-3.50", "-3.50", false},
        {"IDC_KAL1", "-0.40", "-0.40", false}}},
  };
  ReportInput in = Input(Language::kEnglish);
  in.fieldLabel = nullptr;
  in.calibrationKeys = {"IDC_KAL0", "IDC_KAL1", "IDC_KAL2", "IDC_KAL3"};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    std::vector<Event> events;
    for (const auto& [kind, details] : r.events)
      events.push_back(At(static_cast<int>(events.size()), "A123", 1, kind, details));
    events.push_back(At(9, "A123", 1, kLiveKind, Live(7.02, 7.40)));
    const std::vector<ModuleVisit> visits = VisitsOf(events, in);
    ASSERT_EQ(visits.size(), 1u);
    std::vector<Field> got;
    for (const FoundLeft& f : visits[0].configuration)
      got.push_back({f.label.c_str(), f.found.c_str(), f.left.c_str(), f.changed});
    ASSERT_EQ(got.size(), r.fields.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(std::string(got[i].key), r.fields[i].key);
      EXPECT_EQ(std::string(got[i].found), r.fields[i].found) << r.fields[i].key;
      EXPECT_EQ(std::string(got[i].left), r.fields[i].left) << r.fields[i].key;
      EXPECT_EQ(got[i].changed, r.fields[i].changed) << r.fields[i].key;
    }
    // Readings that moved are shown, not marked.
    ASSERT_FALSE(visits[0].live.empty());
    EXPECT_EQ(visits[0].live[0].left, "7.40 pH");
    for (const FoundLeft& f : visits[0].live) EXPECT_FALSE(f.changed) << f.label;
  }
}

// However the lines fall, a module's line and a table's title stand on the page of what
// they head.
TEST(ServiceReport, NoHeadingAloneAtAPagesFoot) {
  for (int shift = 0; shift < 40; ++shift) {
    SCOPED_TRACE(shift);
    ReportInput in = Input(Language::kGerman);
    for (int i = 0; i < shift * 5; ++i) in.site += "xxx ";  // pushes everything down by a quarter line each
    std::vector<Event> events;
    for (int m = 0; m < 30; ++m) {
      const std::string id = "M" + std::to_string(100 + m);
      events.push_back(At(m, id.c_str(), 1, kConfigReadKind, Read({{"IDC_GRENZWERT", "7.50"}, {"IDC_KAL0", "1"}})));
      // Every third module's visit, and the display unit's, has no table.
      if (m % 3 == 0) events.back() = At(m, id.c_str(), 1, kLoggerReadKind, {{"records", 24}, {"file", "/x"}});
    }
    events.push_back(At(40, "", 0, kDisplayWriteKind, {{"source", "contrast"}, {"complete", true}}));
    events.back().address = 128;
    test::RecordingPage page(4800, 6800);
    ASSERT_TRUE(LayoutReport(page, in, VisitsOf(events, in)));
    const auto pages = Lines(page);
    for (std::size_t p = 0; p + 1 < pages.size(); ++p) {
      // The foot ("Seite i von n") is the page's last line; the one before it is content.
      ASSERT_GE(pages[p].size(), 2u);
      const std::string& last = pages[p][pages[p].size() - 2];
      EXPECT_NE(last.rfind("Modul ", 0), 0u) << "page " << p + 1 << ": " << last;
      EXPECT_NE(last.rfind("Wie vorgefunden", 0), 0u) << "page " << p + 1 << ": " << last;
      EXPECT_NE(last, "Datenlogger") << "page " << p + 1;
      EXPECT_NE(last, "Anzeigeeinheit") << "page " << p + 1;
    }
  }
}

TEST(ServiceReport, ASpanWithoutEventsSaysSoOnItsOnePage) {
  ReportInput in = Input(Language::kEnglish);
  test::RecordingPage page(4800, 6800);
  ASSERT_TRUE(LayoutReport(page, in, VisitsOf({}, in)));
  const auto pages = Lines(page);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Has(pages[0], "No events in the span."));
  EXPECT_TRUE(Has(pages[0], "Page 1 of 1"));

  // A history emptied behind the program's back has no events in any span: said so.
  in.chain.problem = "0 events; the history was rolled back or rewritten";
  test::RecordingPage emptied(4800, 6800);
  ASSERT_TRUE(LayoutReport(emptied, in, VisitsOf({}, in)));
  EXPECT_TRUE(Has(Lines(emptied)[0], "0 events; the history was rolled back or rewritten"));
}

}  // namespace
}  // namespace korvane::history
