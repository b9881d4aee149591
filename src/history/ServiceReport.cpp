#include "history/ServiceReport.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <map>

#include "history/CalibrationDetails.h"
#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "history/ReportPager.h"
#include "platform/ShownDate.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::Text;

constexpr Text kSite{"history", QT_TRANSLATE_NOOP("history", "Anlage: %1")};
constexpr Text kMadeBy{"history", QT_TRANSLATE_NOOP("history", "Erstellt von: %1")};
constexpr Text kMade{"history", QT_TRANSLATE_NOOP("history", "Erstellt: %1")};
constexpr Text kSpan{"history", QT_TRANSLATE_NOOP("history", "Zeitraum: %1 bis %2")};
constexpr Text kProgram{"history", QT_TRANSLATE_NOOP("history", "Programm: %1")};
constexpr Text kModule{"history", QT_TRANSLATE_NOOP("history", "Modul %1: %2, Adresse %3, Geräteart %4, Firmware %5")};
constexpr Text kDisplayUnit{"history", QT_TRANSLATE_NOOP("history", "Anzeigeeinheit")};
constexpr Text kNoModule{"history", QT_TRANSLATE_NOOP("history", "Kein Modul antwortete an Adresse %1")};
constexpr Text kFoundLeft{"history", QT_TRANSLATE_NOOP("history", "Wie vorgefunden und wie verlassen (* geändert)")};
constexpr Text kField{"history", QT_TRANSLATE_NOOP("history", "Feld")};
constexpr Text kFound{"history", QT_TRANSLATE_NOOP("history", "vorgefunden")};
constexpr Text kLeft{"history", QT_TRANSLATE_NOOP("history", "verlassen")};
constexpr Text kLiveTitle{"history", QT_TRANSLATE_NOOP("history", "Messwerte")};
constexpr Text kCalibrationTitle{"history", QT_TRANSLATE_NOOP("history", "Kalibrierung %1, %2 (%3): %4")};
constexpr Text kValue{"history", QT_TRANSLATE_NOOP("history", "Wert")};
constexpr Text kBefore{"history", QT_TRANSLATE_NOOP("history", "vorher")};
constexpr Text kAfter{"history", QT_TRANSLATE_NOOP("history", "nachher")};
constexpr Text kPoint{"history", QT_TRANSLATE_NOOP("history", "Punkt %1: gemessen %2, Referenz %3, %4 °C")};
constexpr Text kPassed{"history", QT_TRANSLATE_NOOP("history", "bestanden")};
constexpr Text kNotPlausible{"history", QT_TRANSLATE_NOOP("history", "nicht plausibel")};
constexpr Text kSaved{"history", QT_TRANSLATE_NOOP("history", "gespeichert")};
constexpr Text kNotSaved{"history", QT_TRANSLATE_NOOP("history", "nicht gespeichert")};
constexpr Text kCalibrationValue{"history", QT_TRANSLATE_NOOP("history", "Kalibrierwert %1")};
constexpr Text kWrites{"history", QT_TRANSLATE_NOOP3("history", "Konfiguration geschrieben", "kWrites")};
constexpr Text kReadouts{"history", QT_TRANSLATE_NOOP("history", "Datenlogger")};
constexpr Text kClocks{"history", QT_TRANSLATE_NOOP("history", "Uhr")};
constexpr Text kDisplayChanges{"history", QT_TRANSLATE_NOOP3("history", "Anzeigeeinheit", "kDisplayChanges")};
constexpr Text kOthers{"history", QT_TRANSLATE_NOOP("history", "Weitere Vorgänge")};
constexpr Text kNoEvents{"history", QT_TRANSLATE_NOOP("history", "Keine Ereignisse im Zeitraum.")};
constexpr Text kIntact{"history", QT_TRANSLATE_NOOP("history", "Verlauf unverändert")};
constexpr Text kCovers{"history", QT_TRANSLATE_NOOP("history", " (Ereignisse %1 bis %2, Kopf %3:%4 [1])")};
constexpr Text kHeadNote{"history", QT_TRANSLATE_NOOP("history", "[1] Kopf %1: %2")};
constexpr Text kTechnicianSignature{"history", QT_TRANSLATE_NOOP("history", "Unterschrift Techniker")};
constexpr Text kCustomerSignature{"history", QT_TRANSLATE_NOOP("history", "Unterschrift Kunde")};

