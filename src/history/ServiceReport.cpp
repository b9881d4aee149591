#include "history/ServiceReport.h"

#include <QDateTime>
#include <QJsonArray>

#include <algorithm>
#include <map>

#include "history/CalibrationDetails.h"
#include "history/HistoryTexts.h"
#include "history/HistoryView.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"
#include "types/Catalogue.h"

namespace korvane::history {
namespace {

using platform::StringPrintf;
using platform::TextPair;

constexpr TextPair kHeading{"Servicebericht", "Service report"};
constexpr TextPair kSite{"Anlage: %s", "Site: %s"};
constexpr TextPair kTechnician{"Techniker: %s", "Technician: %s"};
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
constexpr TextPair kCalibrationTitle{"Kalibrierung %s, %s: %s", "Calibration %s, %s: %s"};
constexpr TextPair kValue{"Wert", "value"};
constexpr TextPair kBefore{"vorher", "before"};
constexpr TextPair kAfter{"nachher", "after"};
constexpr TextPair kPoint{"Punkt %d: gemessen %s, Referenz %s, %s °C", "Point %d: captured %s, reference %s, %s °C"};
constexpr TextPair kPassed{"bestanden", "passed"};
constexpr TextPair kNotPlausible{"nicht plausibel", "not plausible"};
constexpr TextPair kSaved{"gespeichert", "saved"};
constexpr TextPair kNotSaved{"nicht gespeichert", "not saved"};
constexpr TextPair kWrites{"Konfiguration geschrieben", "Configuration written"};
constexpr TextPair kReadouts{"Datenlogger", "Logger readouts"};
constexpr TextPair kClocks{"Uhr", "Clock settings"};
constexpr TextPair kDisplayChanges{"Anzeigeeinheit", "Display unit changes"};
constexpr TextPair kOthers{"Weitere Vorgänge", "Other actions"};
constexpr TextPair kNoEvents{"Keine Ereignisse im Zeitraum.", "No events in the span."};
constexpr TextPair kIntact{"Verlauf unverändert", "history intact"};
constexpr TextPair kTechnicianSignature{"Unterschrift Techniker", "Technician's signature"};
constexpr TextPair kCustomerSignature{"Unterschrift Kunde", "Customer's signature"};
constexpr TextPair kPage{"Seite %d von %d", "Page %d of %d"};

std::string Time(std::int64_t ms, Language l) {
  return QDateTime::fromMSecsSinceEpoch(ms)
      .toString(l == Language::kEnglish ? QStringLiteral("yyyy-MM-dd hh:mm") : QStringLiteral("dd.MM.yyyy hh:mm"))
      .toStdString();
}

std::string Text(const QJsonValue& v) {
  if (v.isString()) return v.toString().toStdString();
  if (v.isDouble()) return StringPrintf("%g", v.toDouble());
  if (v.isBool()) return v.toBool() ? "1" : "0";
  return "-";
}

// Found and left fields by key, in the order first met.
class Fields {
 public:
  void Seen(const std::string& key, const std::string& value) {
    FoundLeft& f = At(key, value);
    f.left = value;
  }
  void Changed(const std::string& key, const std::string& before, const std::string& after) {
    FoundLeft& f = At(key, before);
    f.left = after;
  }
  std::vector<FoundLeft> rows;

