#pragma once
// The configuration commands of korvane-cli (config-read, config-write, config-print).
#include "Commands.h"

namespace korvane::cli {

int RunConfigRead(CliContext& ctx, Args& args);
int RunConfigWrite(CliContext& ctx, Args& args);
int RunConfigPrint(CliContext& ctx, Args& args);

}  // namespace korvane::cli
