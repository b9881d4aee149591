// The bottom line's facts in both languages, and when a calibration is due.
#include <QDateTime>

#include <gtest/gtest.h>

#include "app/LineStatus.h"
#include "history/HistoryView.h"

namespace korvane::app {
namespace {

TEST(LineStatus, PartsInTheirOrder) {
  const struct {
    LineStatus status;
    Language language;
    std::vector<std::string> parts;
  } rows[] = {
      {{5, "rfc2217://10.0.0.7:4001", 19200, SeenModule{"B4", -1, 0}, "calibration due since 2026-03-01"},
       Language::kEnglish,
       {"COM5 → rfc2217://10.0.0.7:4001", "19200 baud", "Module B4 (-, address 0)",
        "calibration due since 2026-03-01"}},
      {{200, "", 4800, std::nullopt, ""}, Language::kEnglish, {"COM200 → -", "4800 baud"}},
      {{5, "rfc2217://werk-2:4001", 4800, std::nullopt, "", "werk-2"},
       Language::kGerman,
       {"COM5 → rfc2217://werk-2:4001", "über Station werk-2", "4800 Baud"}},
  };
  for (const auto& r : rows) EXPECT_EQ(r.status.Parts(r.language), r.parts);
}

TEST(LineStatus, CalibrationDueOnlyWhenTheIntervalHasPassed) {
  const std::int64_t now = QDateTime(QDate(2026, 4, 10), QTime(12, 0)).toMSecsSinceEpoch();
  const std::int64_t day = 86400000;
  history::CalibrationIntervals intervals;
  intervals.days[types::Family::kPh] = 30;
  const struct {
    int type;
    std::int64_t savedDaysAgo;  // 0: never
    Language language;
    const char* text;
  } rows[] = {
      {1, 40, Language::kGerman, "Kalibrierung fällig seit 31.03.2026"},
      {1, 40, Language::kEnglish, "calibration due since 31/03/2026"},
      {1, 29, Language::kGerman, ""},
      {1, 0, Language::kGerman, "Kalibrierung fällig (keine in der Historie)"},
  };
  for (const auto& r : rows) {
    history::KnownModule m;
    m.identity = "A123";
    m.type = r.type;
    m.lastSavedCalibrationMs = r.savedDaysAgo ? now - r.savedDaysAgo * day : 0;
    EXPECT_EQ(CalibrationDueText(m, intervals, now, r.language), r.text) << r.savedDaysAgo;
  }
}

}  // namespace
}  // namespace korvane::app
