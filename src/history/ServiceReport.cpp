#include "history/ServiceReport.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <map>

#include "history/CalibrationDetails.h"
#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "history/ReportPager.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"
#include "types/Catalogue.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kHeading{"Servicebericht", "Service report"};
constexpr TextPair kSite{"Anlage: %s", "Site: %s"};
constexpr TextPair kMadeBy{"Erstellt von: %s", "Made by: %s"};
constexpr TextPair kMade{"Erstellt: %s", "Made: %s"};
constexpr TextPair kSpan{"Zeitraum: %s bis %s", "Span: %s to %s"};
constexpr TextPair kProgram{"Programm: %s", "Program: %s"};
constexpr TextPair kModule{"Modul %s: %s, Adresse %d, Geräteart %s, Firmware %s",
                           "Module %s: %s, address %d, kind %s, firmware %s"};
constexpr TextPair kDisplayUnit{"Anzeigeeinheit", "Display unit"};
constexpr TextPair kNoModule{"Kein Modul antwortete an Adresse %d", "No module answered at address %d"};
constexpr TextPair kFoundLeft{"Wie vorgefunden und wie verlassen (* geändert)", "As found and as left (* changed)"};
constexpr TextPair kField{"Feld", "field"};
constexpr TextPair kFound{"vorgefunden", "as found"};
constexpr TextPair kLeft{"verlassen", "as left"};
constexpr TextPair kLiveTitle{"Messwerte", "Live values"};
constexpr TextPair kCalibrationTitle{"Kalibrierung %s, %s (%s): %s", "Calibration %s, %s (%s): %s"};
constexpr TextPair kValue{"Wert", "value"};
constexpr TextPair kBefore{"vorher", "before"};
constexpr TextPair kAfter{"nachher", "after"};
constexpr TextPair kPoint{"Punkt %d: gemessen %s, Referenz %s, %s °C", "Point %d: captured %s, reference %s, %s °C"};
constexpr TextPair kPassed{"bestanden", "passed"};
constexpr TextPair kNotPlausible{"nicht plausibel", "not plausible"};
constexpr TextPair kSaved{"gespeichert", "saved"};
constexpr TextPair kNotSaved{"nicht gespeichert", "not saved"};
constexpr TextPair kCalibrationValue{"Kalibrierwert %d", "calibration value %d"};
constexpr TextPair kWrites{"Konfiguration geschrieben", "Configuration written"};
constexpr TextPair kReadouts{"Datenlogger", "Logger readouts"};
constexpr TextPair kClocks{"Uhr", "Clock settings"};
constexpr TextPair kDisplayChanges{"Anzeigeeinheit", "Display unit changes"};
constexpr TextPair kOthers{"Weitere Vorgänge", "Other actions"};
constexpr TextPair kNoEvents{"Keine Ereignisse im Zeitraum.", "No events in the span."};
constexpr TextPair kIntact{"Verlauf unverändert", "history intact"};
constexpr TextPair kCovers{" (Ereignisse %lld bis %lld, Kopf %lld:%s [1])", " (events %lld to %lld, head %lld:%s [1])"};
constexpr TextPair kHeadNote{"[1] Kopf %lld: %s", "[1] head %lld: %s"};
constexpr TextPair kTechnicianSignature{"Unterschrift Techniker", "Technician's signature"};
constexpr TextPair kCustomerSignature{"Unterschrift Kunde", "Customer's signature"};

std::string Time(std::int64_t ms, Language l) {
  return QDateTime::fromMSecsSinceEpoch(ms)
             .toString(l == Language::kEnglish ? QStringLiteral("yyyy-MM-dd hh:mm")
                                               : QStringLiteral("dd.MM.yyyy hh:mm"))
             .toStdString() +
         ChangeDayOffset(ms);
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
  return label.empty() ? StringPrintf(kCalibrationValue(in.language), n) : label;
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
    c.points.push_back(StringPrintf(kPoint(l), ++n, Text(p["captured"]).c_str(), Text(p["reference"]).c_str(),
                                    Text(p["temperature"]).c_str()));
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
  if (v.identity.empty() && v.address == 128) return kDisplayUnit(l);
  if (v.identity.empty() && !v.answered) return StringPrintf(kNoModule(l), v.address);
  return StringPrintf(kModule(l), ShownIdentity(v.identity).c_str(),
                      v.type > 0 ? types::TypeName(v.type - 1, l).c_str() : "-", v.address,
                      v.deviceKind >= 0 ? std::to_string(v.deviceKind).c_str() : "-",
                      v.firmware.empty() ? "-" : v.firmware.c_str());
}

