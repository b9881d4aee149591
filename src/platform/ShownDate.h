#pragma once
// Dates and times that no file format fixes, as the language's locale writes them, with
// the year in full ("31.03.2026", "31/03/2026").
#include <QDateTime>
#include <QString>

#include "platform/Language.h"

namespace korvane::platform {

// The locale's short date format with a four-digit year: "dd.MM.yyyy", "dd/MM/yyyy".
QString DateFormat(Language language);
// Day and month without the year, for a time axis: "dd.MM.", "dd/MM".
QString DayMonthFormat(Language language);

QString ShownDate(const QDate& date, Language language);
// Date and minutes: "31.03.2026 14:05".
QString ShownDateTime(const QDateTime& time, Language language);
// A record's "yyyy-MM-dd HH:mm:ss" as the language writes it, to the second; a text that
// is no such time as it stands.
QString ShownRecordTime(const QString& recorded, Language language);

}  // namespace korvane::platform
