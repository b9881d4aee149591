#pragma once
// The calibration certificate: one A4 page per calibration event with the module and
// its identity, the procedure, every point's figures, the values before and after
// against their limits, the verdict, the technician and a signature line. Pure layout
// on any PageTarget (a PDF file, a printer, a recording page in the tests).
#include "history/Event.h"
#include "platform/Language.h"
#include "platform/Page.h"

namespace korvane::history {

// Lays the event out and ends the job; false when it failed.
bool LayoutCertificate(platform::PageTarget& page, const Event& calibration, Language language);

}  // namespace korvane::history
