// The calibration certificate drawn on a recording page in both languages, and the
// assistant's point figures where the service report and the history window show them.
#include <QDateTime>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "history/CalibrationCertificate.h"
#include "history/CalibrationDetails.h"
#include "history/HistoryView.h"
#include "history/ServiceReport.h"
#include "support/ScriptedUi.h"

namespace korvane::history {
namespace {

constexpr std::int64_t kCertificateMorning = 1773050400000LL;  // 2026-03-09 10:00 UTC

QJsonObject AssistedPoint(double captured, double reference, double drift, const char* buffer) {
  return {{"channel", 2},           {"captured", captured},   {"watched", captured},
          {"reference", reference}, {"temperature", 12.0},    {"drift", drift},
          {"noise", 0.04},          {"drift_unit", "mV/min"}, {"noise_unit", "mV"},
          {"window", 30},           {"seconds", 52.0},        {"seconds_to_stable", 46.0},
          {"stable", true},         {"taken", "auto"},        {"buffer_set", "technical"},
          {"buffer", buffer},       {"lot", "L2311"},         {"expiry", "2027-03"}};
}

Event CalibrationEvent(QJsonObject details) {
  Event e;
  e.seq = 17;
  e.timeMs = kCertificateMorning;
  e.identity = "A123";
  e.address = 0;
  e.type = 1;
  e.deviceKind = 4;
  e.firmware = "1.20";
  e.technician = "Anna Berger";
  e.host = "bench-2";
  e.program = "korvane 1.0.0";
  e.kind = kCalibrationKind;
  e.hash = "3f2a9c0d1e2b4a5f67788990aabbccddeeff00112233445566778899aabbccdd";
  e.details = std::move(details);
  return e;
}

QJsonObject SavedDetails() {
  return {{"procedure", "ph-two-point"},
          {"mode", "assistant"},
          {"points", QJsonArray{AssistedPoint(5.1, 7.052, 0.12, "7.00"), AssistedPoint(173.8, 4.0, -0.2, "4.01")}},
          {"before", QJsonArray{-3.5, -59.2, 0, 0}},
          {"after", QJsonArray{8.0, -57.8, 0, 0}},
          {"verdict", "plausible"},
          {"plausible", true},
          {"outcome", "saved"}};
}

// Each drawn line, its texts joined in x order with " | ".
std::vector<std::string> CertificateLines(const test::RecordingPage& page) {
  std::map<int, std::vector<const test::RecordingPage::Text*>> at;
  for (const auto& t : page.texts) at[t.y].push_back(&t);
  std::vector<std::string> lines;
  for (auto& [y, texts] : at) {
    std::sort(texts.begin(), texts.end(), [](auto* a, auto* b) { return a->x < b->x; });
    std::string line;
    for (auto* t : texts) line += (line.empty() ? "" : " | ") + t->text;
    lines.push_back(line);
  }
  return lines;
}

TEST(CertificateTest, OnePageWithModulePointsLimitsVerdictAndSignature) {
  const std::string when =
      QDateTime::fromMSecsSinceEpoch(kCertificateMorning).toString(QStringLiteral("dd.MM.yyyy hh:mm")).toStdString();
  const struct {
    Language language;
    std::vector<std::string> lines;
  } rows[] = {
      {Language::kGerman,
       {"Kalibrierzertifikat", "Modul A123: pH, Adresse 0, Geräteart 4, Firmware 1.20",
        "Kalibrierung: pH, zwei Punkte (mit Assistent)", "Datum: " + when + "   Techniker: Anna Berger",
        "Verlaufseintrag 17, SHA-256 3f2a9c0d1e2b4a5f", "Nr. | gemessen | Referenz | °C | Drift | Rauschen | stabil",
        "1 | 5.1 mV | 7.052 | 12.0 | 0.12 mV/min | 0.04 mV | nach 46 s",
        "Asymmetrie (mV) | -3.5 | 8.0 | -60 … 60 | eingehalten",
        "Steilheit (mV/pH) | -59.2 | -57.8 | -61 … -45 | eingehalten",
        "Steilheit 97.7 % der Nernst-Steilheit, Nullpunkt 8.0 mV", "Urteil: plausibel, im Modul gespeichert",
        "Techniker: Anna Berger | Datum, Unterschrift"}},
      {Language::kEnglish,
       {"Calibration certificate", "Calibration: pH, two points (with the assistant)",
        "no. | captured | reference | °C | drift | noise | stable",
        "2 | 173.8 mV | 4 | 12.0 | -0.2 mV/min | 0.04 mV | after 46 s",
        "slope (mV/pH) | -59.2 | -57.8 | -61 … -45 | met", "slope 97.7 % of Nernst's slope, zero point 8.0 mV",
        "Verdict: plausible, saved in the module"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.language));
    test::RecordingPage page(4800, 6800);
    ASSERT_TRUE(LayoutCertificate(page, CalibrationEvent(SavedDetails()), r.language));
    EXPECT_TRUE(page.ended);
    EXPECT_EQ(page.page, 0);  // one page
    const std::vector<std::string> lines = CertificateLines(page);
    for (const std::string& line : r.lines) EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    // A point's figures under its row, broken at a blank where they would run off the page.
    const auto at = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.rfind("Drift 0.12 mV/min, Rauschen 0.04 mV, stabil nach 46 s", 0) == 0 ||
             l.rfind("drift 0.12 mV/min, noise 0.04 mV, stable after 46 s", 0) == 0;
    });
    ASSERT_NE(at, lines.end());
    const std::string expected = r.language == Language::kGerman
                                     ? "Drift 0.12 mV/min, Rauschen 0.04 mV, stabil nach 46 s, automatisch "
                                       "übernommen; Puffer 7.00 (Technisch 4.01 / 7.00 / 10.01 (9.21)), Charge "
                                       "L2311, verwendbar bis 2027-03"
                                     : "drift 0.12 mV/min, noise 0.04 mV, stable after 46 s, accepted "
                                       "automatically; buffer 7.00 (Technical 4.01 / 7.00 / 10.01 (9.21)), lot "
                                       "L2311, use by 2027-03";
    std::string joined = *at;
    for (auto it = at + 1; it != lines.end() && joined.size() < expected.size(); ++it) joined += " " + *it;
    EXPECT_EQ(joined, expected);
  }
}

