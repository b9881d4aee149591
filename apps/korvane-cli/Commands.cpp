#include "Commands.h"
#include "ConfigCommands.h"
#include "DisplayCommands.h"
#include "LoggerCommands.h"
#include "ParamCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <ostream>

#include "platform/ProgramLine.h"

namespace korvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> table{
      {"info", "", "type, firmware, identity and device kind of the module", &ParseNothing, &RunInfo, false},
      {"live", "[--bus] [--count N] [--poll MS] [--record FILE] [--interval hh:mm:ss]",
       "live values as the main window shows them, optionally recorded to FILE; with an --address\n"
       "      list (0,3,5-7) or --bus (every module the scan finds) one line per module and cycle:\n"
       "      the address, then the six values, TAB-separated (--count counts cycles); recording\n"
       "      lines then start with the address; exit 1 when no module answered three cycles",
       &ParseLive, &RunLive, false},
      {"config-read", "-o FILE",
       "the module's configuration as a setup file (.qx4), as the configuration dialog saves it;\n"
       "      exit 6 file cannot be written, 7 module address outside 0..31",
       &ParseConfigRead, &RunConfigRead, false},
      {"config-write", "FILE [--with-calibration]",
       "writes a setup file to the module as the dialog's Open and OK do (calibration values and\n"
       "      temperature offset only with --with-calibration); exit 4 data-file error or a value no\n"
       "      module may get (nan, inf), 5 type of another family, 6 file cannot be read, 7 address\n"
       "      outside 0..31",
       &ParseConfigWrite, &RunConfigWrite, false},
      {"config-diff", "FILE [FILE2]",
       "compares the module's configuration (read, nothing written) with a setup file, or two\n"
       "      setup files: one line per differing field, TAB-separated: setup-file key, label,\n"
       "      first value (the module's, or FILE's), second value; exit 0 equal, 5 they differ,\n"
       "      4 a file fails its checksum, 6 a file cannot be read",
       &ParseConfigDiff, &RunConfigDiff, false},
      {"config-print", "-o FILE.pdf", "prints the module's configuration into a PDF file as the dialog's Print does",
       &ParseConfigPrint, &RunConfigPrint, true},
      {"logger-info", "", "the display unit's logger information (at 0x80, 19200 baud)", &ParseNothing, &RunLoggerInfo,
       false},
      {"logger-read", "-o FILE [--display] [--chart CHART.pdf|CHART.png]",
       "reads the module's (or with --display the display unit's) data logger into FILE as the\n"
       "      logger dialogs export it and prints \"records: N\"; exit 8 when fewer records arrived\n"
       "      than announced, 130 after Ctrl-C (the file keeps the whole records); --chart also\n"
       "      draws the module's chart into a PDF or PNG file",
       &ParseLoggerRead, &RunLoggerRead, true},
      {"logger-clear", "--yes [--display]", "clears the module's (or the display unit's) data logger",
       &ParseLoggerClear, &RunLoggerClear, false},
      {"clock-set", "[--display] [--time \"YYYY-MM-DD hh:mm:ss\"]",
       "sets the module's (or the display unit's) clock to the PC's local time or the given time\n"
       "      (a real date of the years 2000 to 2255)",
       &ParseClockSet, &RunClockSet, false},
      {"display-read", "-o FILE.rw8",
       "the display unit's configuration with its outputs (at 0x80, 19200 baud) as a display file,\n"
       "      as the display dialog's Save writes it; exit 6 file cannot be written",
       &ParseDisplayRead, &RunDisplayRead, false},
      {"display-write", "FILE.rw8",
       "writes a display file to the display unit as Open, the outputs dialog's OK and OK do;\n"
       "      exit 4 bad display file (checksum, range, missing key: nothing is sent), 6 file cannot\n"
       "      be read",
       &ParseDisplayWrite, &RunDisplayWrite, false},
      {"display-contrast", "N", "sets the display unit's contrast 0..20 as the contrast edit does",
       &ParseDisplayContrast, &RunDisplayContrast, false},
      {"param-report", "[-o FILE.pdf]",
       "the module's parameter report as the parametrization dialog's Aktualisieren reads it (only\n"
       "      reads); with -o also printed into a PDF file as its Drucken prints it",
       &ParseParamReport, &RunParamReport, true},
      {"scan", "[--display]",
       "reads the type at addresses 0..31 (300 ms each) and prints one line per module that answers:\n"
       "      \"address: 5  type: 1 pH  kind: 4  identity: A123\"; --display also asks the display unit\n"
       "      (0x80, 19200 baud); exit 1 when none answered, 130 after Ctrl-C",
       &ParseScan, &RunScan, false},
      {"history",
       "[--module IDENTITY] [--address A] [--kind KIND] [--since DATE] [--until DATE] [--json]\n"
       "                     | verify [--head SEQ:HASH] | head | init",
       "the module history, oldest first: one line per event (local time, identity, address, kind,\n"
       "      summary), --json one JSON object per line; DATE is YYYY-MM-DD or \"YYYY-MM-DD hh:mm[:ss]\".\n"
       "      history verify checks the file and walks the chain: exit 0 \"N events, chain intact\", 1\n"
       "      naming the first event that breaks it, the damage, or a head it lost (the one this\n"
       "      program saw, or --head SEQ:HASH from a report or another machine: rolled back or\n"
       "      rewritten); history head prints SEQ:HASH of the last event; history init makes the\n"
       "      history (or brings its schema up to date) and records nothing; 6 it cannot be read",
       &ParseHistory, &RunHistory, false},
      {"calibrate",
       "[--procedure NAME] [--buffers SET] [--auto] [--reference VALUE]... [--save|--no-save]\n"
       "                [--save-implausible] [--certificate FILE.pdf] [--poll MS]",
       "the module's calibration with the assistant: each poll prints the value, temperature, drift,\n"
       "      noise and whether it is stable; a point is taken when stable (--auto) or on Enter; pH\n"
       "      references come from the buffer set (din19266, technical, din19267, own) at the measured\n"
       "      temperature, others from the last values used on the module, --reference gives them in\n"
       "      order; NAME chooses between a type's two procedures (air-pressure, ph-compensation, ...);\n"
       "      --save writes a plausible result, --save-implausible also an implausible one; exit 9 no\n"
       "      result (equal points, refused entry, given up), 10 result not plausible, 11 the sensor did\n"
       "      not settle within the time limit (--auto)",
       &ParseCalibrate, &RunCalibrate, true},
      {"report", "[--since DATE] [--until DATE] [--module IDENTITY] [--site TEXT] -o FILE.pdf",
       "the service report of a visit from the history as a PDF file (A4): per module as found and\n"
       "      as left, calibrations, logger readouts, clock settings, the chain state and signature\n"
       "      lines; default: today's events of every module; the site is kept for the next report;\n"
       "      exit 6 the file cannot be written or the history cannot be read",
       &ParseReport, &RunReport, true},
  };
  return table;
}

