#pragma once
// The service report as a PDF file, for the history window and korvane-cli report: the
// events of a span (of one module, or all) from the history, the chain checked, each
// module's trend from its whole history, laid out on A4 pages.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "history/HistoryStore.h"
#include "history/ServiceReport.h"

namespace korvane::history {

struct ReportRequest {
  ReportInput input;                    // the span, site, technician, language, labels
  std::optional<std::string> identity;  // one module; none: every module
};

// Writes the report to path (a target that cannot take it is refused before the store is
// read); false with *error in the request's language. *modules: how many it holds.
// Without a store (a history never written) the report says there were no events.
bool WriteReportFile(const std::string& path, HistoryStore* store, const ReportRequest& request, std::string* error,
                     int* modules = nullptr);

}  // namespace korvane::history