ReportTable FoundLeftTable(const std::vector<FoundLeft>& rows, const std::string& first, Language l) {
  ReportTable t{{0, 20, 500, 750}, {"", first, kFound(l), kLeft(l)}, {}};
  for (const FoundLeft& f : rows) t.rows.push_back({f.changed ? "*" : "", f.label, f.found, f.left});
  return t;
}

void Calibration(ReportPager& p, const CalibrationEntry& c, Language l) {
  const std::string verdict =
      std::string(c.passed ? kPassed(l) : kNotPlausible(l)) + ", " + (c.saved ? kSaved(l) : kNotSaved(l));
  ReportTable t{{20, 500, 750}, {kValue(l), kBefore(l), kAfter(l)}, {}};
  for (const auto& [name, before, after] : c.values) t.rows.push_back({name, before, after});
  p.Line(StringPrintf(kCalibrationTitle(l), Time(c.timeMs, l).c_str(), c.procedure.c_str(),
                      c.technician.empty() ? "-" : c.technician.c_str(), verdict.c_str()),
         static_cast<int>(c.points.size()) + ReportPager::Start(t));
  for (const std::string& point : c.points) p.Line(point);
  p.Table(t);
}

void Actions(ReportPager& p, const char* title, const std::vector<Action>& actions, Language l) {
  if (actions.empty()) return;
  p.Line(title, 1);
  for (const Action& a : actions)
    p.Line("  " + Time(a.timeMs, l) + "  " + (a.technician.empty() ? "-" : a.technician) + "  " + a.text);
}

void Emit(ReportPager& p, const ReportInput& in, const std::vector<ModuleVisit>& visits) {
  const Language l = in.language;
  p.Line(kHeading(l));
  p.Gap();
  p.Line(StringPrintf(kSite(l), in.site.empty() ? "-" : in.site.c_str()));
  p.Line(StringPrintf(kMadeBy(l), in.technician.empty() ? "-" : in.technician.c_str()));
  p.Line(StringPrintf(kMade(l), Time(in.nowMs, l).c_str()));
  p.Line(StringPrintf(kSpan(l), Time(in.sinceMs, l).c_str(), Time(in.untilMs, l).c_str()));
  p.Line(StringPrintf(kProgram(l), in.program.c_str()));
  p.Gap();
  const ReportChain& c = in.chain;
  if (visits.empty()) {
    p.Line(kNoEvents(l));
    // A history emptied or cut back has no events in the span either: that is no visit
    // without work, and the report says so.
    if (c.problem) p.Line(*c.problem);
    return;
  }
  for (const ModuleVisit& v : visits) {
    p.Gap();
    std::vector<ReportTable> tables;
    if (!v.configuration.empty()) tables.push_back(FoundLeftTable(v.configuration, kField(l), l));
    if (!v.live.empty()) tables.push_back(FoundLeftTable(v.live, kLiveTitle(l), l));
    // A heading stays with the start of what it heads.
    const int first = tables.empty() ? 0 : ReportPager::Start(tables[0]);
    p.Line(ModuleLine(v, l), tables.empty() ? 2 : 1 + first);
    if (!tables.empty()) {
      p.Line(kFoundLeft(l), first);
      for (const ReportTable& t : tables) p.Table(t);
    }
    Actions(p, kWrites(l), v.writes, l);
    for (const CalibrationEntry& c : v.calibrations) Calibration(p, c, l);
    if (!v.trend.empty()) p.Line(v.trend);
    Actions(p, kReadouts(l), v.readouts, l);
    Actions(p, kClocks(l), v.clocks, l);
    Actions(p, kDisplayChanges(l), v.displayChanges, l);
    Actions(p, kOthers(l), v.others, l);
  }
  p.Gap();
  const std::string covers =
      StringPrintf(kCovers(l), static_cast<long long>(c.firstSeq), static_cast<long long>(c.lastSeq),
                   static_cast<long long>(c.head.seq), ShortHash(c.head.hash).c_str());
  p.Line((c.problem ? *c.problem : std::string(kIntact(l))) + covers);
  p.Signatures(kTechnicianSignature(l), kCustomerSignature(l));
  p.Gap();
  p.Line(StringPrintf(kHeadNote(l), static_cast<long long>(c.head.seq), c.head.hash.c_str()));
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
