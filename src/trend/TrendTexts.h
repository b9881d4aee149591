#pragma once
// Texts of the live trend.
#include "platform/TextPair.h"

namespace korvane::trend {

using platform::TextPair;

inline constexpr TextPair kTrendButton{"Verlauf", "Trend"};
inline constexpr TextPair kLeftAxis{"Links:", "Left:"};
inline constexpr TextPair kRightAxis{"Rechts:", "Right:"};
inline constexpr TextPair kSpanLabel{"Zeitraum:", "Span:"};
inline constexpr TextPair kNoChannel{"(keiner)", "(none)"};
inline constexpr TextPair kChannel{"Kanal %d", "Channel %d"};

}  // namespace korvane::trend
