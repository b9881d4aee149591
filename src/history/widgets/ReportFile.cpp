#include "history/widgets/ReportFile.h"

#include "history/Drift.h"
#include "platform/SafeFile.h"
#include "platform/widgets/PrinterPage.h"

namespace korvane::history {

bool WriteReportFile(const std::string& path, HistoryStore* store, const ReportRequest& request, std::string* error,
                     int* modules) {
  const Language l = request.input.language;
  if (std::string problem = platform::WriteTargetProblem(path, l); !problem.empty()) {
    *error = path + ": " + problem;
    return false;
  }
  EventFilter filter;
  filter.identity = request.identity;
  filter.sinceMs = request.input.sinceMs;
  filter.untilMs = request.input.untilMs;
  std::string why;
  std::vector<Event> events;
  if (store && !store->ForEach(
                   filter,
                   [&](const Event& e) {
                     events.push_back(e);
                     return true;
                   },
                   &why)) {
    *error = why;
    return false;
  }
  ReportInput input = request.input;
  Verification verification;
  if (store && !store->Verify(&verification, &why)) {
    *error = why;
    return false;
  }
  input.chainBreak = ChainBreakFor(verification, events.empty() ? 0 : events.back().seq, l);
  const auto trendOf = [&](const std::string& identity) {
    EventFilter f;
    f.identity = identity;
    f.kind = kCalibrationKind;
    std::string ignored;
    return HeadingFor(store->Events(f, &ignored), input.nowMs, l);
  };
  const std::vector<ModuleVisit> visits = VisitsOf(events, input, trendOf);
  if (modules) *modules = static_cast<int>(visits.size());
  platform::PdfPage page(path, l == Language::kEnglish ? "Service report" : "Servicebericht", l);
  if (!LayoutReport(page, input, visits)) {
    *error = page.failure();
    return false;
  }
  return true;
}

}  // namespace korvane::history