const Command* FindCommand(const std::string& name) {
  for (const Command& c : Commands())
    if (name == c.name) return &c;
  return nullptr;
}

void PrintHelp(std::ostream& out) {
  out << platform::HelpText(kCliLine)
      << "\n"
         "Commands:\n";
  for (const Command& c : Commands()) {
    out << "  " << c.name;
    if (*c.synopsis) out << ' ' << c.synopsis;
    out << "\n      " << c.summary << '\n';
  }
  out << "\n"
         "Exit status: 0 success, 1 the module does not answer, 2 usage error,\n"
         "3 the port cannot be opened, 6 a file cannot be read or written (every output\n"
         "file, the --trace file included, is checked before the module is asked).\n";
}

int RunCommand(CliContext& ctx, const std::string& name, Args args) {
  const Command* c = FindCommand(name);
  if (!c) return ctx.Usage("unknown command \"" + name + "\"");
  if (!ctx.options().addresses.empty() && c->run != &RunLive)
    return ctx.Usage("--address takes a list only for live; " + name + " asks one module");
  CommandOptions options;
  if (const std::string error = c->parse(args, ctx.link().baudRate(), options); !error.empty()) return ctx.Usage(error);
  if (!ctx.settingsProblem().empty()) {
    ctx.err() << ctx.settingsProblem() << '\n' << std::flush;
    return kExitFile;
  }
  if (!ctx.StartTrace()) return kExitFile;
  int rc = c->run(ctx, options);
  // A trace that could not be written changes only a success.
  if (!ctx.FinishTrace() && rc == kExitOk) rc = kExitFile;
  // What the history could not take is said; the command's status stays.
  ctx.FinishHistory();
  return rc;
}

int Main(int argc, char** argv, std::ostream& out, std::ostream& err) {
  Args args(argv + 1, argv + argc);
  switch (platform::RequestOf(args)) {
    case platform::LineRequest::kHelp: PrintHelp(out); return kExitOk;
    case platform::LineRequest::kVersion:
      return platform::AnswerHelpOrVersion(kCliLine, platform::LineRequest::kVersion, out);
    case platform::LineRequest::kRun: break;
  }
  CommonOptions options;
  std::string error;
  if (!ParseCommonOptions(args, options, &error)) return platform::AnswerUsageError("korvane-cli", error, err);
  ArgReader reader(args);
  const std::optional<std::string> name = reader.Positional();
  if (!name) {
    // Whatever is left is an option the command line does not know.
    return platform::AnswerUsageError("korvane-cli", reader.Done() ? "no command given" : reader.error(), err);
  }
  const Command* command = FindCommand(*name);
  if (!command) return platform::AnswerUsageError("korvane-cli", "unknown command \"" + *name + "\"", err);

  // Qt's notice about a missing XDG_RUNTIME_DIR (a shell without a login session) is
  // no concern of a script reading our stderr; everything else Qt says still shows.
  static QtMessageHandler qtDefault = nullptr;
  qtDefault = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    if (qtDefault) qtDefault(type, context, text);
  });
  std::unique_ptr<QCoreApplication> app;
  if (command->needsGui) {
    // Painting needs fonts, not a screen.
    if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  CliContext ctx(options, out, err);
  return RunCommand(ctx, *name, std::move(args));
}

}  // namespace korvane::cli
