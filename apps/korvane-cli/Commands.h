#pragma once
// The commands of korvane-cli. A command is one function over the context and its own
// arguments; adding one means adding its file and one entry in the table (Commands.cpp).
#include <iosfwd>
#include <string>
#include <vector>

#include "CliContext.h"

namespace korvane::cli {

using Args = std::vector<std::string>;
using CommandFn = int (*)(CliContext& ctx, Args& args);

struct Command {
  const char* name;
  const char* synopsis;  // the command's own options, for --help
  const char* summary;   // one line
  CommandFn run;
  bool needsGui;  // paints (PDF output): runs with a GUI application, offscreen
};

const std::vector<Command>& Commands();
const Command* FindCommand(const std::string& name);

// The whole program: options, command, exit status. out/err: stdout/stderr.
int Main(int argc, char** argv, std::ostream& out, std::ostream& err);
// A command on an existing context (tests run commands on an in-process link).
int RunCommand(CliContext& ctx, const std::string& name, Args args);
void PrintHelp(std::ostream& out);

// --- the commands ---------------------------------------------------------------------
int RunInfo(CliContext& ctx, Args& args);
int RunLive(CliContext& ctx, Args& args);
// The shortest live poll period at a baud rate: one chain of requests and replies, in ms.
int ShortestPollMs(int baud);
int RunScan(CliContext& ctx, Args& args);

}  // namespace korvane::cli
