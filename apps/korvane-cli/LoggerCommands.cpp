// korvane-cli logger-info, logger-read, logger-clear: the logger buttons of the display
// unit and module logger dialogs without windows.
#include "LoggerCommands.h"

#include <ostream>

#include "configuration/ConfigLists.h"
#include "configuration/ConfigTransfer.h"
#include "logger/DeviceClock.h"
#include "logger/LoggerReadout.h"
#include "logger/LoggerTexts.h"
#include "logger/render/ChartFile.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::cli {
namespace {

constexpr int kExitShort = 8;  // the stream ended before the announced records

constexpr types::Text kNoChart{"cli",
                               QT_TRANSLATE_NOOP("cli", "korvane-cli: kein Diagramm: es kamen keine Datensätze an")};

// The display unit answers at 0x80 and listens at 19200 baud, as the display unit's
// dialog talks to it; a module at the address and rate of the common options.
void SelectDisplayUnit(CliContext& ctx) {
  ctx.context().address = link::kDisplayAddress;
  ctx.link().ClosePort();
  ctx.link().setBaudRate(link::kMediumBaud);
}

// The line goes back to the rate every flow starts from.
void RestoreSlowRate(CliContext& ctx) {
  ctx.link().ClosePort();
  ctx.link().setBaudRate(link::kSlowBaud);
}

}  // namespace

int RunLoggerInfo(CliContext& ctx, const CommandOptions&) {
  SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  logger::LoggerReadout readout(ctx.link(), ctx.ui(), ctx.context());
  const std::optional<std::string> text = readout.InformationText();
  RestoreSlowRate(ctx);
  if (!text) return kExitNoAnswer;  // the communication error is on stderr
  // The unit's lines end in LF CR; a terminal wants LF.
  std::string lines;
  for (char c : *text)
    if (c != '\r') lines += c;
  ctx.out() << lines << '\n' << std::flush;
  return kExitOk;
}

int RunLoggerRead(CliContext& ctx, const CommandOptions& o) {
  const bool display = o.display;
  const bool charted = !o.chart.empty();
  // The export and the chart are checked before the module is asked: neither may wait
  // for a readout to fail, nor be the other's file.
  std::vector<std::string> outputs{o.output};
  if (charted) outputs.push_back(o.chart);
  if (const int rc = ctx.CheckOutputs(outputs); rc != kExitOk) return rc;

  logger::ReadoutSource source;
  source.displayUnit = display;
  if (display) SelectDisplayUnit(ctx);
  // The module streams at its fast rate: refused before the configuration is read.
  if (const int rc = display ? kExitOk : ctx.RefuseFixedRate(); rc != kExitOk) return rc;
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
      ctx.ui().Message(Tr(ctx.language(), configuration::texts::kNotQx7100), platform::kAppTitle);
      return kExitNoAnswer;
    }
    source.deviceKind = m.deviceKind;
    source.typeIndex = m.typeIndex;
    source.identity = m.identity;
  }

  logger::LoggerReadout readout(ctx.link(), ctx.ui(), ctx.context());
  InterruptGuard interrupt([&] { ctx.ui().cancelled = true; });
  const logger::ReadoutResult result = readout.Read(o.output, source);
  // Whether the port was open is asked before the display unit's rate is left.
  const bool opened = ctx.link().portOpen() || ctx.link().isLineLost();
  if (display) RestoreSlowRate(ctx);
  using Status = logger::ReadoutResult::Status;
  if (result.status == Status::kNoAnswer) return opened ? kExitNoAnswer : kExitPortFailed;
  if (result.status == Status::kFileError) return kExitFile;
  ctx.out() << "records: " << result.records << '\n' << std::flush;
  // As the dialog does, the chart shows whatever arrived, also after a cancel.
  if (charted && !readout.table().empty()) {
    std::string why;
    if (!logger::SaveChartFile(o.chart, readout.table(), readout.columnNames()[0], source.identity, &why,
                               ctx.language())) {
      ctx.ui().Message(std::string(Tr(ctx.language(), logger::texts::kCannotWrite)) + " " + o.chart + ": " + why,
                       platform::kAppTitle);
      return kExitFile;
    }
  } else if (charted) {
    ctx.err() << Tr(ctx.language(), kNoChart) << '\n';
  }
  switch (result.status) {
    case Status::kCancelled: return kExitInterrupted;
    case Status::kLineLost: return kExitNoAnswer;
    default: break;
  }
  return result.shortOfAnnounced() ? kExitShort : kExitOk;
}

int RunLoggerClear(CliContext& ctx, const CommandOptions& o) {
  const bool display = o.display;
  if (display) SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  logger::LoggerReadout readout(ctx.link(), ctx.ui(), ctx.context());
  const bool cleared = readout.Clear(display, true);
  if (display) RestoreSlowRate(ctx);
  return cleared ? kExitOk : kExitNoAnswer;
}

int RunClockSet(CliContext& ctx, const CommandOptions& o) {
  const bool display = o.display;
  const platform::LocalTime t = o.time.value_or(ctx.clock()());
  // The PC's clock, too, must show a date the device can take.
  if (!logger::IsDeviceTime(t))
    return ctx.Usage(
        platform::StringPrintf("the PC's clock shows %04d-%02d-%02d %02d:%02d:%02d, which the device's clock "
                               "cannot take: give --time \"YYYY-MM-DD hh:mm:ss\"",
                               t.year, t.month, t.day, t.hour, t.minute, t.second));
  if (display) SelectDisplayUnit(ctx);
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  const bool set = logger::SetDeviceClock(ctx.link(), ctx.ui(), ctx.context(), t);
  if (display) RestoreSlowRate(ctx);
  return set ? kExitOk : kExitNoAnswer;
}

}  // namespace korvane::cli
