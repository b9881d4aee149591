#pragma once
// What the four programs' command lines have in common: one table of options with their
// help texts per program, read with QCommandLineParser, and the same answers everywhere:
// --help prints the usage and the table (status 0), --version "korvane-sim 1.0.0"
// (status 0), and a usage error is one line on stderr, "korvane-sim: <what> (korvane-sim
// --help lists the options)", with status 2.
#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QCommandLineParser;

namespace korvane::platform {

inline constexpr int kExitUsageError = 2;

struct ProgramOption {
  const char* name;         // "bus" for --bus
  const char* valueName;    // "LIST"; nullptr for an option without a value
  const char* help;         // what it does; further lines after '\n'
  bool repeatable = false;  // may be given more than once (each value kept, in order)
};

struct ProgramLineSpec {
  const char* program;                     // "korvane"
  const char* synopsis;                    // what follows the program's name in the usage line
  const char* summary;                     // one or two lines under it
  std::span<const ProgramOption> options;  // the program's own; --help and --version are added
  const char* epilogue = nullptr;          // a paragraph after the options, if any
  const char* heading = "Options:";        // above the options
};

enum class LineRequest { kRun, kHelp, kVersion };

struct ProgramLine {
  LineRequest request = LineRequest::kRun;
  std::map<std::string, std::vector<std::string>> values;  // by option name; a flag has one empty value
  std::vector<std::string> positional;
  // Every option given with its value, in the order of the line (for options whose
  // values interleave, as one more module of two kinds).
  std::vector<std::pair<std::string, std::string>> inOrder;

  bool isSet(const std::string& name) const { return values.count(name) != 0; }
  // The option's (last) value; "" when it is not set.
  std::string value(const std::string& name) const;
};

// Reads args (without the program's name) against the table: an unknown option, a
// missing value, and an option given twice that is not repeatable are errors (*error
// says which, without the program's name). --help (or -h) and --version win over
// everything else on the line.
std::optional<ProgramLine> ParseProgramLine(const ProgramLineSpec& table, const std::vector<std::string>& args,
                                            std::string* error);

// What the line asks for: --help (or -h) wins over --version, and both over the rest.
LineRequest RequestOf(const std::vector<std::string>& args);

// Why QCommandLineParser refused a line, in this project's words ("unknown option --x",
// "--x needs a value").
std::string ParserError(const QCommandLineParser& parser);

// "Usage: ..." with the summary and one row per option (the table's, then --help and
// --version), the help texts in one column, then the epilogue.
std::string HelpText(const ProgramLineSpec& table);
// The rows alone, for a program whose help text has more parts. An option whose name
// and value reach past the column has its help on the lines below.
std::string OptionRows(std::span<const ProgramOption> options);
// "korvane-cli 1.0.0\n": the one version of the build.
std::string VersionText(const std::string& program);
// "korvane-cli: what (korvane-cli --help lists the options)".
std::string UsageErrorText(const std::string& program, const std::string& what);

// What every program does with a request that is not to run: prints the help or the
// version to out (status 0). For an error, prints its usage-error line to err (status 2).
int AnswerHelpOrVersion(const ProgramLineSpec& table, LineRequest request, std::ostream& out);
int AnswerUsageError(const std::string& program, const std::string& what, std::ostream& err);

}  // namespace korvane::platform
