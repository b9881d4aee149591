// Local times around the changes of the clock: printed with their offset from UTC on the
// days the clock changes, and a --since in the hour the clock skips taken as the instant
// after it.
#include <QDateTime>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "CommandLine.h"
#include "history/Event.h"

namespace korvane::test {
namespace {

class InBerlin : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    if (tz) before_ = tz;
    had_ = tz != nullptr;
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
  }
  void TearDown() override {
    if (had_)
      ::setenv("TZ", before_.c_str(), 1);
    else
      ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::string before_;
  bool had_ = false;
};

std::int64_t Utc(const char* iso) {
  return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toMSecsSinceEpoch();
}

TEST_F(InBerlin, LocalTimesCarryTheirOffsetOnTheDaysTheClockChanges) {
  const struct {
    const char* utc;
    const char* local;
  } rows[] = {
      {"2026-03-28T12:00:00Z", "2026-03-28 13:00:00"},
      {"2026-03-29T00:30:00Z", "2026-03-29 01:30:00 +01:00"},
      {"2026-03-29T01:30:00Z", "2026-03-29 03:30:00 +02:00"},
      {"2026-10-25T00:30:00Z", "2026-10-25 02:30:00 +02:00"},
      {"2026-10-25T01:30:00Z", "2026-10-25 02:30:00 +01:00"},
      {"2026-10-26T08:00:00Z", "2026-10-26 09:00:00"},
  };
  for (const auto& r : rows) EXPECT_EQ(history::LocalText(Utc(r.utc)), r.local) << r.utc;
}

TEST_F(InBerlin, ATimeTheClockSkipsIsTheInstantAfterTheSkip) {
  const struct {
    const char* text;
    bool end;
    const char* utc;
  } rows[] = {
      {"2026-03-29 02:30", false, "2026-03-29T01:00:00Z"},
      {"2026-03-29 02:30", true, "2026-03-29T01:00:00Z"},
      {"2026-03-29 03:00", false, "2026-03-29T01:00:00Z"},
      {"2026-03-29 01:59", true, "2026-03-29T01:00:00Z"},
      {"2026-10-25 02:30", false, "2026-10-25T00:30:00Z"},  // the first of the two
  };
  for (const auto& r : rows) {
    const std::optional<std::int64_t> at = cli::ParseHistoryDate(r.text, r.end);
    ASSERT_TRUE(at) << r.text;
    EXPECT_EQ(*at, Utc(r.utc)) << r.text << (r.end ? " (end)" : "");
  }
}

}  // namespace
}  // namespace korvane::test