std::string Time(std::int64_t ms, Language l) {
  return platform::ShownDateTime(QDateTime::fromMSecsSinceEpoch(ms), l).toStdString() + ChangeDayOffset(ms);
}

std::string Text(const QJsonValue& v) {
  if (v.isString()) return v.toString().toStdString();
  if (v.isDouble()) return StringPrintf("%g", v.toDouble());
  if (v.isBool()) return v.toBool() ? "1" : "0";
  return "-";
}

// Two texts of one value: the same text, or the same number ("-0.40" and "-0.4").
bool Same(const std::string& a, const std::string& b) {
  if (a == b) return true;
  const auto x = platform::NumberEntryText(a), y = platform::NumberEntryText(b);
  return x && y && platform::ToDouble(*x) == platform::ToDouble(*y);
}

// The name of calibration value n (1..4) of a type: the configuration's field name where
// the report has one, so both tables name it alike.
std::string CalibrationName(const ReportInput& in, int type, int n) {
  const std::string& key = in.calibrationKeys[static_cast<std::size_t>(n - 1)];
  if (in.fieldLabel && !key.empty())
    if (std::string label = in.fieldLabel(key, type); !label.empty()) return label;
  std::string label = type > 0 ? types::CalibrationLabel(type - 1, n, in.language) : std::string();
  return label.empty() ? platform::Fill(Tr(in.language, kCalibrationValue), n) : label;
}

CalibrationEntry CalibrationOf(const Event& e, const ReportInput& in) {
  const Language l = in.language;
  const QJsonObject& d = e.details;
  CalibrationEntry c;
  c.timeMs = e.timeMs;
  c.technician = e.technician;
  c.procedure = ProcedureName(d.value("procedure").toString().toStdString(), l);
  c.passed = d.value("plausible").toBool();
  c.saved = d.value("outcome").toString() == QLatin1String("saved");
  int n = 0;
  for (const QJsonValue& p : d.value("points").toArray()) {
    c.points.push_back(
        platform::Fill(Tr(l, kPoint), ++n, Text(p["captured"]), Text(p["reference"]), Text(p["temperature"])));
    if (std::string figures = PointFiguresText(p.toObject(), l); !figures.empty()) c.points.push_back("    " + figures);
  }
  const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
  for (int k = 1; k <= 4 && k <= before.size() && k <= after.size(); ++k) {
    // A value the type does not have, and that nothing changed, says nothing.
    const bool named = e.type > 0 && !types::CalibrationLabel(e.type - 1, k, l).empty();
    if (!named && before[k - 1].toDouble() == after[k - 1].toDouble()) continue;
    std::string label = CalibrationName(in, e.type, k);
    std::string unit = e.type > 0 ? types::CalibrationUnit(e.type - 1, k) : std::string();
    if (unit == "%%/K") unit = "%/K";
    if (!unit.empty()) label += " (" + unit + ")";
    c.values.push_back({label, Text(before[k - 1]), Text(after[k - 1])});
  }
  return c;
}

