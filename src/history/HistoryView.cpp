#include "history/HistoryView.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

#include "history/CalibrationDetails.h"
#include "history/Drift.h"
#include "history/HistoryTexts.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::history {
namespace {

using platform::Text;
using types::Family;

struct FamilyEntry {
  Family family;
  const char* key;
  Text name;
};
constexpr FamilyEntry kFamilies[] = {
    {Family::kPh, "ph", {"history", QT_TRANSLATE_NOOP("history", "pH")}},
    {Family::kRedox, "redox", {"history", QT_TRANSLATE_NOOP("history", "Redox")}},
    {Family::kConductivity2, "conductivity", {"history", QT_TRANSLATE_NOOP("history", "Leitfähigkeit (2 Elektroden)")}},
    {Family::kConductivity4,
     "conductivity-4",
     {"history", QT_TRANSLATE_NOOP("history", "Leitfähigkeit (4 Elektroden)")}},
    {Family::kConductivity4Tds,
     "conductivity-4-tds",
     {"history", QT_TRANSLATE_NOOP("history", "Leitfähigkeit (4 Elektroden, TDS)")}},
    {Family::kConductivityLow, "conductivity-low", {"history", QT_TRANSLATE_NOOP("history", "Leitfähigkeit 20 µS/cm")}},
    {Family::kOxygen, "oxygen", {"history", QT_TRANSLATE_NOOP("history", "Sauerstoff")}},
    {Family::kOpxOxygen, "oxygen-opx", {"history", QT_TRANSLATE_NOOP("history", "Sauerstoff (OPX)")}},
    {Family::kTurbidity, "turbidity", {"history", QT_TRANSLATE_NOOP("history", "Trübung")}},
    {Family::kLinear, "linear", {"history", QT_TRANSLATE_NOOP("history", "linear")}},
    {Family::kIse, "ise", {"history", QT_TRANSLATE_NOOP("history", "ISE")}},
    {Family::kChlorine, "chlorine", {"history", QT_TRANSLATE_NOOP("history", "freies Chlor")}},
    {Family::kChlorineWithPh, "chlorine-ph", {"history", QT_TRANSLATE_NOOP("history", "freies Chlor mit pH")}},
};

struct KindEntry {
  const char* kind;
  Text name;
};
constexpr KindEntry kKinds[] = {
    {kModuleKind, {"history", QT_TRANSLATE_NOOP("history", "Modul")}},
    {kCalibrationKind, {"history", QT_TRANSLATE_NOOP("history", "Kalibrierung")}},
    {kConfigReadKind, {"history", QT_TRANSLATE_NOOP("history", "Konfiguration gelesen")}},
    {kConfigWriteKind, {"history", QT_TRANSLATE_NOOP("history", "Konfiguration geschrieben")}},
    {kLoggerReadKind, {"history", QT_TRANSLATE_NOOP("history", "Datenlogger ausgelesen")}},
    {kLoggerClearKind, {"history", QT_TRANSLATE_NOOP("history", "Datenlogger gelöscht")}},
    {kClockSetKind, {"history", QT_TRANSLATE_NOOP("history", "Uhr gestellt")}},
    {kDisplayReadKind, {"history", QT_TRANSLATE_NOOP("history", "Anzeigeeinheit gelesen")}},
    {kDisplayWriteKind, {"history", QT_TRANSLATE_NOOP("history", "Anzeigeeinheit geschrieben")}},
    {kParametrizationKind, {"history", QT_TRANSLATE_NOOP("history", "Parametrierung")}},
    {kLiveKind, {"history", QT_TRANSLATE_NOOP("history", "Messung")}},
};
constexpr Text kUnknownKind{"history", QT_TRANSLATE_NOOP("history", "unbekannt: %1")};
constexpr Text kDetailPoint{"history", QT_TRANSLATE_NOOP("history", "Punkt %1")};
constexpr Text kPointValues{"history", QT_TRANSLATE_NOOP("history", "gemessen %1, Referenz %2, %3 °C")};
constexpr Text kResult{"history", QT_TRANSLATE_NOOP3("history", "Ergebnis", "kResult")};

std::string Csv(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string ValueText(const QJsonValue& v) {
  if (v.isString()) return v.toString().toStdString();
  if (v.isDouble()) return platform::StringPrintf("%g", v.toDouble());
  if (v.isBool()) return v.toBool() ? "1" : "0";
  if (v.isNull() || v.isUndefined()) return "-";
  return QJsonDocument(v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject()))
      .toJson(QJsonDocument::Compact)
      .toStdString();
}

}  // namespace

std::string FamilyKey(Family family) {
  for (const FamilyEntry& f : kFamilies)
    if (f.family == family) return f.key;
  return "other";
}

const std::vector<Family>& CalibratedFamilies() {
  static const std::vector<Family> families = [] {
    std::vector<Family> v;
    for (const FamilyEntry& f : kFamilies) v.push_back(f.family);
    return v;
  }();
  return families;
}

std::string FamilyName(Family family, Language language) {
  for (const FamilyEntry& f : kFamilies)
    if (f.family == family) return Tr(language, f.name);
  return "-";
}

int CalibrationIntervals::For(Family family) const {
  const auto it = days.find(family);
  return it == days.end() ? kDefaultCalibrationIntervalDays : it->second;
}

