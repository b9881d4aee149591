#pragma once
// Button "Parametrieren": the type selection, the line at the type's rate, the type
// written, the parametrization dialog, the closing commands, and the line back at 4800
// baud and closed on every path.
#include "link/FlowContext.h"
#include "parametrization/ParamFields.h"
#include "platform/Clock.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::parametrization {

class ParametrizationDialogs;

// fields: the dialog's fields, kept by the caller between runs.
void StartParametrization(link::Link& link, platform::Ui& ui, const link::FlowContext& context,
                          ParametrizationDialogs& dialogs, ParamFields& fields,
                          platform::Clock clock = platform::SystemClock());

}  // namespace korvane::parametrization