std::vector<FoundLeft> LiveRows(const QJsonObject& firstLive, const QJsonObject& lastLive, int type, Language l) {
  std::vector<FoundLeft> rows;
  if (firstLive.isEmpty()) return rows;
  const int typeIndex = type - 1;
  const QJsonArray first = firstLive.value("values").toArray(), last = lastLive.value("values").toArray();
  for (int c = 1; c <= 6 && c <= first.size() && c <= last.size(); ++c) {
    std::string label = types::ChannelLabel(typeIndex, c, l);
    if (label.empty()) continue;
    const std::string unit = c == 6 ? "°C" : types::ChannelUnit(typeIndex, c);
    const int decimals = c == 6 ? 1 : types::ChannelDecimals(typeIndex, c);
    const auto shown = [&](const QJsonValue& v) -> std::string {
      if (!v.isDouble()) return "-";  // not answered
      return StringPrintf("%.*f", decimals, v.toDouble()) + (unit.empty() || unit == " " ? "" : " " + unit);
    };
    // Readings move: they are shown as found and as left, never as a change.
    rows.push_back({label, shown(first[c - 1]), shown(last[c - 1]), false});
  }
  return rows;
}

}  // namespace

// Found and left fields by key, in the order first met.
class VisitCollector::Fields {
 public:
  // A read: the field as found, unless the visit met it before; as left in any case.
  void Seen(const std::string& key, const std::string& value) { At(key, value).left = value; }
  void Changed(const std::string& key, const std::string& before, const std::string& after) {
    At(key, before).left = after;
  }
  std::vector<FoundLeft> rows;

 private:
  FoundLeft& At(const std::string& key, const std::string& found) {
    const auto it = index_.find(key);
    if (it != index_.end()) return rows[it->second];
    index_[key] = rows.size();
    rows.push_back({key, found, found, false});
    return rows.back();
  }
  std::map<std::string, std::size_t> index_;
};

struct VisitCollector::Building {
  ModuleVisit visit;
  Fields fields;
  QJsonObject firstLive, lastLive;
  int liveType = 0;
};

VisitCollector::VisitCollector(const ReportInput& input) : input_(input) {}
VisitCollector::~VisitCollector() = default;

void VisitCollector::Add(const Event& e) {
  // The display unit has no identity of its own; modules that did not tell theirs are
  // kept apart by their address.
  const std::string key = e.identity.empty() ? "\x01" + std::to_string(e.address) : e.identity;
  auto it = index_.find(key);
  if (it == index_.end()) {
    it = index_.emplace(key, building_.size()).first;
    building_.emplace_back();
    building_.back().visit.identity = e.identity;
  }
  Building& b = building_[it->second];
  ModuleVisit& v = b.visit;
  if (e.address >= 0) v.address = e.address;
  if (e.type > 0) v.type = e.type;
  if (e.deviceKind >= 0) v.deviceKind = e.deviceKind;
  if (!e.firmware.empty()) v.firmware = e.firmware;
  const Language l = input_.language;
  const QJsonObject& d = e.details;
  if (d.value("module_answered") != QJsonValue(false)) v.answered = true;
  const auto seenAll = [&](const QJsonObject& fields) {
    for (auto f = fields.begin(); f != fields.end(); ++f) b.fields.Seen(f.key().toStdString(), Text(*f));
  };
  const auto action = [&] {
    const int type = e.type;
    const FieldName name = [this, type](const std::string& k) {
      return input_.fieldLabel ? input_.fieldLabel(k, type) : std::string();
    };
    // A kind of a newer program is named as such, without its details.
    return Action{e.timeMs, e.technician, IsKnownKind(e.kind) ? Summary(e, l, name) : KindName(e.kind, l)};
  };
  if (e.kind == kModuleKind || e.kind == kDisplayReadKind) return;
  if (e.kind == kConfigReadKind) return seenAll(d.value("fields").toObject());
  if (e.kind == kConfigWriteKind) {
    seenAll(d.value("found").toObject());
    for (const QJsonValue& c : d.value("changed").toArray())
      b.fields.Changed(Text(c["key"]), Text(c["before"]), Text(c["after"]));
    return v.writes.push_back(action());
  }
  if (e.kind == kLiveKind) {
    if (b.firstLive.isEmpty()) b.firstLive = d.value("first").toObject();
    b.lastLive = d.value("last").toObject();
    if (e.type > 0) b.liveType = e.type;
    return;
  }
  if (e.kind == kCalibrationKind) {
    // A saved calibration changes calibration values 1..4 as a write would.
    if (d.value("outcome").toString() == QLatin1String("saved")) {
      const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
      for (int n = 0; n < 4 && n < before.size() && n < after.size(); ++n) {
        const std::string& field = input_.calibrationKeys[static_cast<std::size_t>(n)];
        if (!field.empty() && before[n].toDouble() != after[n].toDouble())
          b.fields.Changed(field, Text(before[n]), Text(after[n]));
      }
    }
    return v.calibrations.push_back(CalibrationOf(e, input_));
  }
  if (e.kind == kLoggerReadKind || e.kind == kLoggerClearKind) return v.readouts.push_back(action());
  if (e.kind == kClockSetKind) return v.clocks.push_back(action());
  if (e.kind == kDisplayWriteKind) return v.displayChanges.push_back(action());
  v.others.push_back(action());
}

