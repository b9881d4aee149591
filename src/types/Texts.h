#pragma once
// Texts shared by several subsystems.
#include "platform/CommonTexts.h"
#include "platform/Text.h"

namespace korvane::types {

using platform::Text;

using platform::kCancel;
inline constexpr Text kCommError{"common", QT_TRANSLATE_NOOP("common", "Fehler in der Datenkommunikation!")};
inline constexpr Text kTransferCaption{"common", QT_TRANSLATE_NOOP("common", "Datenübertragung")};
inline constexpr Text kTransferText{"common", QT_TRANSLATE_NOOP("common", "Datenübertragung läuft.")};
inline constexpr Text kNotAvailable{"common", QT_TRANSLATE_NOOP("common", "Diese Funktion ist noch nicht verfügbar.")};
inline constexpr Text kModuleSilent{"common", QT_TRANSLATE_NOOP("common", "Das Modul antwortet nicht mehr.")};
// A write sequence that lost replies; %1 is the number of writes without one.
inline constexpr Text kUnansweredWrites{
    "common",
    QT_TRANSLATE_NOOP(
        "common",
        "Das Modul hat %1 Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig "
        "gespeichert.")};
inline constexpr Text kLineLostWhileWriting{
    "common", QT_TRANSLATE_NOOP("common",
                                "Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht "
                                "vollständig gespeichert.")};
// Heads the message about a file that cannot be written; its path and the reason follow.
inline constexpr Text kCannotWriteFile{"common",
                                       QT_TRANSLATE_NOOP("common", "Die Datei kann nicht geschrieben werden:")};
// Closes the message of a save that failed: the file on disk is the one from before.
inline constexpr Text kNothingSaved{
    "common", QT_TRANSLATE_NOOP("common", "Es wurde nichts gespeichert; eine vorhandene Datei bleibt unverändert.")};

}  // namespace korvane::types
