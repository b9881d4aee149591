
#include "platform/CommonTexts.h"
#include "platform/Text.h"
#pragma once
// Texts of the communication window.

namespace korvane::trace {

using platform::Text;

inline constexpr Text kTraceCaption{"trace", QT_TRANSLATE_NOOP("trace", "Kommunikation")};
inline constexpr Text kTraceMenu{"trace", QT_TRANSLATE_NOOP("trace", "&Kommunikation...")};
inline constexpr Text kTraceSave{"trace", QT_TRANSLATE_NOOP("trace", "Speichern...")};
inline constexpr Text kTraceClear{"trace", QT_TRANSLATE_NOOP("trace", "Leeren")};
// A file dialog's filter: "name (pattern) | pattern" pairs; only the names are words.
inline constexpr Text kTraceFilter{"trace",
                                   QT_TRANSLATE_NOOP("trace", "Text (*.txt) | *.txt | Alle Dateien (*.*)|*.*||")};
inline constexpr Text kTraceSaveFailed{"trace",
                                       QT_TRANSLATE_NOOP("trace", "Das Protokoll konnte nicht gespeichert werden.")};

}  // namespace korvane::trace
