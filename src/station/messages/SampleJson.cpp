#include "station/messages/SampleJson.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace korvane::station {
namespace {

QString U(const std::string& text) { return QString::fromStdString(text); }

QString IsoUtcMillis(std::chrono::system_clock::time_point time) {
  const auto ms = std::chrono::floor<std::chrono::milliseconds>(time).time_since_epoch().count();
  return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

}  // namespace

std::string SampleJson(const bus::BusSample& s) {
  const bool live = s.state == bus::ModuleState::kLive;
  QJsonArray values;
  for (const bus::ChannelSample& c : s.channels) {
    // The number as the field's text shows it (7.02, not the float's 7.0199999...).
    QJsonValue value;
    if (const auto number = bus::ShownNumber(c); live && number && std::isfinite(*number)) value = *number;
    values.append(
        QJsonObject{{"name", live ? U(c.name) : QString()}, {"value", value}, {"unit", live ? U(c.unit) : QString()}});
  }
  const QJsonObject o{{"time", IsoUtcMillis(s.time)},
                      {"address", s.address},
                      {"type", s.type},
                      {"type_name", U(s.typeName)},
                      {"identity", U(s.identity)},
                      {"values", values},
                      {"calibration", U(s.calibration).trimmed()},
                      {"state", live ? "live" : "missing"}};
  return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace korvane::station
