#pragma once
// The data logger commands of korvane-cli (logger-info, logger-read, logger-clear) and the device clock (clock-set).
#include "Commands.h"

namespace korvane::cli {

int RunLoggerInfo(CliContext& ctx, const CommandOptions& options);
int RunLoggerRead(CliContext& ctx, const CommandOptions& options);
int RunLoggerClear(CliContext& ctx, const CommandOptions& options);
int RunClockSet(CliContext& ctx, const CommandOptions& options);

}  // namespace korvane::cli
