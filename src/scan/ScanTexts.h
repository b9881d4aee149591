#pragma once
// Texts of the bus scan and its list.
#include "platform/TextPair.h"

namespace korvane::scan {

using platform::TextPair;

inline constexpr TextPair kScanButton{"Suchen", "Scan"};
inline constexpr TextPair kScanCaption{"Module suchen", "Find modules"};
inline constexpr TextPair kScanProgress{"Adressen 0 bis 31 werden abgefragt.", "Asking addresses 0 to 31."};
inline constexpr TextPair kNoneFound{"Kein Modul hat geantwortet.", "No module answered."};
inline constexpr TextPair kCancelled{"Suche abgebrochen.", "Scan cancelled."};
inline constexpr TextPair kPickHint{"Doppelklick übernimmt die Adresse.", "Double click takes the address."};
inline constexpr TextPair kColumnAddress{"Adresse", "Address"};
inline constexpr TextPair kColumnType{"Messart", "Type"};
inline constexpr TextPair kColumnKind{"Geräteart", "Device kind"};
inline constexpr TextPair kColumnIdentity{"Kennung", "Identity"};
inline constexpr TextPair kClose{"Schließen", "Close"};
// Opens the bus view with the modules found.
inline constexpr TextPair kBusButton{"Bus…", "Bus…"};
inline constexpr TextPair kHistoryButton{"Historie…", "History…"};

}  // namespace korvane::scan
