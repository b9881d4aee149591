#include "history/Event.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QTimeZone>

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
  return QDateTime::fromMSecsSinceEpoch(timeMs).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

}  // namespace korvane::history
