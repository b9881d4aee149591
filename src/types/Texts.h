#pragma once
// Language text pairs (platform::TextPair) shared by several subsystems.
#include "platform/TextPair.h"

namespace korvane::types {

using platform::TextPair;

inline constexpr TextPair kCancel{"Abbrechen", "Cancel"};
inline constexpr TextPair kCommError{"Fehler in der Datenkommunikation!", "Error data communication!"};
inline constexpr TextPair kTransferCaption{"Datenübertragung", "Data transmission"};
inline constexpr TextPair kTransferText{"Datenübertragung läuft.", "Wait for data transmission."};
inline constexpr TextPair kNotAvailable{"Diese Funktion ist noch nicht verfügbar.",
                                        "This function is not available yet."};
inline constexpr TextPair kModuleSilent{"Das Modul antwortet nicht mehr.", "The module does not answer any more."};
// A write sequence that lost replies; %d is the number of writes without one.
inline constexpr TextPair kUnansweredWrites{
    "Das Modul hat %d Schreibbefehle nicht bestätigt: die Einstellungen sind möglicherweise nicht vollständig "
    "gespeichert.",
    "The module did not acknowledge %d writes: the settings may not all be stored."};
inline constexpr TextPair kLineLostWhileWriting{
    "Die Verbindung zum Modul ist beim Schreiben abgebrochen: die Einstellungen sind nicht vollständig gespeichert.",
    "The connection to the module was lost while writing: the settings are not all stored."};
// Heads the message about a file that cannot be written; its path and the reason follow.
inline constexpr TextPair kCannotWriteFile{"Die Datei kann nicht geschrieben werden:", "The file cannot be written:"};
// Closes the message of a save that failed: the file on disk is the one from before.
inline constexpr TextPair kNothingSaved{"Es wurde nichts gespeichert; eine vorhandene Datei bleibt unverändert.",
                                        "Nothing was saved; an existing file is left unchanged."};

}  // namespace korvane::types