 private:
  FoundLeft& At(const std::string& key, const std::string& found) {
    const auto it = index_.find(key);
    if (it != index_.end()) return rows[it->second];
    index_[key] = rows.size();
    rows.push_back({key, found, found});
    return rows.back();
  }
  std::map<std::string, std::size_t> index_;
};

struct Building {
  ModuleVisit visit;
  Fields fields;
  QJsonObject firstLive, lastLive;
  int liveType = 0;
};

void Take(Building& b, const Event& e) {
  ModuleVisit& v = b.visit;
  if (e.address >= 0) v.address = e.address;
  if (e.type > 0) v.type = e.type;
  if (e.deviceKind >= 0) v.deviceKind = e.deviceKind;
  if (!e.firmware.empty()) v.firmware = e.firmware;
  const QJsonObject& d = e.details;
  if (d.value("module_answered") != QJsonValue(false)) v.answered = true;
  const auto seenAll = [&](const QJsonObject& fields) {
    for (auto it = fields.begin(); it != fields.end(); ++it) b.fields.Seen(it.key().toStdString(), Text(*it));
  };
  if (e.kind == kModuleKind) return;
  if (e.kind == kConfigReadKind) return seenAll(d.value("fields").toObject());
  if (e.kind == kConfigWriteKind) {
    seenAll(d.value("found").toObject());
    for (const QJsonValue& c : d.value("changed").toArray())
      b.fields.Changed(Text(c["key"]), Text(c["before"]), Text(c["after"]));
    return v.writes.push_back(e);
  }
  if (e.kind == kLiveKind) {
    if (b.firstLive.isEmpty()) b.firstLive = d.value("first").toObject();
    b.lastLive = d.value("last").toObject();
    if (e.type > 0) b.liveType = e.type;
    return;
  }
  if (e.kind == kCalibrationKind) return v.calibrations.push_back(e);
  if (e.kind == kLoggerReadKind || e.kind == kLoggerClearKind) return v.readouts.push_back(e);
  if (e.kind == kClockSetKind) return v.clocks.push_back(e);
  if (e.kind == kDisplayWriteKind) return v.displayChanges.push_back(e);
  if (e.kind == kDisplayReadKind) return;
  v.others.push_back(e);
}

std::vector<FoundLeft> LiveRows(const Building& b, Language l) {
  std::vector<FoundLeft> rows;
  if (b.firstLive.isEmpty()) return rows;
  const int typeIndex = b.liveType - 1;
  const QJsonArray first = b.firstLive.value("values").toArray(), last = b.lastLive.value("values").toArray();
  for (int c = 1; c <= 6 && c <= first.size() && c <= last.size(); ++c) {
    std::string label = types::ChannelLabel(typeIndex, c, l);
    if (label.empty()) continue;
    const std::string unit = c == 6 ? "°C" : types::ChannelUnit(typeIndex, c);
    const int decimals = c == 6 ? 1 : types::ChannelDecimals(typeIndex, c);
    const auto shown = [&](const QJsonValue& v) -> std::string {
      if (!v.isDouble()) return "-";  // not answered
      return StringPrintf("%.*f", decimals, v.toDouble()) + (unit.empty() || unit == " " ? "" : " " + unit);
    };
    rows.push_back({label, shown(first[c - 1]), shown(last[c - 1])});
  }
  return rows;
}

// --- layout --------------------------------------------------------------------------

struct Table {
  std::vector<int> columns;  // x of each column, per mille of the text width
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

struct Item {
  enum class Kind { kLine, kGap, kTable, kSignatures } kind = Kind::kLine;
  std::string text;
  Table table;
};

struct Placed {
  int x, y;
  std::string text;
};

class Pager {
 public:
  explicit Pager(const platform::PageTarget& page)
      : left_(page.Width() * 8 / 100),
        width_(page.Width() * 84 / 100),
        top_(page.Height() * 5 / 100),
        bottom_(page.Height() * 90 / 100),
        line_(std::max(1, page.Height() / 60)),
        // What fits on a line in the page's font, about two fifths of a line's height a character.
        chars_(std::max(20, width_ * 5 / (line_ * 2) - 4)) {
    pages_.emplace_back();
    y_ = top_;
  }

  // A line longer than the page is broken at blanks; what follows is indented.
  void Line(const std::string& text) {
    std::size_t from = 0;
    bool first = true;
    while (from < text.size() || first) {
      std::size_t end = text.size();
      if (Characters(text.substr(from)) > chars_) {
        end = from;
        for (std::size_t i = from; i < text.size(); ++i) {
          if (Characters(text.substr(from, i - from)) > chars_) break;
          if (text[i] == ' ') end = i;
        }
        if (end == from) end = text.size();  // one word longer than the page
      }
      Room(1);
      Put(left_ + (first ? 0 : line_ * 2), text.substr(from, end - from));
      y_ += line_;
      from = end < text.size() ? end + 1 : end;
      first = false;
    }
  }
  void Gap() {
    if (y_ != top_) y_ += line_ / 2;
  }
  void TableOf(const Table& t) {
    // A short table stays on one page; a long one starts with its header and a row.
    Room(t.rows.size() <= 8 ? static_cast<int>(t.rows.size()) + 2 : 2);
    Header(t);
    for (const auto& row : t.rows) {
      if (y_ + line_ > bottom_) {
        Break();
        Header(t);
      }
      Cells(t, row);
    }
  }
  void Signatures(const std::string& technician, const std::string& customer) {
    Room(4);
    y_ += line_ * 2;
    const std::string rule(32, '_');
    Put(left_, rule);
    Put(left_ + width_ * 55 / 100, rule);
    y_ += line_;
    Put(left_, technician);
    Put(left_ + width_ * 55 / 100, customer);
    y_ += line_;
  }

  std::vector<std::vector<Placed>>& pages() { return pages_; }
  int footerY() const { return bottom_ + line_ * 2; }
  int left() const { return left_; }