std::vector<ModuleVisit> VisitCollector::Finish(const std::function<std::string(const std::string&)>& trendOf) {
  std::vector<ModuleVisit> visits;
  for (Building& b : building_) {
    b.visit.configuration = std::move(b.fields.rows);
    const ReportInput& in = input_;
    if (in.fieldRank)
      std::stable_sort(
          b.visit.configuration.begin(), b.visit.configuration.end(),
          [&](const FoundLeft& x, const FoundLeft& y) { return in.fieldRank(x.label) < in.fieldRank(y.label); });
    for (FoundLeft& f : b.visit.configuration) {
      f.changed = !Same(f.found, f.left);
      if (in.fieldLabel)
        if (std::string label = in.fieldLabel(f.label, b.visit.type); !label.empty()) f.label = label;
    }
    b.visit.live = LiveRows(b.firstLive, b.lastLive, b.liveType, in.language);
    if (trendOf && !b.visit.identity.empty()) b.visit.trend = trendOf(b.visit.identity);
    visits.push_back(std::move(b.visit));
  }
  building_.clear();
  index_.clear();
  return visits;
}

std::vector<ModuleVisit> VisitsOf(const std::vector<Event>& events, const ReportInput& input,
                                  const std::function<std::string(const std::string&)>& trendOf) {
  VisitCollector collector(input);
  for (const Event& e : events) collector.Add(e);
  return collector.Finish(trendOf);
}

