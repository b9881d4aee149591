#pragma once
// The commands of korvane-cli. A command is a parser of its own arguments (CommandLine.h)
// and one function over the context and the options it parsed; adding one means adding
// its file and one entry in the table (Commands.cpp).
#include <iosfwd>
#include <string>
#include <vector>

#include "CliContext.h"

namespace korvane::measurement {
class Recording;
}

namespace korvane::cli {

using CommandFn = int (*)(CliContext& ctx, const CommandOptions& options);

struct Command {
  const char* name;
  const char* synopsis;  // the command's own options, for --help
  const char* summary;   // one line
  ParseFn parse;
  CommandFn run;
  bool needsGui;  // paints (PDF output): runs with a GUI application, offscreen
};

const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& name);

// The whole program: options, command, exit status. out/err: stdout/stderr.
int Main(int argc, char** argv, std::ostream& out, std::ostream& err);
// A command on an existing context (tests run commands on an in-process link): its
// arguments parsed, the settings file and the trace checked, the command run and the
// trace written.
int RunCommand(CliContext& ctx, const std::string& name, Args args);
void PrintHelp(std::ostream& out);

// --- the commands ---------------------------------------------------------------------
int RunInfo(CliContext& ctx, const CommandOptions& options);
int RunLive(CliContext& ctx, const CommandOptions& options);
// live over an --address list or the whole bus (--bus).
int RunLiveBus(CliContext& ctx, const CommandOptions& options);
// live --record: opens the recording for appending, or says why not; kExitOk or kExitFile.
int OpenRecording(CliContext& ctx, const std::string& path, measurement::Recording& recording);
int RunScan(CliContext& ctx, const CommandOptions& options);
int RunHistory(CliContext& ctx, const CommandOptions& options);
int RunReport(CliContext& ctx, const CommandOptions& options);
int RunCalibrate(CliContext& ctx, const CommandOptions& options);

}  // namespace korvane::cli
