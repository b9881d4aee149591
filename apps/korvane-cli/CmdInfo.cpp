// korvane-cli info: what the module says it is.
#include <ostream>

#include "Commands.h"
#include "types/Catalogue.h"

namespace korvane::cli {

int RunInfo(CliContext& ctx, Args& args) {
  ArgReader r(args);
  if (!r.Done()) return ctx.Usage(r.error());
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;

  // Type (u8), firmware (float), identity (four characters), device kind (u8).
  const std::pair<std::uint8_t, std::uint8_t> reads[] = {{28, 1}, {31, 4}, {26, 4}, {29, 1}};
  for (const auto& [parameter, length] : reads)
    if (!ctx.Read(parameter, length)) return ctx.CommError();

  const link::ModuleState& m = ctx.link().module();
  const int wire = m.ParameterByte(28);
  ctx.out() << "type: " << wire << ' ' << types::TypeName(wire - 1, ctx.language()) << '\n'
            << "firmware: " << m.firmwareText << '\n'
            << "identity: " << m.identity << '\n'
            << "device kind: " << m.deviceKind << '\n'
            << std::flush;
  return kExitOk;
}

}  // namespace korvane::cli
