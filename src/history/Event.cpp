#include "history/Event.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "history/CanonicalJson.h"

namespace korvane::history {

std::string EventText(const Event& e) { return EventText(e, CanonicalJson(e.details)); }

std::string EventText(const Event& e, const std::string& canonicalDetails) {
  // The keys in their canonical (sorted) order.
  std::string t;
  t.reserve(canonicalDetails.size() + 256);
  t += "{\"address\":" + std::to_string(e.address);
  t += ",\"details\":" + canonicalDetails;
  t += ",\"device_kind\":" + std::to_string(e.deviceKind);
  t += ",\"firmware\":" + CanonicalString(e.firmware);
  t += ",\"host\":" + CanonicalString(e.host);
  t += ",\"identity\":" + CanonicalString(e.identity);
  t += ",\"kind\":" + CanonicalString(e.kind);
  t += ",\"previous\":" + CanonicalString(e.previous);
  t += ",\"program\":" + CanonicalString(e.program);
  t += ",\"technician\":" + CanonicalString(e.technician);
  t += ",\"time\":" + std::to_string(e.timeMs);
  t += ",\"type\":" + std::to_string(e.type) + "}";
  return t;
}

std::string TextHash(const std::string& text) {
  return QCryptographicHash::hash(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())),
                                  QCryptographicHash::Sha256)
      .toHex()
      .toStdString();
}

std::string EventHash(const Event& e) { return TextHash(EventText(e)); }

std::string UtcText(std::int64_t timeMs) {
  return QDateTime::fromMSecsSinceEpoch(timeMs, QTimeZone::utc())
      .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"))
      .toStdString();
}

namespace {

std::time_t Seconds(std::int64_t timeMs) {
  return static_cast<std::time_t>(timeMs >= 0 ? timeMs / 1000 : (timeMs - 999) / 1000);
}

// Whether the local day of t has two offsets from UTC; the last day asked is kept, as
// a listing asks for the same day many times.
bool OffsetChangesOn(const std::tm& t) {
  thread_local int year = -1, day = -1;
  thread_local bool changes = false;
  if (t.tm_year == year && t.tm_yday == day) return changes;
  std::tm start{}, end{};
  start.tm_year = end.tm_year = t.tm_year;
  start.tm_mon = end.tm_mon = t.tm_mon;
  start.tm_mday = t.tm_mday;
  end.tm_mday = t.tm_mday + 1;
  start.tm_isdst = end.tm_isdst = -1;
  const std::time_t a = std::mktime(&start), b = std::mktime(&end);
  std::tm at{}, bt{};
  changes = a != -1 && b != -1 && ::localtime_r(&a, &at) && ::localtime_r(&b, &bt) && at.tm_gmtoff != bt.tm_gmtoff;
  year = t.tm_year;
  day = t.tm_yday;
  return changes;
}

std::string Offset(const std::tm& t) {
  const long minutes = t.tm_gmtoff / 60;
  char text[48];
  std::snprintf(text, sizeof text, " %c%02ld:%02ld", minutes < 0 ? '-' : '+', std::labs(minutes) / 60,
                std::labs(minutes) % 60);
  return text;
}

}  // namespace

std::string ChangeDayOffset(std::int64_t timeMs) {
  const std::time_t seconds = Seconds(timeMs);
  std::tm t{};
  if (!::localtime_r(&seconds, &t) || !OffsetChangesOn(t)) return {};
  return Offset(t);
}

std::string LocalText(std::int64_t timeMs) {
  // The C library's conversion: a listing of many events spends its time elsewhere.
  const std::time_t seconds = Seconds(timeMs);
  std::tm t{};
  if (!::localtime_r(&seconds, &t)) return "?";
  char text[80];  // room for any int the fields could hold
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return OffsetChangesOn(t) ? text + Offset(t) : std::string(text);
}

}  // namespace korvane::history
