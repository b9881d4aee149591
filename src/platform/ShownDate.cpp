#include "platform/ShownDate.h"

#include <QLocale>

namespace korvane::platform {
namespace {

QLocale LocaleOf(Language language) { return QLocale(QString::fromLatin1(InfoOf(language).locale)); }

}  // namespace

QString DateFormat(Language language) {
  QString format = LocaleOf(language).dateFormat(QLocale::ShortFormat);
  // Short formats may give the year in two digits ("dd.MM.yy"); a record needs all four.
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

QString DayMonthFormat(Language language) {
  QString format = DateFormat(language);
  const qsizetype year = format.indexOf(QLatin1String("yyyy"));
  if (year < 0) return format;
  format.remove(year, 4);
  // "dd/MM/" loses its separator; German's "dd.MM." keeps the ordinal dot.
  if (format.endsWith(QLatin1Char('/')) || format.endsWith(QLatin1Char('-'))) format.chop(1);
  if (format.startsWith(QLatin1Char('/')) || format.startsWith(QLatin1Char('-'))) format.remove(0, 1);
  return format;
}

QString ShownDate(const QDate& date, Language language) { return date.toString(DateFormat(language)); }

QString ShownDateTime(const QDateTime& time, Language language) {
  return time.toString(DateFormat(language) + QLatin1Char(' ') + LocaleOf(language).timeFormat(QLocale::ShortFormat));
}

QString ShownRecordTime(const QString& recorded, Language language) {
  const QDateTime time = QDateTime::fromString(recorded, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  if (!time.isValid()) return recorded;
  return time.toString(DateFormat(language) + QStringLiteral(" HH:mm:ss"));
}

}  // namespace korvane::platform
