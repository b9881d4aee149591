#pragma once
// The display unit commands of korvane-cli (display-read, display-write, display-contrast).
#include "Commands.h"

namespace korvane::cli {

int RunDisplayRead(CliContext& ctx, const CommandOptions& options);
int RunDisplayWrite(CliContext& ctx, const CommandOptions& options);
int RunDisplayContrast(CliContext& ctx, const CommandOptions& options);

}  // namespace korvane::cli
