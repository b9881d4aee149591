#pragma once
// Texts of the communication window.
#include "platform/TextPair.h"

namespace korvane::trace {

using platform::TextPair;

inline constexpr TextPair kTraceCaption{"Kommunikation", "Communication"};
inline constexpr TextPair kTraceMenu{"&Kommunikation...", "&Communication..."};
inline constexpr TextPair kTraceSave{"Speichern...", "Save..."};
inline constexpr TextPair kTraceClear{"Leeren", "Clear"};
inline constexpr TextPair kTraceClose{"Schließen", "Close"};
inline constexpr TextPair kTraceSaveFailed{"Das Protokoll konnte nicht gespeichert werden.",
                                           "The trace could not be saved."};

}  // namespace korvane::trace
