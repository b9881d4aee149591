// Dates no file format fixes: each language's locale with the year in full, German as
// the program always wrote it.
#include <gtest/gtest.h>

#include "platform/ShownDate.h"

namespace korvane::platform {
namespace {

TEST(ShownDate, EachLanguageWritesItsOwnDatesWithTheYearInFull) {
  const QDateTime time(QDate(2026, 3, 9), QTime(14, 5, 33));
  const struct {
    Language language;
    const char* dateTime;
    const char* dayMonth;  // the format of a time axis over hours
  } rows[] = {
      {Language::kGerman, "09.03.2026 14:05", "dd.MM."},
      {Language::kEnglish, "09/03/2026 14:05", "dd/MM"},
      {Language::kFrench, "09/03/2026 14:05", "dd/MM"},
      {LanguageFromSetting(7), "09.03.2026 14:05", "dd.MM."},  // a digit no language has: German
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(SettingOf(r.language));
    EXPECT_EQ(ShownDateTime(time, r.language), r.dateTime);
    EXPECT_EQ(ShownDate(time.date(), r.language), QString::fromLatin1(r.dateTime).left(10));
    EXPECT_EQ(DayMonthFormat(r.language), r.dayMonth);
  }
}

}  // namespace
}  // namespace korvane::platform
