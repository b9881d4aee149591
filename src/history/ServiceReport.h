#pragma once
// The service report of a visit: what was found on each module, what was done to it and
// what was left, from the history's events of a time span, laid out on A4 pages with
// their numbers. Building the report and laying it out are pure; the page is any
// PageTarget (a PDF file, a recording page in the tests).
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "history/Event.h"
#include "history/HistoryStore.h"
#include "platform/Language.h"
#include "platform/Page.h"

namespace korvane::history {

// One field or live value as found and as left; "" where the visit did not learn it.
struct FoundLeft {
  std::string label;
  std::string found, left;
  bool differs() const { return found != left; }
};

// What the visit did to one module (or to the display unit: identity empty, address 128).
struct ModuleVisit {
  std::string identity;
  int address = -1, type = 0, deviceKind = -1;
  std::string firmware;
  std::vector<FoundLeft> configuration;  // by setup-file key, in the order first met
  std::vector<FoundLeft> live;           // by channel
  std::vector<Event> writes;  // the configuration writes (their source, and whether each was complete)
  std::vector<Event> calibrations, readouts, clocks, displayChanges;
  std::vector<Event> others;  // parametrizations, and kinds of a newer program (named, without details)
  std::string trend;  // where the sensor is heading ("" for nowhere in particular)
  bool answered = false;  // some event's module answered (events say "module_answered": false when not)
};

struct ReportInput {
  std::string site, technician, program;
  std::int64_t sinceMs = 0, untilMs = 0;  // the span, until exclusive
  std::int64_t nowMs = 0;                 // when it is made
  Language language = Language::kGerman;
  // The label of a setup-file key for a type (1..31); nullptr or "" shows the key.
  std::function<std::string(const std::string& key, int type)> fieldLabel;
  // The place of a setup-file key in the table (as the setup file orders its lines);
  // nullptr: by key.
  std::function<int(const std::string& key)> fieldRank;
  // The history's chain state for the report's events: none intact, else the text that
  // names the event that does not verify.
  std::optional<std::string> chainBreak;
};

// The visits in the events (oldest first), one per module in the order first met.
// trendOf gives a module's heading from its whole history (may be empty).
std::vector<ModuleVisit> VisitsOf(const std::vector<Event>& events, const ReportInput& input,
                                  const std::function<std::string(const std::string& identity)>& trendOf = {});

// The report's lines, then laid out: a heading, per module its tables, the chain state
// and the signature lines; a table that does not fit continues on the next page with its
// header repeated; each page ends with "Seite i von n" / "Page i of n". Ends the job;
// false when it failed.
bool LayoutReport(platform::PageTarget& page, const ReportInput& input, const std::vector<ModuleVisit>& visits);

// The chain state of the report's events from a verification of the whole chain: none
// when it is intact up to the last of them.
std::optional<std::string> ChainBreakFor(const Verification& v, std::int64_t lastSeq, Language language);

}  // namespace korvane::history
