#pragma once
// The display unit configuration's messages, German and English.
#include "types/Texts.h"

namespace korvane::display::texts {

using types::Text;

// Files. The load message names the file and the first bad line.
inline constexpr Text kCannotLoad{"display", QT_TRANSLATE_NOOP("display", "Die Anzeigedatei wurde nicht übernommen:")};
inline constexpr Text kCannotSave{"display",
                                  QT_TRANSLATE_NOOP("display", "Die Anzeigedatei kann nicht geschrieben werden:")};
inline constexpr Text kCannotRead{"display",
                                  QT_TRANSLATE_NOOP("display", "Die Anzeigedatei kann nicht gelesen werden:")};
inline constexpr Text kLine{"display", QT_TRANSLATE_NOOP("display", "Zeile %1: %2")};
inline constexpr Text kNotKeyValue{"display", QT_TRANSLATE_NOOP("display", "keine Zeile der Form SCHLÜSSEL==Wert")};
inline constexpr Text kUnknownKey{"display", QT_TRANSLATE_NOOP("display", "unbekannter Schlüssel %1")};
inline constexpr Text kRepeatedKey{"display", QT_TRANSLATE_NOOP("display", "%1 steht zum zweiten Mal in der Datei")};
inline constexpr Text kNotInRange{"display",
                                  QT_TRANSLATE_NOOP("display", "%1: \"%2\" ist keine ganze Zahl von %3 bis %4")};
inline constexpr Text kNotNumber{"display", QT_TRANSLATE_NOOP("display", "%1: \"%2\" ist keine Zahl")};
inline constexpr Text kMissingKey{"display", QT_TRANSLATE_NOOP("display", "%1 fehlt vor der Prüfsummenzeile")};
inline constexpr Text kChecksum{
    "display", QT_TRANSLATE_NOOP("display", "die Prüfsumme stimmt nicht (Datei beschädigt oder verändert)")};
inline constexpr Text kNoChecksum{"display", QT_TRANSLATE_NOOP("display", "die Prüfsummenzeile CECKSUMM fehlt")};
inline constexpr Text kAfterChecksum{"display", QT_TRANSLATE_NOOP("display", "Text nach der Prüfsummenzeile")};
inline constexpr Text kNothingApplied{"display", QT_TRANSLATE_NOOP("display", "Es wurde nichts übernommen.")};

// Validation of the dialogs' OK: the field, then its range.
inline constexpr Text kWholeNumber{"display",
                                   QT_TRANSLATE_NOOP("display", "%1: bitte eine ganze Zahl von %2 bis %3 eingeben.")};
inline constexpr Text kNumber{"display", QT_TRANSLATE_NOOP("display", "%1: bitte eine Zahl eingeben (z. B. 12,5).")};
// Field names of those messages.
inline constexpr Text kPositionAddress{"display", QT_TRANSLATE_NOOP("display", "Adresse der Anzeige %1")};
inline constexpr Text kVirtualAddress{"display", QT_TRANSLATE_NOOP("display", "Adresse %1 von virtuell %2")};
inline constexpr Text kLoggerIntervalField{"display", QT_TRANSLATE_NOOP("display", "Datenloggerintervall")};
inline constexpr Text kContrastField{"display", QT_TRANSLATE_NOOP("display", "Kontrast")};
inline constexpr Text kSerialIntervalField{"display", QT_TRANSLATE_NOOP("display", "serielles Intervall")};
inline constexpr Text kLowerField{"display", QT_TRANSLATE_NOOP("display", "DAC%1 untere Grenze")};
inline constexpr Text kUpperField{"display", QT_TRANSLATE_NOOP("display", "DAC%1 obere Grenze")};
inline constexpr Text kLimitField{"display", QT_TRANSLATE_NOOP("display", "Relais%1 Grenzwert")};
inline constexpr Text kHysteresisField{"display", QT_TRANSLATE_NOOP("display", "Relais%1 Hysterese")};

}  // namespace korvane::display::texts
