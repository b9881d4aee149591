// korvane-cli param-report: the parametrization dialog's "Aktualisieren" and "Drucken"
// without windows. It only reads: no write and no command reaches the module.
#include "ParamCommands.h"

#include <ostream>

#include "link/Link.h"
#include "parametrization/Parametrization.h"
#include "parametrization/ParametrizationDialogs.h"

namespace korvane::cli {
namespace {

// A report never measures, so no raw value window is ever opened.
class NoRawValueWindow : public parametrization::RawValueView {
 public:
  void Open(std::uint32_t) override {}
  void Show(std::uint32_t) override {}
  void Close() override {}
};

}  // namespace

int RunParamReport(CliContext& ctx, const CommandOptions& o) {
  const bool print = !o.output.empty();
  // Nothing is asked of the module when the printout could not be kept.
  if (const int rc = print ? ctx.CheckOutputs({o.output}) : kExitOk; rc != kExitOk) return rc;
  if (const int rc = ctx.OpenPort(); rc != kExitOk) return rc;
  // The report names the module's own type, as the dialog's does after the type write.
  if (!ctx.link().Read(ctx.context().address, link::kType)) return ctx.CommError();

  NoRawValueWindow raw;
  parametrization::ParamFields fields;
  parametrization::Parametrization session(ctx.link(), ctx.ui(), ctx.context(), raw, fields, ctx.clock());
  if (session.ReadParameterReport() != parametrization::Parametrization::ReportStatus::kDone)
    return kExitNoAnswer;  // the communication error is on stderr
  std::string lines;
  for (char c : fields.report)
    if (c != '\r') lines += c;
  ctx.out() << lines << std::flush;
  if (print) {
    ctx.ui().printPdf = o.output;
    if (!session.PrintParameterReport()) return kExitFile;
  }
  return kExitOk;
}

}  // namespace korvane::cli
