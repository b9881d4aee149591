#pragma once
// The data logger commands of korvane-cli (logger-info, logger-read, logger-clear) and the device clock (clock-set).
#include "Commands.h"

namespace korvane::cli {

int RunLoggerInfo(CliContext& ctx, Args& args);
int RunLoggerRead(CliContext& ctx, Args& args);
int RunLoggerClear(CliContext& ctx, Args& args);
int RunClockSet(CliContext& ctx, Args& args);

}  // namespace korvane::cli