 private:
  void Room(int lines) {
    if (y_ + line_ * lines > bottom_ && y_ != top_) Break();
  }
  void Break() {
    pages_.emplace_back();
    y_ = top_;
  }
  void Put(int x, const std::string& text) { pages_.back().push_back({x, y_, text}); }
  void Cells(const Table& t, const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size() && c < t.columns.size(); ++c)
      if (!cells[c].empty()) Put(left_ + width_ * t.columns[c] / 1000, cells[c]);
    y_ += line_;
  }
  void Header(const Table& t) {
    Cells(t, t.header);
    Put(left_, std::string(90, '-'));
    y_ += line_ / 2;
  }

  // UTF-8 characters, not bytes.
  static std::size_t Characters(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
  }

  int left_, width_, top_, bottom_, line_;
  std::size_t chars_;
  int y_ = 0;
  std::vector<std::vector<Placed>> pages_;
};

std::string ModuleLine(const ModuleVisit& v, Language l) {
  if (v.identity.empty() && v.address == 128) return kDisplayUnit(l);
  if (v.identity.empty() && !v.answered) return StringPrintf(kNoModule(l), v.address);
  return StringPrintf(kModule(l), ShownIdentity(v.identity).c_str(),
                      v.type > 0 ? types::TypeName(v.type - 1, l).c_str() : "-", v.address,
                      v.deviceKind >= 0 ? std::to_string(v.deviceKind).c_str() : "-",
                      v.firmware.empty() ? "-" : v.firmware.c_str());
}

Table FoundLeftTable(const std::vector<FoundLeft>& rows, const std::string& first, Language l) {
  Table t{{0, 20, 500, 750}, {"", first, kFound(l), kLeft(l)}, {}};
  for (const FoundLeft& f : rows) t.rows.push_back({f.differs() ? "*" : "", f.label, f.found, f.left});
  return t;
}

void CalibrationItems(std::vector<Item>& items, const Event& e, Language l) {
  const QJsonObject& d = e.details;
  const std::string verdict = d.value("plausible").toBool() ? kPassed(l) : kNotPlausible(l);
  const std::string outcome = d.value("outcome").toString() == QLatin1String("saved") ? kSaved(l) : kNotSaved(l);
  items.push_back({Item::Kind::kLine,
                   StringPrintf(kCalibrationTitle(l), Time(e.timeMs, l).c_str(),
                                d.value("procedure").toString().toStdString().c_str(), (verdict + ", " + outcome).c_str()),
                   {}});
  int n = 0;
  for (const QJsonValue& p : d.value("points").toArray()) {
    items.push_back({Item::Kind::kLine,
                     StringPrintf(kPoint(l), ++n, Text(p["captured"]).c_str(), Text(p["reference"]).c_str(),
                                  Text(p["temperature"]).c_str()),
                     {}});
    if (std::string figures = PointFiguresText(p.toObject(), l); !figures.empty())
      items.push_back({Item::Kind::kLine, "    " + figures, {}});
  }
  Table t{{20, 500, 750}, {kValue(l), kBefore(l), kAfter(l)}, {}};
  const QJsonArray before = d.value("before").toArray(), after = d.value("after").toArray();
  for (int k = 1; k <= 4 && k <= before.size() && k <= after.size(); ++k) {
    std::string label = e.type > 0 ? types::CalibrationLabel(e.type - 1, k, l) : std::string();
    if (label.empty()) label = "K" + std::to_string(k);
    std::string unit = e.type > 0 ? types::CalibrationUnit(e.type - 1, k) : std::string();
    if (unit == "%%/K") unit = "%/K";
    if (!unit.empty()) label += " (" + unit + ")";
    t.rows.push_back({label, Text(before[k - 1]), Text(after[k - 1])});
  }
  items.push_back({Item::Kind::kTable, "", t});
}

void EventLines(std::vector<Item>& items, const char* title, const std::vector<Event>& events, Language l) {
  if (events.empty()) return;
  items.push_back({Item::Kind::kLine, title, {}});
  // A kind of a newer program is named as such, without its details.
  for (const Event& e : events)
    items.push_back(
        {Item::Kind::kLine, "  " + Time(e.timeMs, l) + "  " + (IsKnownKind(e.kind) ? Summary(e, l) : KindName(e.kind, l)), {}});
}

std::vector<Item> Items(const ReportInput& in, const std::vector<ModuleVisit>& visits) {
  const Language l = in.language;
  std::vector<Item> items;
  const auto line = [&](std::string text) { items.push_back({Item::Kind::kLine, std::move(text), {}}); };
  const auto gap = [&] { items.push_back({Item::Kind::kGap, "", {}}); };
  line(kHeading(l));
  gap();
  line(StringPrintf(kSite(l), in.site.empty() ? "-" : in.site.c_str()));
  line(StringPrintf(kTechnician(l), in.technician.empty() ? "-" : in.technician.c_str()));
  line(StringPrintf(kMade(l), Time(in.nowMs, l).c_str()));
  line(StringPrintf(kSpan(l), Time(in.sinceMs, l).c_str(), Time(in.untilMs, l).c_str()));
  line(StringPrintf(kProgram(l), in.program.c_str()));
  gap();
  if (visits.empty()) {
    line(kNoEvents(l));
    return items;
  }
  for (const ModuleVisit& v : visits) {
    gap();
    line(ModuleLine(v, l));
    if (!v.configuration.empty() || !v.live.empty()) {
      line(kFoundLeft(l));
      if (!v.configuration.empty()) items.push_back({Item::Kind::kTable, "", FoundLeftTable(v.configuration, kField(l), l)});
      if (!v.live.empty()) items.push_back({Item::Kind::kTable, "", FoundLeftTable(v.live, kLiveTitle(l), l)});
    }
    EventLines(items, kWrites(l), v.writes, l);
    for (const Event& e : v.calibrations) CalibrationItems(items, e, l);
    if (!v.trend.empty()) line(v.trend);
    EventLines(items, kReadouts(l), v.readouts, l);
    EventLines(items, kClocks(l), v.clocks, l);
    EventLines(items, kDisplayChanges(l), v.displayChanges, l);
    EventLines(items, kOthers(l), v.others, l);
  }
  gap();
  line(in.chainBreak ? *in.chainBreak : std::string(kIntact(l)));
  items.push_back({Item::Kind::kSignatures, "", {}});
  return items;
}

}  // namespace

std::vector<ModuleVisit> VisitsOf(const std::vector<Event>& events, const ReportInput& input,
                                  const std::function<std::string(const std::string&)>& trendOf) {
  std::vector<Building> building;
  std::map<std::string, std::size_t> index;
  for (const Event& e : events) {
    // The display unit has no identity of its own; modules that did not tell theirs
    // are kept apart by their address.
    const std::string key = e.identity.empty() ? "\x01" + std::to_string(e.address) : e.identity;
    auto it = index.find(key);
    if (it == index.end()) {
      it = index.emplace(key, building.size()).first;
      building.emplace_back();
      building.back().visit.identity = e.identity;
    }
    Take(building[it->second], e);
  }
  std::vector<ModuleVisit> visits;
  for (Building& b : building) {
    b.visit.configuration = std::move(b.fields.rows);
    if (input.fieldRank)
      std::stable_sort(b.visit.configuration.begin(), b.visit.configuration.end(),
                       [&](const FoundLeft& x, const FoundLeft& y) { return input.fieldRank(x.label) < input.fieldRank(y.label); });
    if (input.fieldLabel)
      for (FoundLeft& f : b.visit.configuration)
        if (std::string label = input.fieldLabel(f.label, b.visit.type); !label.empty()) f.label = label;
    b.visit.live = LiveRows(b, input.language);
    if (trendOf && !b.visit.identity.empty()) b.visit.trend = trendOf(b.visit.identity);
    visits.push_back(std::move(b.visit));
  }
  return visits;
}

bool LayoutReport(platform::PageTarget& page, const ReportInput& input, const std::vector<ModuleVisit>& visits) {
  const Language l = input.language;
  Pager pager(page);
  for (const Item& item : Items(input, visits)) {
    switch (item.kind) {
      case Item::Kind::kLine: pager.Line(item.text); break;
      case Item::Kind::kGap: pager.Gap(); break;
      case Item::Kind::kTable: pager.TableOf(item.table); break;
      case Item::Kind::kSignatures: pager.Signatures(kTechnicianSignature(l), kCustomerSignature(l)); break;
    }
  }
  const auto& pages = pager.pages();
  const int count = static_cast<int>(pages.size());
  for (int p = 0; p < count; ++p) {
    if (p > 0) page.NewPage();
    for (const Placed& t : pages[p]) page.DrawText(t.x, t.y, t.text);
    page.DrawText(pager.left(), pager.footerY(), StringPrintf(kPage(l), p + 1, count));
  }
  return page.End();
}

std::optional<std::string> ChainBreakFor(const Verification& v, std::int64_t lastSeq, Language language) {
  if (!v.broken || v.broken->event.seq > lastSeq) return std::nullopt;
  return VerificationText(v, language);
}

}  // namespace korvane::history
