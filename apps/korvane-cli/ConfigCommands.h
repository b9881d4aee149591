#pragma once
// The configuration commands of korvane-cli (config-read, config-write, config-print).
#include "Commands.h"

namespace korvane::cli {

int RunConfigRead(CliContext& ctx, const CommandOptions& options);
int RunConfigWrite(CliContext& ctx, const CommandOptions& options);
int RunConfigPrint(CliContext& ctx, const CommandOptions& options);
int RunConfigDiff(CliContext& ctx, const CommandOptions& options);

}  // namespace korvane::cli
