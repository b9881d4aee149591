#pragma once
// The parametrization's report on the command line (param-report).
#include "Commands.h"

namespace korvane::cli {

int RunParamReport(CliContext& ctx, const CommandOptions& options);

}  // namespace korvane::cli
