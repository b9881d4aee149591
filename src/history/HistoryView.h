#pragma once
// What the history window lists, without widgets: the modules with their calibration due
// marks, a module's events newest first through the window's filters, and the shown
// events as CSV (RFC 4180) or JSON lines.
#include <QJsonObject>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "history/Event.h"
#include "history/HistoryStore.h"
#include "platform/Language.h"
#include "types/Catalogue.h"

namespace korvane::history {

inline constexpr int kDefaultCalibrationIntervalDays = 30;

// The key of a measurement family in the program's settings ("ph", "redox", ...), and
// the families a module may be calibrated in, in the window's order.
std::string FamilyKey(types::Family family);
const std::vector<types::Family>& CalibratedFamilies();
std::string FamilyName(types::Family family, Language language);

// Days between calibrations by family; a family not in the map has the default.
struct CalibrationIntervals {
  std::map<types::Family, int> days;
  int For(types::Family family) const;
};

struct ModuleRow {
  KnownModule module;
  std::string typeName;
  std::optional<int> daysSinceCalibration;  // since the last saved calibration; none: never
  int intervalDays = kDefaultCalibrationIntervalDays;
  bool due = false;  // never calibrated, or the interval has passed
};

ModuleRow RowOf(const KnownModule& m, const CalibrationIntervals& intervals, std::int64_t nowMs, Language language);

struct ViewFilter {
  std::vector<std::string> kinds;                // empty: every kind
  std::optional<std::int64_t> sinceMs, untilMs;  // until exclusive
};
// The events the filter takes, newest first.
std::vector<Event> Shown(const std::vector<Event>& oldestFirst, const ViewFilter& filter);

// The kinds the program knows, and whether a kind is one of them.
const std::vector<std::string>& KnownKinds();
bool IsKnownKind(const std::string& kind);
// The kind as the window names it ("Kalibrierung" / "calibration"); an unknown kind
// "unbekannt: <kind>" / "unknown: <kind>".
std::string KindName(const std::string& kind, Language language);

// One event as the JSON lines of an export and korvane-cli history --json give it.
QJsonObject EventJson(const Event& e);
// CSV with a header line; CRLF line ends, fields quoted where they hold a comma, quote or
// line break (quotes doubled). Columns: time (UTC), identity, address, type, kind,
// technician, summary in the language, hash.
std::string EventsCsv(const std::vector<Event>& events, Language language);
std::string EventsJsonLines(const std::vector<Event>& events);

// The selected event's details as lines of a table (label, before, after): the changed
// fields of a write, the points and values of a calibration; for other kinds each
// detail by its key. An unknown kind shows none.
struct DetailRow {
  std::string label, first, second;
};
std::vector<DetailRow> DetailRows(const Event& e, Language language);

}  // namespace korvane::history