TEST(CertificateTest, AClassicImplausibleCalibrationSaysWhatBroke) {
  QJsonObject d{{"procedure", "ph-two-point"},
                {"points", QJsonArray{QJsonObject{{"captured", 0}, {"reference", 7}, {"temperature", 25}},
                                      QJsonObject{{"captured", 120}, {"reference", 4}, {"temperature", 25}}}},
                {"before", QJsonArray{-3.5, -59.2, 0, 0}},
                {"after", QJsonArray{0, -40, 0, 0}},
                {"verdict", "implausible"},
                {"plausible", false},
                {"outcome", "discarded"}};
  Event e = CalibrationEvent(d);
  e.seq = 0;  // printed before the history had it
  test::RecordingPage page(4800, 6800);
  ASSERT_TRUE(LayoutCertificate(page, e, Language::kGerman));
  const std::vector<std::string> lines = CertificateLines(page);
  for (const std::string& line :
       {std::string("Kalibrierung: pH, zwei Punkte (klassisch)"), std::string("1 | 0 | 7 | 25.0 | - | - | -"),
        std::string("Steilheit (mV/pH) | -59.2 | -40.0 | -61 … -45 | verletzt"),
        std::string("Urteil: nicht plausibel, nicht gespeichert")})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("Verlaufseintrag", 0) == 0; }),
            0);
}

TEST(CertificateTest, TheFiguresReachTheServiceReportTheDetailsAndTheNextReference) {
  const Event e = CalibrationEvent(SavedDetails());
  const std::string figures =
      "drift -0.2 mV/min, noise 0.04 mV, stable after 46 s, accepted automatically; buffer 4.01 (Technical 4.01 / 7.00 "
      "/ "
      "10.01 (9.21)), lot L2311, use by 2027-03";
  const std::vector<DetailRow> rows = DetailRows(e, Language::kEnglish);
  EXPECT_NE(std::find_if(rows.begin(), rows.end(), [&](const DetailRow& r) { return r.first == figures; }), rows.end());

  ReportInput in;
  in.language = Language::kEnglish;
  in.sinceMs = kCertificateMorning - 1000;
  in.untilMs = kCertificateMorning + 1000;
  test::RecordingPage page(4800, 6800);
  ASSERT_TRUE(LayoutReport(page, in, VisitsOf({e}, in)));
  // The report breaks the long line at a blank.
  const std::vector<std::string> lines = CertificateLines(page);
  EXPECT_NE(std::find_if(
                lines.begin(), lines.end(),
                [&](const std::string& l) { return l.rfind("    drift -0.2 mV/min, noise 0.04 mV, stable", 0) == 0; }),
            lines.end());

  // The newest calibration of the procedure that has the point gives its reference.
  Event older = CalibrationEvent(SavedDetails());
  older.details["points"] = QJsonArray{QJsonObject{{"reference", 6.9}}, QJsonObject{{"reference", 4.1}}};
  Event redox = CalibrationEvent({{"procedure", "redox"}, {"points", QJsonArray{QJsonObject{{"reference", 225}}}}});
  EXPECT_EQ(LastReference({older, e, redox}, "ph-two-point", 1), 4.0);
  EXPECT_EQ(LastReference({older, e, redox}, "redox", 0), 225.0);
  EXPECT_FALSE(LastReference({older, e}, "redox", 0));
  EXPECT_FALSE(LastReference({redox}, "redox", 1));
}

}  // namespace
}  // namespace korvane::history
