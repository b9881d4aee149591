
#include "platform/CommonTexts.h"
#include "platform/Text.h"
#pragma once
// Texts of the bus scan and its list.

namespace korvane::scan {

using platform::Text;

inline constexpr Text kScanButton{"scan", QT_TRANSLATE_NOOP("scan", "Suchen")};
inline constexpr Text kScanCaption{"scan", QT_TRANSLATE_NOOP("scan", "Module suchen")};
inline constexpr Text kScanProgress{"scan", QT_TRANSLATE_NOOP("scan", "Adressen 0 bis 31 werden abgefragt.")};
inline constexpr Text kNoneFound{"scan", QT_TRANSLATE_NOOP("scan", "Kein Modul hat geantwortet.")};
inline constexpr Text kCancelled{"scan", QT_TRANSLATE_NOOP("scan", "Suche abgebrochen.")};
inline constexpr Text kPickHint{"scan", QT_TRANSLATE_NOOP("scan", "Doppelklick übernimmt die Adresse.")};
inline constexpr Text kColumnAddress{"scan", QT_TRANSLATE_NOOP("scan", "Adresse")};
inline constexpr Text kColumnType{"scan", QT_TRANSLATE_NOOP("scan", "Messart")};
inline constexpr Text kColumnKind{"scan", QT_TRANSLATE_NOOP("scan", "Geräteart")};
inline constexpr Text kColumnIdentity{"scan", QT_TRANSLATE_NOOP("scan", "Kennung")};
using platform::kClose;
// Opens the bus view with the modules found.
inline constexpr Text kBusButton{"scan", QT_TRANSLATE_NOOP("scan", "Bus…")};
inline constexpr Text kHistoryButton{"scan", QT_TRANSLATE_NOOP("scan", "Historie…")};

}  // namespace korvane::scan
