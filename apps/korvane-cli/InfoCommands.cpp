// korvane-cli info: what the module says it is.
#include <ostream>

#include "Commands.h"
#include "platform/ShownText.h"
#include "types/Catalogue.h"
#include "types/Cp1252.h"

namespace korvane::cli {

int RunInfo(CliContext& ctx, const CommandOptions&) {
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;

  // Type (u8), firmware (float), identity (four characters), device kind (u8).
  for (link::Parameter p : {link::kType, link::kFirmware, link::kIdentity, link::kDeviceKind})
    if (!ctx.link().Read(ctx.context().address, p)) return ctx.CommError();

  const link::ModuleState& m = ctx.link().module();
  const int wire = m.ParameterByte(link::kType.number);
  ctx.out() << "type: " << wire << ' ' << types::TypeName(wire - 1, ctx.language()) << '\n'
            << "firmware: " << m.firmwareText << '\n'
            << "identity: " << platform::ShownText(types::FromWindows1252(m.identity)) << '\n'
            << "device kind: " << m.deviceKind << '\n'
            << std::flush;
  return kExitOk;
}

}  // namespace korvane::cli
