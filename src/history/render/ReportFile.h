#pragma once
// The service report as a PDF file, for the history window and korvane-cli report: the
// events of a span (of one module, or all) from the history, the chain from the first of
// them to the head checked (and the head against the one this program remembers), each
// module's trend from its whole history, laid out on A4 pages.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "history/HistoryStore.h"
#include "history/ServiceReport.h"
#include "history/Witness.h"

namespace korvane::history {

struct ReportRequest {
  ReportInput input;                        // the span, site, technician, language, labels
  std::optional<std::string> identity;      // one module; none: every module
  std::shared_ptr<WitnessBook> witness;     // the heads this program saw; none: not checked
  std::optional<store::Location> location;  // the history's, for its head where there is no store
};

// Writes the report to path (a target that cannot take it is refused before the store is
// read); false with *error in the request's language. *modules: how many it holds.
// Without a store (a history never written) the report says there were no events, and
// that the history is gone where this program saw a head of it at request.location.
// *rollback: the history lost the head this program remembered (the report says so too).
bool WriteReportFile(const std::string& path, HistoryStore* store, const ReportRequest& request, std::string* error,
                     int* modules = nullptr, std::optional<Rollback>* rollback = nullptr);

}  // namespace korvane::history