namespace {

std::string ModuleLine(const ModuleVisit& v, Language l) {
  if (v.identity.empty() && v.address == 128) return Tr(l, kDisplayUnit);
  if (v.identity.empty() && !v.answered) return platform::Fill(Tr(l, kNoModule), v.address);
  return platform::Fill(Tr(l, kModule), ShownIdentity(v.identity), v.type > 0 ? types::TypeName(v.type - 1, l) : "-",
                        v.address, v.deviceKind >= 0 ? std::to_string(v.deviceKind) : "-",
                        v.firmware.empty() ? "-" : v.firmware);
}

ReportTable FoundLeftTable(const std::vector<FoundLeft>& rows, const std::string& first, Language l) {
  ReportTable t{{0, 20, 500, 750}, {"", first, Tr(l, kFound), Tr(l, kLeft)}, {}};
  for (const FoundLeft& f : rows) t.rows.push_back({f.changed ? "*" : "", f.label, f.found, f.left});
  return t;
}

void Calibration(ReportPager& p, const CalibrationEntry& c, Language l) {
  const std::string verdict = std::string(c.passed ? Tr(l, kPassed) : Tr(l, kNotPlausible)) + ", " +
                              (c.saved ? Tr(l, kSaved) : Tr(l, kNotSaved));
  ReportTable t{{20, 500, 750}, {Tr(l, kValue), Tr(l, kBefore), Tr(l, kAfter)}, {}};
  for (const auto& [name, before, after] : c.values) t.rows.push_back({name, before, after});
  p.Line(platform::Fill(Tr(l, kCalibrationTitle), Time(c.timeMs, l), c.procedure,
                        c.technician.empty() ? "-" : c.technician, verdict),
         static_cast<int>(c.points.size()) + ReportPager::Start(t));
  for (const std::string& point : c.points) p.Line(point);
  p.Table(t);
}

void Actions(ReportPager& p, const std::string& title, const std::vector<Action>& actions, Language l) {
  if (actions.empty()) return;
  p.Line(title, 1);
  for (const Action& a : actions)
    p.Line("  " + Time(a.timeMs, l) + "  " + (a.technician.empty() ? "-" : a.technician) + "  " + a.text);
}

void Emit(ReportPager& p, const ReportInput& in, const std::vector<ModuleVisit>& visits) {
  const Language l = in.language;
  p.Line(Tr(l, kReportTitle));
  p.Gap();
  p.Line(platform::Fill(Tr(l, kSite), in.site.empty() ? "-" : in.site));
  p.Line(platform::Fill(Tr(l, kMadeBy), in.technician.empty() ? "-" : in.technician));
  p.Line(platform::Fill(Tr(l, kMade), Time(in.nowMs, l)));
  p.Line(platform::Fill(Tr(l, kSpan), Time(in.sinceMs, l), Time(in.untilMs, l)));
  p.Line(platform::Fill(Tr(l, kProgram), in.program));
  p.Gap();
  const ReportChain& c = in.chain;
  if (visits.empty()) {
    p.Line(Tr(l, kNoEvents));
    // A history emptied or cut back has no events in the span either: that is no visit
    // without work, and the report says so.
    if (c.problem) p.Line(*c.problem);
    return;
  }
  for (const ModuleVisit& v : visits) {
    p.Gap();
    std::vector<ReportTable> tables;
    if (!v.configuration.empty()) tables.push_back(FoundLeftTable(v.configuration, Tr(l, kField), l));
    if (!v.live.empty()) tables.push_back(FoundLeftTable(v.live, Tr(l, kLiveTitle), l));
    // A heading stays with the start of what it heads.
    const int first = tables.empty() ? 0 : ReportPager::Start(tables[0]);
    p.Line(ModuleLine(v, l), tables.empty() ? 2 : 1 + first);
    if (!tables.empty()) {
      p.Line(Tr(l, kFoundLeft), first);
      for (const ReportTable& t : tables) p.Table(t);
    }
    Actions(p, Tr(l, kWrites), v.writes, l);
    for (const CalibrationEntry& c : v.calibrations) Calibration(p, c, l);
    if (!v.trend.empty()) p.Line(v.trend);
    Actions(p, Tr(l, kReadouts), v.readouts, l);
    Actions(p, Tr(l, kClocks), v.clocks, l);
    Actions(p, Tr(l, kDisplayChanges), v.displayChanges, l);
    Actions(p, Tr(l, kOthers), v.others, l);
  }
  p.Gap();
  const std::string covers =
      platform::Fill(Tr(l, kCovers), static_cast<long long>(c.firstSeq), static_cast<long long>(c.lastSeq),
                     static_cast<long long>(c.head.seq), ShortHash(c.head.hash));
  p.Line((c.problem ? *c.problem : std::string(Tr(l, kIntact))) + covers);
  p.Signatures(Tr(l, kTechnicianSignature), Tr(l, kCustomerSignature));
  p.Gap();
  p.Line(platform::Fill(Tr(l, kHeadNote), static_cast<long long>(c.head.seq), c.head.hash));
}

}  // namespace

bool LayoutReport(platform::PageTarget& page, const ReportInput& input, const std::vector<ModuleVisit>& visits) {
  // Once to count the pages, once to draw them with their count.
  ReportPager counting(page, input.language, 0);
  Emit(counting, input, visits);
  ReportPager drawing(page, input.language, counting.Finish());
  Emit(drawing, input, visits);
  drawing.Finish();
  return page.End();
}

std::optional<std::string> ChainProblem(const Verification& v, Language language) {
  if (v.intact()) return std::nullopt;
  return VerificationText(v, language);
}

}  // namespace korvane::history
