#pragma once
// The buttons every subsystem has, one text each.
#include "platform/Text.h"

namespace korvane::platform {

inline constexpr Text kCancel{"common", QT_TRANSLATE_NOOP("common", "Abbrechen")};
inline constexpr Text kClose{"common", QT_TRANSLATE_NOOP("common", "Schließen")};
inline constexpr Text kSave{"common", QT_TRANSLATE_NOOP("common", "Speichern")};
inline constexpr Text kOpen{"common", QT_TRANSLATE_NOOP("common", "Öffnen")};
inline constexpr Text kPrint{"common", QT_TRANSLATE_NOOP("common", "Drucken")};
inline constexpr Text kYes{"common", QT_TRANSLATE_NOOP("common", "Ja")};
inline constexpr Text kNo{"common", QT_TRANSLATE_NOOP("common", "Nein")};

}  // namespace korvane::platform
