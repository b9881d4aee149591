#pragma once
// The display unit configuration's messages, German and English.
#include "types/Texts.h"

namespace korvane::display::texts {

using types::TextPair;

// Files. The load message names the file and the first bad line.
inline constexpr TextPair kCannotLoad{"Die Anzeigedatei wurde nicht übernommen:", "The display file was not loaded:"};
inline constexpr TextPair kCannotSave{"Die Anzeigedatei kann nicht geschrieben werden:",
                                      "The display file cannot be written:"};
inline constexpr TextPair kCannotRead{"Die Anzeigedatei kann nicht gelesen werden:",
                                      "The display file cannot be read:"};
inline constexpr TextPair kLine{"Zeile %d: %s", "Line %d: %s"};
inline constexpr TextPair kNotKeyValue{"keine Zeile der Form SCHLÜSSEL==Wert", "not a KEY==value line"};
inline constexpr TextPair kUnknownKey{"unbekannter Schlüssel %s", "unknown key %s"};
inline constexpr TextPair kRepeatedKey{"%s steht zum zweiten Mal in der Datei", "%s appears a second time"};
inline constexpr TextPair kNotInRange{"%s: \"%s\" ist keine ganze Zahl von %d bis %d",
                                      "%s: \"%s\" is not a whole number from %d to %d"};
inline constexpr TextPair kNotNumber{"%s: \"%s\" ist keine Zahl", "%s: \"%s\" is not a number"};
inline constexpr TextPair kMissingKey{"%s fehlt vor der Prüfsummenzeile", "%s is missing before the checksum line"};
inline constexpr TextPair kChecksum{"die Prüfsumme stimmt nicht (Datei beschädigt oder verändert)",
                                    "the checksum does not match (file damaged or changed)"};
inline constexpr TextPair kNoChecksum{"die Prüfsummenzeile CECKSUMM fehlt", "the checksum line CECKSUMM is missing"};
inline constexpr TextPair kAfterChecksum{"Text nach der Prüfsummenzeile", "text after the checksum line"};
inline constexpr TextPair kNothingApplied{"Es wurde nichts übernommen.", "Nothing was applied."};

// Validation of the dialogs' OK: the field, then its range.
inline constexpr TextPair kWholeNumber{"%s: bitte eine ganze Zahl von %d bis %d eingeben.",
                                       "%s: please enter a whole number from %d to %d."};
inline constexpr TextPair kNumber{"%s: bitte eine Zahl eingeben (z. B. 12,5).",
                                  "%s: please enter a number (e.g. 12.5)."};
// Field names of those messages.
inline constexpr TextPair kPositionAddress{"Adresse der Anzeige %d", "address of display %d"};
inline constexpr TextPair kVirtualAddress{"Adresse %d von virtuell %d", "address %d of virtual %d"};
inline constexpr TextPair kLoggerIntervalField{"Datenloggerintervall", "data logger interval"};
inline constexpr TextPair kContrastField{"Kontrast", "brightness"};
inline constexpr TextPair kSerialIntervalField{"serielles Intervall", "serial interval"};
inline constexpr TextPair kLowerField{"DAC%d untere Grenze", "DAC%d lower limit"};
inline constexpr TextPair kUpperField{"DAC%d obere Grenze", "DAC%d upper limit"};
inline constexpr TextPair kLimitField{"Relais%d Grenzwert", "relay %d limit value"};
inline constexpr TextPair kHysteresisField{"Relais%d Hysterese", "relay %d hysterese"};

}  // namespace korvane::display::texts
