#pragma once
// What the history says to the user, in both languages: the one-line summary of an
// event, the outcome of a chain check, and what could not be recorded and why.
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "history/Recorder.h"
#include "platform/Language.h"

namespace korvane::history {

// One line: what the event did, from its kind and details.
std::string Summary(const Event& e, Language language);

// "N events, chain intact", or the first event that breaks the chain and how.
std::string VerificationText(const Verification& v, Language language);

// One message for records given up together: what they were, why (the last reason)
// and that the next flow tries again.
std::string NotRecordedText(const std::vector<NotRecorded>& failures, Language language);

// An identity as a listing shows it: the module's bytes, those that are not printable
// (and the backslash) as "\xNN"; "-" when empty.
std::string ShownIdentity(const std::string& identity);

}  // namespace korvane::history
