// The history window's model: due marks, the event filters, the export's quoting, and
// where the trend of a calibration value is heading.
#include <gtest/gtest.h>

#include "history/Drift.h"
#include "history/HistoryView.h"

namespace korvane::history {
namespace {

constexpr std::int64_t kDay = 24LL * 3600 * 1000;
constexpr std::int64_t kNow = 1773050400000LL;

TEST(HistoryView, DueMarksFollowTheFamilysInterval) {
  CalibrationIntervals intervals;
  intervals.days[types::Family::kPh] = 14;
  const struct {
    const char* what;
    int type;
    std::int64_t calibratedDaysAgo;  // < 0: never
    bool due;
    int interval;
  } rows[] = {
      {"pH within its own interval", 1, 13, false, 14},
      {"pH past its own interval", 1, 14, true, 14},
      {"redox keeps the default", 2, 29, false, 30},
      {"redox past the default", 2, 31, true, 30},
      {"never calibrated", 2, -1, true, 30},
      {"a free place has nothing to calibrate", 12, -1, false, 30},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    KnownModule m;
    m.identity = "A123";
    m.type = r.type;
    m.lastSavedCalibrationMs = r.calibratedDaysAgo < 0 ? 0 : kNow - r.calibratedDaysAgo * kDay - 1000;
    const ModuleRow row = RowOf(m, intervals, kNow, Language::kGerman);
    EXPECT_EQ(row.due, r.due);
    EXPECT_EQ(row.intervalDays, r.interval);
  }
}

TEST(HistoryView, FiltersShowNewestFirst) {
  std::vector<Event> events;
  for (int i = 0; i < 6; ++i) {
    Event e;
    e.seq = i + 1;
    e.timeMs = kNow - (5 - i) * kDay;
    e.kind = i % 2 ? kCalibrationKind : kConfigReadKind;
    events.push_back(e);
  }
  const struct {
    const char* what;
    ViewFilter filter;
    std::vector<std::int64_t> seqs;
  } rows[] = {
      {"everything", {}, {6, 5, 4, 3, 2, 1}},
      {"one kind", {{kCalibrationKind}, {}, {}}, {6, 4, 2}},
      {"since", {{}, kNow - 2 * kDay, {}}, {6, 5, 4}},
      {"kind and span", {{kConfigReadKind}, kNow - 4 * kDay, kNow}, {5, 3}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    std::vector<std::int64_t> seqs;
    for (const Event& e : Shown(events, r.filter)) seqs.push_back(e.seq);
    EXPECT_EQ(seqs, r.seqs);
  }
}

TEST(HistoryView, CsvQuotesWhatNeedsItAndUnknownKindsAreNamed) {
  Event e;
  e.timeMs = kNow;
  e.identity = "A,1";
  e.technician = "Anna \"AB\" Berger";
  e.kind = "sensor-swap";  // of a newer program
  const std::string csv = EventsCsv({e}, Language::kEnglish);
  EXPECT_EQ(csv.substr(csv.find("\r\n") + 2),
            "2026-03-09T10:00:00.000Z,\"A,1\",-1,0,sensor-swap,\"Anna \"\"AB\"\" Berger\",sensor-swap,\r\n");
  EXPECT_EQ(KindName(e.kind, Language::kGerman), "unbekannt: sensor-swap");
  EXPECT_TRUE(DetailRows(e, Language::kEnglish).empty());
}

TEST(DriftTrend, ProjectsTheDateALimitIsReached) {
  // Slope of a pH electrode (limits -61..-45) over the past months.
  const auto series = [](std::vector<std::pair<int, double>> daysAgoValue, bool saved = true) {
    DriftSeries s;
    s.value = 2;
    s.label = "Steilheit";
    s.low = -61;
    s.high = -45;
    for (auto [ago, v] : daysAgoValue) s.points.push_back({kNow - ago * kDay, v, saved, ""});
    return s;
  };
  const struct {
    const char* what;
    DriftSeries s;
    std::string text;  // "" none
  } rows[] = {
      {"rising towards the upper limit", series({{200, -59}, {100, -56}, {0, -53}}),
       "Steilheit erreicht die Grenze voraussichtlich am 01.12.2026"},
      {"falling towards the lower limit", series({{200, -50}, {100, -54}, {0, -58}}),
       "Steilheit erreicht die Grenze voraussichtlich am 23.05.2026"},
      {"flat", series({{200, -57}, {100, -57}, {0, -57}}), ""},
      {"too few points", series({{100, -56}, {0, -53}}), ""},
      {"not saved", series({{200, -59}, {100, -56}, {0, -53}}, false), ""},
      {"older than a year", series({{500, -59}, {400, -56}, {0, -53}}), ""},
      {"a poor fit", series({{300, -59}, {200, -50}, {100, -58}, {0, -51}}), ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(TrendText(r.s, TrendOf(r.s, kNow), Language::kGerman), r.text);
  }
}

}  // namespace
}  // namespace korvane::history