ModuleRow RowOf(const KnownModule& m, const CalibrationIntervals& intervals, std::int64_t nowMs, Language language) {
  ModuleRow row;
  row.module = m;
  row.typeName = m.type > 0 ? types::TypeName(m.type - 1, language) : "-";
  const Family family = types::MeasurementType(m.type - 1).family();
  row.intervalDays = intervals.For(family);
  // Only a calibration saved to the module renews it.
  if (m.lastSavedCalibrationMs > 0)
    row.daysSinceCalibration = static_cast<int>((nowMs - m.lastSavedCalibrationMs) / kDayMs);
  // A display module or a free place has nothing to calibrate.
  const bool calibrated =
      std::find(CalibratedFamilies().begin(), CalibratedFamilies().end(), family) != CalibratedFamilies().end();
  row.due = calibrated && (!row.daysSinceCalibration || *row.daysSinceCalibration >= row.intervalDays);
  return row;
}

std::vector<Event> Shown(const std::vector<Event>& oldestFirst, const ViewFilter& f) {
  std::vector<Event> shown;
  for (auto it = oldestFirst.rbegin(); it != oldestFirst.rend(); ++it) {
    if (f.sinceMs && it->timeMs < *f.sinceMs) continue;
    if (f.untilMs && it->timeMs >= *f.untilMs) continue;
    if (!f.kinds.empty() && std::find(f.kinds.begin(), f.kinds.end(), it->kind) == f.kinds.end()) continue;
    shown.push_back(*it);
  }
  return shown;
}

const std::vector<std::string>& KnownKinds() {
  static const std::vector<std::string> kinds = [] {
    std::vector<std::string> v;
    for (const KindEntry& k : kKinds) v.emplace_back(k.kind);
    return v;
  }();
  return kinds;
}

bool IsKnownKind(const std::string& kind) {
  return std::find(KnownKinds().begin(), KnownKinds().end(), kind) != KnownKinds().end();
}

std::string KindName(const std::string& kind, Language language) {
  for (const KindEntry& k : kKinds)
    if (kind == k.kind) return Tr(language, k.name);
  return platform::Fill(Tr(language, kUnknownKind), ShownIdentity(kind));
}

QJsonObject EventJson(const Event& e) {
  return {{"seq", static_cast<qint64>(e.seq)},
          {"time", QString::fromStdString(UtcText(e.timeMs))},
          {"identity", QString::fromStdString(e.identity)},
          {"address", e.address},
          {"type", e.type},
          {"device_kind", e.deviceKind},
          {"firmware", QString::fromStdString(e.firmware)},
          {"kind", QString::fromStdString(e.kind)},
          {"details", e.details},
          {"technician", QString::fromStdString(e.technician)},
          {"host", QString::fromStdString(e.host)},
          {"program", QString::fromStdString(e.program)},
          {"hash", QString::fromStdString(e.hash)}};
}

std::string EventsCsv(const std::vector<Event>& events, Language language) {
  std::string csv = "time,identity,address,type,kind,technician,summary,hash\r\n";
  for (const Event& e : events) {
    csv += Csv(UtcText(e.timeMs)) + ',' + Csv(e.identity) + ',' + std::to_string(e.address) + ',' +
           std::to_string(e.type) + ',' + Csv(e.kind) + ',' + Csv(e.technician) + ',' + Csv(Summary(e, language)) +
           ',' + Csv(e.hash) + "\r\n";
  }
  return csv;
}

std::string EventsJsonLines(const std::vector<Event>& events) {
  std::string lines;
  for (const Event& e : events)
    lines += QJsonDocument(EventJson(e)).toJson(QJsonDocument::Compact).toStdString() + '\n';
  return lines;
}

std::vector<DetailRow> DetailRows(const Event& e, Language language) {
  std::vector<DetailRow> rows;
  if (!IsKnownKind(e.kind)) return rows;
  const QJsonObject& d = e.details;
  if (e.kind == kConfigWriteKind || e.kind == kDisplayWriteKind) {
    for (const QJsonValue& c : d.value("changed").toArray())
      rows.push_back({ValueText(c["key"]), ValueText(c["before"]), ValueText(c["after"])});
    return rows;
  }
  if (e.kind == kCalibrationKind) {
    int n = 0;
    for (const QJsonValue& p : d.value("points").toArray()) {
      rows.push_back({platform::Fill(Tr(language, kDetailPoint), ++n),
                      platform::Fill(Tr(language, kPointValues), ValueText(p["captured"]), ValueText(p["reference"]),
                                     ValueText(p["temperature"])),
                      ""});
      if (std::string figures = PointFiguresText(p.toObject(), language); !figures.empty())
        rows.push_back({"", figures, ""});
    }
    const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
    for (int k = 1; k <= 4 && k <= before.size() && k <= after.size(); ++k) {
      std::string label = e.type > 0 ? types::CalibrationLabel(e.type - 1, k, language) : std::string();
      if (label.empty()) label = "K" + std::to_string(k);
      rows.push_back({label, ValueText(before[k - 1]), ValueText(after[k - 1])});
    }
    rows.push_back({Tr(language, kResult), Summary(e, language), ""});
    return rows;
  }
  if (e.kind == kConfigReadKind || e.kind == kDisplayReadKind) {
    const QJsonObject fields = d.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
      rows.push_back({it.key().toStdString(), ValueText(*it), ""});
    return rows;
  }
  for (auto it = d.begin(); it != d.end(); ++it) rows.push_back({it.key().toStdString(), ValueText(*it), ""});
  return rows;
}

}  // namespace korvane::history
