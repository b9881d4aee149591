// Local times around the changes of the clock (in Berlin): printed with their offset from
// UTC on the days the clock changes, and a time the clock skips taken as the instant
// after the skip.
#include <QDateTime>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "CommandLine.h"
#include "history/Event.h"

namespace korvane::test {
namespace {

std::int64_t Utc(const char* iso) {
  return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toMSecsSinceEpoch();
}

TEST(HistoryTimes, AroundTheChangesOfTheClock) {
  const char* tz = std::getenv("TZ");
  const std::string before = tz ? tz : "";
  ::setenv("TZ", "Europe/Berlin", 1);
  ::tzset();
  const struct {
    const char* utc;
    const char* local;
  } printed[] = {
      {"2026-03-28T12:00:00Z", "2026-03-28 13:00:00"},        {"2026-03-29T00:30:00Z", "2026-03-29 01:30:00 +01:00"},
      {"2026-03-29T01:30:00Z", "2026-03-29 03:30:00 +02:00"}, {"2026-10-25T00:30:00Z", "2026-10-25 02:30:00 +02:00"},
      {"2026-10-25T01:30:00Z", "2026-10-25 02:30:00 +01:00"}, {"2026-10-26T08:00:00Z", "2026-10-26 09:00:00"},
  };
  for (const auto& r : printed) EXPECT_EQ(history::LocalText(Utc(r.utc)), r.local) << r.utc;
  const struct {
    const char* text;
    bool end;
    const char* utc;
  } parsed[] = {
      {"2026-03-29 02:30", false, "2026-03-29T01:00:00Z"}, {"2026-03-29 02:30", true, "2026-03-29T01:00:00Z"},
      {"2026-03-29 03:00", false, "2026-03-29T01:00:00Z"}, {"2026-03-29 01:59", true, "2026-03-29T01:00:00Z"},
      {"2026-10-25 02:30", false, "2026-10-25T00:30:00Z"},  // the first of the two
  };
  for (const auto& r : parsed) EXPECT_EQ(cli::ParseHistoryDate(r.text, r.end), Utc(r.utc)) << r.text << r.end;
  if (tz)
    ::setenv("TZ", before.c_str(), 1);
  else
    ::unsetenv("TZ");
  ::tzset();
}

}  // namespace
}  // namespace korvane::test
