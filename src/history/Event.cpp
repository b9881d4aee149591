#include "history/Event.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QTimeZone>

#include <cstdio>
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

std::string LocalText(std::int64_t timeMs) {
  // The C library's conversion: a listing of many events spends its time elsewhere.
  const std::time_t seconds = static_cast<std::time_t>(timeMs >= 0 ? timeMs / 1000 : (timeMs - 999) / 1000);
  std::tm t{};
  if (!::localtime_r(&seconds, &t)) return "?";
  char text[80];  // room for any int the fields could hold
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

}  // namespace korvane::history
