#pragma once
// What the user is told about the line: a port that does not open, a request that went
// unanswered, and the module's rate (found at another rate and set back, or possibly
// still at its fast rate after the line went away).
#include <string>

#include "platform/Language.h"

namespace korvane::link {

// The port by the device given instead of a COM number (deviceGiven non-empty), else by its
// COM number, then why, after a blank line.
std::string CannotOpenText(Language language, const std::string& deviceGiven, int com, const std::string& why);
// The communication error and why: the line's loss (lostReason, with the rate a baud
// change left the module at, 0: none) or the device on which nothing answered. A request
// refused because another flow held the line never reached the device: no reason then.
struct CommErrorFacts {
  bool refused = false;
  bool lineLost = false;
  std::string lostReason;
  int lostAtRate = 0;
  std::string device;
};
std::string CommErrorText(Language language, const CommErrorFacts& facts);
// "Modul antwortete mit 19200 Baud; zurück auf 4800 gestellt."; a module found at 4800
// (the PC was at another rate) is not said to have been set back.
std::string RateRecoveredText(int found, Language language);
// The line went away while a baud change had the module at rate: it may still listen
// there, and the next action brings it back.
std::string StillAtRateText(int rate, Language language);

}  // namespace korvane::link
