// korvane-cli param-report: the parametrization dialog's "Aktualisieren" and "Drucken"
// without windows. It only reads: no write and no command reaches the module.
#include "ParamCommands.h"
#include "ConfigCommands.h"

#include <ostream>

#include "link/Link.h"
#include "parametrization/Parametrization.h"
#include "parametrization/ParametrizationDialogs.h"
#include "platform/SafeFile.h"

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

int RunParamReport(CliContext& ctx, Args& args) {
  ArgReader r(args);
  std::string pdf;
  const bool print = r.Value("-o", &pdf);
  if (r.failed()) return ctx.Usage(r.error());
  if (!r.Done()) return ctx.Usage(r.error());
  if (print && pdf.empty()) return ctx.Usage("-o needs a file name");
  // Nothing is asked of the module when the printout could not be kept.
  if (print) {
    std::string problem = platform::WriteTargetProblem(pdf, ctx.language());
    if (problem.empty()) problem = AccessProblem(pdf, ctx.language());
    if (!problem.empty()) {
      ctx.ui().Message(pdf + ": " + problem, platform::kAppTitle);
      return kExitFile;
    }
  }
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
    ctx.ui().printPdf = pdf;
    if (!session.PrintParameterReport()) return kExitFile;
  }
  return kExitOk;
}

}  // namespace korvane::cli
