// korvane-cli scan: the modules on the line, one line each.
#include <ostream>

#include "Commands.h"
#include "platform/Texts.h"
#include "scan/BusScan.h"
#include "scan/ScanTexts.h"

namespace korvane::cli {

int RunScan(CliContext& ctx, const CommandOptions& options) {
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;

  InterruptGuard interrupt([&] { ctx.ui().cancelled = true; });
  const scan::ScanResult result = scan::ScanBus(ctx.link(), ctx.ui(), ctx.language(), options.display);
  for (const scan::ScanHit& hit : result.found) ctx.out() << scan::ScanLine(hit, ctx.language()) << '\n';
  ctx.out() << std::flush;
  if (result.lineLost) return ctx.CommError();
  if (result.cancelled) {
    ctx.err() << Tr(ctx.language(), scan::kCancelled) << '\n' << std::flush;
    return kExitInterrupted;
  }
  if (result.found.empty()) {
    ctx.err() << Tr(ctx.language(), scan::kNoneFound) << '\n' << std::flush;
    return kExitNoAnswer;
  }
  return kExitOk;
}

}  // namespace korvane::cli
