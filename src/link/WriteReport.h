#pragma once
// What a write sequence got back from the module: the writes whose acknowledgement the
// reply rules expect but that got none, and whether the line went away (the sequence
// then stopped).
#include <string>

#include "platform/Language.h"

namespace korvane::link {

struct WriteReport {
  int unanswered = 0;
  bool lineLost = false;
  int acknowledged = 0;  // writes and commands the module acknowledged where the reply rules expect it
  bool ok() const { return unanswered == 0 && !lineLost; }
};

// The message for a report that is not ok, in the language; empty for an ok one.
std::string WriteReportText(const WriteReport& report, Language language);

}  // namespace korvane::link
