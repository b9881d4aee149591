// korvane-cli logger-info, logger-read, logger-clear: the logger buttons of the display
// unit and module logger dialogs without windows.
#include "LoggerCommands.h"

#include <cstdio>
#include <ostream>

#include "configuration/ConfigLists.h"
#include "configuration/ConfigTransfer.h"
#include "logger/DeviceClock.h"
#include "logger/LoggerReadout.h"
#include "logger/LoggerTexts.h"
#include "logger/widgets/ChartFile.h"

namespace korvane::cli {
namespace {

constexpr int kExitShort = 8;          // the stream ended before the announced records
constexpr int kExitInterrupted = 130;  // Ctrl-C, like the cancel button

// The display unit answers at 0x80 and listens at 19200 baud, as the display unit's
// dialog talks to it; a module at the address and rate of the common options.
void SelectDisplayUnit(CliContext& ctx) {
  ctx.context().address = link::kDisplayAddress;
  ctx.link().ClosePort();
  ctx.link().setBaudRate(19200);
}

// The line goes back to the rate every flow starts from.
void Restore4800(CliContext& ctx) {
  ctx.link().ClosePort();
  ctx.link().setBaudRate(4800);
}

}  // namespace

int RunLoggerInfo(CliContext& ctx, Args& args) {
  ArgReader r(args);
  if (!r.Done()) return ctx.Usage(r.error());
  SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  logger::LoggerReadout readout(ctx.link(), ctx.ui(), ctx.context());
  const std::optional<std::string> text = readout.InformationText();
  Restore4800(ctx);
  if (!text) return kExitNoAnswer;  // the communication error is on stderr
  // The unit's lines end in LF CR; a terminal wants LF.
  std::string lines;
  for (char c : *text)
    if (c != '\r') lines += c;
  ctx.out() << lines << '\n' << std::flush;
  return kExitOk;
}

int RunLoggerRead(CliContext& ctx, Args& args) {
  ArgReader r(args);
  std::string path;
  if (!r.Value("-o", &path)) return ctx.Usage(r.failed() ? r.error() : "logger-read needs -o FILE");
  const bool display = r.Flag("--display");
  std::string chart;
  const bool charted = r.Value("--chart", &chart);
  if (!r.Done()) return ctx.Usage(r.error());
  if (path.empty()) return ctx.Usage("-o needs a file name");
  if (charted && !logger::IsChartFileName(chart)) return ctx.Usage("--chart needs a file ending in .pdf or .png");
  if (charted && display) return ctx.Usage("--chart draws a module's logger; the display unit's has no chart");

  logger::ReadoutSource source;
  source.displayUnit = display;
  if (display) SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  if (!display) {
    // As after opening the configuration dialog on the module: its kind, type and
    // identity come from the configuration read.
    configuration::ConfigTransfer transfer(ctx.link(), ctx.ui(), ctx.context());
    transfer.setPauseBeforeDialog(false);
    configuration::ConfigSettings s;
    if (!transfer.ReadConfigurationSequence(s)) return kExitNoAnswer;
    const link::ModuleState& m = ctx.link().module();
    if (!logger::HasLongRecords(m.deviceKind)) {
      ctx.ui().Message(configuration::texts::kNotQx7100(ctx.language()), platform::kAppTitle);
      return kExitNoAnswer;
    }
    source.deviceKind = m.deviceKind;
    source.typeIndex = m.typeIndex;
    source.identity = m.identity;
  }

  logger::LoggerReadout readout(ctx.link(), ctx.ui(), ctx.context());
  InterruptGuard interrupt([&] { ctx.ui().cancelled = true; });
  const logger::ReadoutResult result = readout.Read(path, source);
  if (display) Restore4800(ctx);
  using Status = logger::ReadoutResult::Status;
  if (result.status == Status::kNoAnswer)
    return ctx.link().portOpen() || ctx.link().isLineLost() ? kExitNoAnswer : kExitPortFailed;
  if (result.status == Status::kFileError) return kExitFile;
  ctx.out() << "records: " << result.records << '\n' << std::flush;
  // As the dialog does, the chart shows whatever arrived, also after a cancel.
  if (charted && !readout.table().empty()) {
    std::string why;
    if (!logger::SaveChartFile(chart, readout.table(), readout.columnNames()[0], source.identity, &why,
                               ctx.language())) {
      ctx.ui().Message(std::string(logger::texts::kCannotWrite(ctx.language())) + " " + chart + ": " + why,
                       platform::kAppTitle);
      return kExitFile;
    }
  } else if (charted) {
    ctx.err() << "korvane-cli: no chart: no records arrived\n";
  }
  switch (result.status) {
    case Status::kCancelled: return kExitInterrupted;
    case Status::kLineLost: return kExitNoAnswer;
    default: break;
  }
  return result.shortOfAnnounced() ? kExitShort : kExitOk;
}

int RunLoggerClear(CliContext& ctx, Args& args) {
  ArgReader r(args);
  const bool display = r.Flag("--display");
  const bool yes = r.Flag("--yes");
  if (!r.Done()) return ctx.Usage(r.error());
  // Nothing is cleared without the answer the dialog would ask for.
  if (!yes) return ctx.Usage("logger-clear needs --yes: it erases the logger's data sets");
  if (display) SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  logger::LoggerReadout readout(ctx.link(), ctx.ui(), ctx.context());
  const bool cleared = readout.Clear(display, true);
  if (display) Restore4800(ctx);
  return cleared ? kExitOk : kExitNoAnswer;
}

int RunClockSet(CliContext& ctx, Args& args) {
  ArgReader r(args);
  const bool display = r.Flag("--display");
  std::string text;
  const bool given = r.Value("--time", &text);
  if (!r.Done()) return ctx.Usage(r.error());
  platform::LocalTime t = ctx.clock()();
  if (given) {
    // "YYYY-MM-DD hh:mm:ss", the fields within their calendar ranges.
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6 || y < 2000 ||
        mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59 || h < 0 || mi < 0 || s < 0)
      return ctx.Usage("--time takes \"YYYY-MM-DD hh:mm:ss\", not \"" + text + "\"");
    t = {y, mo, d, h, mi, s};
  }
  if (display) SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  const bool set = logger::SetDeviceClock(ctx.link(), ctx.ui(), ctx.context(), t);
  if (display) Restore4800(ctx);
  return set ? kExitOk : kExitNoAnswer;
}

}  // namespace korvane::cli
