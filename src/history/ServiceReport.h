#pragma once
// The service report of a visit: what was found on each module, what was done to it and
// what was left, from the history's events of a time span, laid out on A4 pages with
// their numbers. Building the report and laying it out are pure; the page is any
// PageTarget (a PDF file, a recording page in the tests).
#include <array>
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
// changed: a setting or calibration value that differs (a reading never is).
struct FoundLeft {
  std::string label;
  std::string found, left;
  bool changed = false;
};

// One action of the visit as the report prints it: when, who, what.
struct Action {
  std::int64_t timeMs = 0;
  std::string technician;
  std::string text;
};

// A calibration as the report prints it.
struct CalibrationEntry {
  std::int64_t timeMs = 0;
  std::string technician;
  std::string procedure;  // in the report's language
  bool passed = false, saved = false;
  std::vector<std::string> points;  // "captured ..., reference ..., ... °C", then the assistant's figures
  std::vector<std::array<std::string, 3>> values;  // name (unit), before, after
};

// What the visit did to one module (or to the display unit: identity empty, address 128).
struct ModuleVisit {
  std::string identity;
  int address = -1, type = 0, deviceKind = -1;
  std::string firmware;
  std::vector<FoundLeft> configuration;  // by field, in the order of the setup file
  std::vector<FoundLeft> live;           // by channel
  std::vector<Action> writes;            // the configuration writes (their source, and whether each was complete)
  std::vector<CalibrationEntry> calibrations;
  std::vector<Action> readouts, clocks, displayChanges;
  std::vector<Action> others;  // parametrizations, and kinds of a newer program (named, without details)
  std::string trend;           // where the sensor is heading ("" for nowhere in particular)
  bool answered = false;       // some event's module answered (events say "module_answered": false when not)
};

// What vouches for the report's events: their places in the chain, the head it goes on
// to, and what the checks found (none: intact).
struct ReportChain {
  std::int64_t firstSeq = 0, lastSeq = 0;
  Head head;
  std::optional<std::string> problem;
};

struct ReportInput {
  std::string site;
  std::string technician;  // who makes the report
  std::string program;
  std::int64_t sinceMs = 0, untilMs = 0;  // the span, until exclusive
  std::int64_t nowMs = 0;                 // when it is made
  Language language = Language::kGerman;
  // The name of a setup-file key for a type (1..31), as the configuration dialog names
  // it; nullptr or "" shows the key.
  std::function<std::string(const std::string& key, int type)> fieldLabel;
  // The place of a setup-file key in the table (as the setup file orders its lines);
  // nullptr: by key.
  std::function<int(const std::string& key)> fieldRank;
  // The setup-file keys of calibration values 1..4: a saved calibration changes them as
  // a configuration write does. Empty: calibrations stay out of the table.
  std::array<std::string, 4> calibrationKeys;
  ReportChain chain;
};

// Builds the visits from the events, oldest first, one visit per module in the order
// first met; an event's bulk is not kept once it is taken.
class VisitCollector {
 public:
  explicit VisitCollector(const ReportInput& input);
  ~VisitCollector();
  void Add(const Event& e);
  // trendOf gives a module's heading from its whole history (may be empty).
  std::vector<ModuleVisit> Finish(const std::function<std::string(const std::string& identity)>& trendOf = {});

 private:
  class Fields;
  struct Building;
  const ReportInput& input_;
  std::vector<Building> building_;
  std::map<std::string, std::size_t> index_;
};

std::vector<ModuleVisit> VisitsOf(const std::vector<Event>& events, const ReportInput& input,
                                  const std::function<std::string(const std::string& identity)>& trendOf = {});

// The report laid out: a heading (who made it), per module its tables and each action
// with its technician, the chain line with the events' range and the head (its full
// hash in a footnote), the signature lines. Ends the job; false when it failed.
bool LayoutReport(platform::PageTarget& page, const ReportInput& input, const std::vector<ModuleVisit>& visits);

// What the checks of a report's events found, in the language; none when intact.
std::optional<std::string> ChainProblem(const Verification& v, Language language);

}  // namespace korvane::history
