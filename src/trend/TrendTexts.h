
#include "platform/Text.h"
#pragma once
// Texts of the live trend.

namespace korvane::trend {

using platform::Text;

inline constexpr Text kTrendButton{"trend", QT_TRANSLATE_NOOP("trend", "Verlauf")};
inline constexpr Text kLeftAxis{"trend", QT_TRANSLATE_NOOP("trend", "Links:")};
inline constexpr Text kRightAxis{"trend", QT_TRANSLATE_NOOP("trend", "Rechts:")};
inline constexpr Text kSpanLabel{"trend", QT_TRANSLATE_NOOP("trend", "Zeitraum:")};
inline constexpr Text kNoChannel{"trend", QT_TRANSLATE_NOOP("trend", "(keiner)")};
inline constexpr Text kChannel{"trend", QT_TRANSLATE_NOOP("trend", "Kanal %1")};

}  // namespace korvane::trend
