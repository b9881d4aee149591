#pragma once
// The display unit commands of korvane-cli (display-read, display-write, display-contrast).
#include "Commands.h"

namespace korvane::cli {

int RunDisplayRead(CliContext& ctx, Args& args);
int RunDisplayWrite(CliContext& ctx, Args& args);
int RunDisplayContrast(CliContext& ctx, Args& args);

}  // namespace korvane::cli
