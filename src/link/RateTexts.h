#pragma once
// What the user is told about the module's rate: found at another rate and set back,
// or possibly still at its fast rate after the line went away.
#include <string>

#include "platform/Language.h"

namespace korvane::link {

// "Modul antwortete mit 19200 Baud; zurück auf 4800 gestellt."; a module found at 4800
// (the PC was at another rate) is not said to have been set back.
std::string RateRecoveredText(int found, Language language);
// The line went away while a baud change had the module at rate: it may still listen
// there, and the next action brings it back.
std::string StillAtRateText(int rate, Language language);

}  // namespace korvane::link
