#pragma once
// The configuration commands of korvane-cli (config-read, config-write, config-print).
#include "Commands.h"

namespace korvane::cli {

int RunConfigRead(CliContext& ctx, Args& args);
int RunConfigWrite(CliContext& ctx, Args& args);
int RunConfigPrint(CliContext& ctx, Args& args);

// Whether a regular (or new) output file can be written: an existing one must be
// writable, a new one needs a folder that takes files. The reason otherwise, "" if so.
std::string AccessProblem(const std::string& path, int language);

}  // namespace korvane::cli
