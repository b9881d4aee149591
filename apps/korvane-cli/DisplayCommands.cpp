// korvane-cli display-read, display-write, display-contrast: the display unit dialog's
// roads without the dialog, at 0x80 and 19200 baud, and 4800 baud again afterwards.
#include "DisplayCommands.h"

#include <ostream>

#include "display/DisplayFile.h"
#include "display/DisplayTexts.h"
#include "display/DisplayTransfer.h"

namespace korvane::cli {
namespace {

constexpr int kExitBadFile = 4;  // the display file fails its checksum or a range

// The unit's answer to a request; the line gone says why.
int NoAnswer(CliContext& ctx) {
  if (ctx.link().isLineLost() && !ctx.link().openFailure().empty())
    ctx.err() << ctx.link().openFailure() << '\n' << std::flush;
  return kExitNoAnswer;
}

// Runs body at 19200 baud at the unit's address; the link is back at 4800 afterwards.
template <typename Body>
int AtDisplayRate(CliContext& ctx, display::DisplayTransfer& transfer, Body body) {
  ctx.context().address = link::kDisplayAddress;
  const bool open = transfer.UseDisplayRate();
  const int rc = open ? body() : kExitPortFailed;
  transfer.RestoreRate();
  return rc;
}

}  // namespace

int RunDisplayRead(CliContext& ctx, const CommandOptions& o) {
  const Language lang = ctx.language();
  // Nothing is asked of the unit when its answer could not be kept.
  if (const int rc = ctx.CheckOutputs({o.output}); rc != kExitOk) return rc;
  display::DisplayTransfer transfer(ctx.link(), ctx.ui(), lang, ctx.clock(), nullptr, ctx.context().log);
  display::DisplaySettings s;
  s.language = lang;
  const int rc = AtDisplayRate(ctx, transfer, [&]() -> int {
    // The dialog as it opens, and "Speichern" (which reads the outputs first).
    if (!transfer.ReadConfiguration(s) || !transfer.ReadOutputs(s.outputs)) return NoAnswer(ctx);
    transfer.RecordRead();
    return kExitOk;
  });
  if (rc != kExitOk) return rc;
  std::string error;
  if (!display::WriteDisplayFile(o.output, s, &error)) {
    ctx.ui().Message(error, platform::kAppTitle);
    return kExitFile;
  }
  return kExitOk;
}

int RunDisplayWrite(CliContext& ctx, const CommandOptions& o) {
  const Language lang = ctx.language();
  // The whole file is checked before anything is sent.
  display::DisplaySettings s;
  s.language = lang;
  std::string message;
  switch (display::ReadDisplayFile(o.input, s, &message)) {
    case display::FileRead::kOk: break;
    case display::FileRead::kUnreadable: ctx.ui().Message(message, platform::kAppTitle); return kExitFile;
    case display::FileRead::kBad: ctx.ui().Message(message, platform::kAppTitle); return kExitBadFile;
  }
  display::DisplayTransfer transfer(ctx.link(), ctx.ui(), lang, ctx.clock(), nullptr, ctx.context().log);
  return AtDisplayRate(ctx, transfer, [&]() -> int {
    // "Öffnen" in the dialog (its contrast goes out at once), then OK: the outputs from
    // the file as their dialog's OK writes them, the configuration and the store.
    if (!ctx.link().Read(link::kDisplayAddress, link::kType)) return ctx.CommError();
    if (!transfer.SendContrast(s.contrast)) return NoAnswer(ctx);
    const std::optional<link::WriteReport> report = transfer.WriteConfiguration(s);
    if (report) transfer.RecordWrite(s, *report, true, o.input);
    return report && report->ok() ? kExitOk : NoAnswer(ctx);
  });
}

int RunDisplayContrast(CliContext& ctx, const CommandOptions& o) {
  display::DisplayTransfer transfer(ctx.link(), ctx.ui(), ctx.language(), ctx.clock(), nullptr, ctx.context().log);
  return AtDisplayRate(ctx, transfer, [&]() -> int {
    if (!transfer.SendContrast(o.contrast)) return NoAnswer(ctx);
    transfer.RecordContrast(o.contrast);
    return kExitOk;
  });
}

}  // namespace korvane::cli
