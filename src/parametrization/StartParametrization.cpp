#include "parametrization/StartParametrization.h"

#include "link/FlowLog.h"
#include "link/Link.h"
#include "parametrization/ParamTexts.h"
#include "parametrization/Parametrization.h"
#include "parametrization/ParametrizationDialogs.h"
#include "parametrization/TypeNames.h"
#include "platform/Ui.h"

namespace korvane::parametrization {
namespace {

// The PC side changes rate without telling the module: close, pause, let the next
// OpenPort open at the new rate.
void SetLineRate(link::Link& link, int baud) {
  link.setBaudRate(baud);
  link.ClosePort();
  link.WaitSeconds(1);
}

void Run(link::Link& link, platform::Ui& ui, const link::FlowContext& context, ParametrizationDialogs& dialogs,
         ParamFields& fields, const platform::Clock& clock, int n, link::LineLease& line) {
  // The display module is parametrized at 19200 baud, which a line fixed at its server
  // cannot change to: refused before anything is sent.
  if (n == kDisplayModuleType && link.rateFixed()) {
    ui.Message(link.rateFixedMessage(Language::kGerman));  // as the rest of this flow
    return;
  }
  SetLineRate(link, n == kDisplayModuleType ? link::kMediumBaud : link::kSlowBaud);
  link.WaitSeconds(1);
  if (!link.OpenPort(Language::kGerman)) {  // nothing can be sent
    ui.Message(link.openMessage());
    return;
  }

  link.module().typeIndex = n;
  const link::Data4 type = link::ByteData(static_cast<std::uint8_t>(n + 1));
  link::FlowRecord record;
  record.kind = "parametrization";
  record.module.type = n + 1;
  record.details["type_written"] = n + 1;
  const bool answered = link.Write(context.address, link::kType, type);
  if (answered) {
    Parametrization session(link, ui, context, dialogs.rawValueView(), fields, clock);
    session.Initialize();
    // The dialog's buttons take the line one at a time while it is open.
    line.Release();
    dialogs.Run(session);
    record.details["adjustments"] = session.adjustments();
    record.details["dac_adjust_mode"] = session.usedAdjustMode();
    line = link.TakeLine();
    if (!line) {
      record.identify = false;  // another flow has the line: the module is not asked
      return link::RecordFlow(link, context, std::move(record));
    }
    session.Close();
  } else {
    ui.Message(link.commErrorMessage(Language::kGerman));
  }
  bool finished = link.Request(context.address, link::kTypeWritten, type);
  if (!finished) {
    ui.Message(texts::kNotFinished);
  } else {
    finished = link.Write(context.address, link::kType, type);
    ui.Message(finished ? texts::kFinished : texts::kNotFinished);
    link.Request(context.address, link::kStoreSettings, type);
  }
  record.details["finished"] = finished;
  // A module that never took the type was not parametrized.
  if (answered) link::RecordFlow(link, context, std::move(record));
}

}  // namespace

void StartParametrization(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                          ParametrizationDialogs& dialogs, ParamFields& fields, platform::Clock clock) {
  ui.Message(texts::kHoldMode);
  const std::optional<int> n = dialogs.SelectType();
  link::LineLease line = link.TakeLine();
  if (!line) return;
  if (n && *n >= 0 && *n < kTypeCount) Run(link, ui, context, dialogs, fields, clock, *n, line);
  if (!line) return;
  // The port reopens at 4800 with the next operation that needs it; until then the
  // device is free for other programs.
  SetLineRate(link, link::kSlowBaud);
  link.line().Close();
}

}  // namespace korvane::parametrization
