#pragma once
// What the history says to the user, in both languages: the one-line summary of an
// event, the outcome of a chain check, and what could not be recorded and why.
#include <functional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "history/Recorder.h"
#include "platform/Language.h"
#include "platform/Text.h"

namespace korvane::history {

// Titles other subsystems show too: the print job, the PDF, the main window's button.
inline constexpr platform::Text kCertificateTitle{"history", QT_TRANSLATE_NOOP("history", "Kalibrierzertifikat")};
inline constexpr platform::Text kCertificateFilePrefix{
    "history", QT_TRANSLATE_NOOP3("history", "Kalibrierung", "the start of a certificate's file name")};
inline constexpr platform::Text kReportTitle{"history", QT_TRANSLATE_NOOP("history", "Servicebericht")};
inline constexpr platform::Text kHistoryButton{"history", QT_TRANSLATE_NOOP("history", "Historie…")};

// One line: what the event did, from its kind and details.
std::string Summary(const Event& e, Language language);
// The same with a configuration's fields by their names instead of their setup-file keys.
using FieldName = std::function<std::string(const std::string& key)>;
std::string Summary(const Event& e, Language language, const FieldName& fieldName);

// A calibration procedure by its name in the language ("Zweipunkt pH" / "pH two-point");
// a procedure this program does not know by its code.
std::string ProcedureName(const std::string& code, Language language);

// "N events, chain intact"; else one line for each head the history lost, the first
// event that breaks the chain and how, and the damage SQLite's check found.
std::string VerificationText(const Verification& v, Language language);
// That the history lost a head: which, when and by which program it was seen, where it
// was kept.
std::string RollbackText(const Rollback& rollback, Language language);

// One message for records given up together: what they were, why (the last reason)
// and that the next flow tries again.
std::string NotRecordedText(const std::vector<NotRecorded>& failures, Language language);

// An identity as a listing shows it: the module's bytes, those that are not printable
// (and the backslash) as "\xNN"; "-" when empty.
std::string ShownIdentity(const std::string& identity);

}  // namespace korvane::history
