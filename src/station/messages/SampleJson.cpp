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

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string UnitText(const std::string& unit) { return Trimmed(unit); }

std::string CalibrationText(const std::string& statusLine) {
  // Only the first value is listed without a label; the line gives "label: value" pairs
  // two blanks apart.
  std::string line = statusLine;
  if (line.starts_with(": ")) {
    const auto next = line.find("  ");
    line = next == std::string::npos ? std::string() : line.substr(next + 2);
  }
  return Trimmed(line);
}

std::string SampleJson(const bus::BusSample& s, ModuleStatus status) {
  // A module in service that answered keeps its values: only the state marks them.
  const bool live =
      status == ModuleStatus::kLive || (status == ModuleStatus::kService && s.state == bus::ModuleState::kLive);
  QJsonArray values;
  for (const bus::ChannelSample& c : s.channels) {
    // The number as the field's text shows it (7.02, not the float's 7.0199999...).
    QJsonValue value;
    if (const auto number = bus::ShownNumber(c); live && number && std::isfinite(*number)) value = *number;
    values.append(QJsonObject{
        {"name", live ? U(c.name) : QString()}, {"value", value}, {"unit", live ? U(UnitText(c.unit)) : QString()}});
  }
  const QJsonObject o{{"time", IsoUtcMillis(s.time)},
                      {"address", s.address},
                      {"type", s.type},
                      {"type_name", U(s.typeName)},
                      {"identity", U(s.identity)},
                      {"values", values},
                      {"calibration", U(CalibrationText(s.calibration))},
                      {"state", StatusWord(status)}};
  return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace korvane::station
