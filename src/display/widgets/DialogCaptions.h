#pragma once
// Captions both display dialogs show.
#include <QString>

#include "platform/TextPair.h"

namespace korvane::display {

inline constexpr platform::TextPair kRelay0{"Relais0", "relay 0"};
inline constexpr platform::TextPair kRelay1{"Relais1", "relay 1"};

inline QString Caption(platform::TextPair text, Language language) { return QString::fromUtf8(text(language)); }

}  // namespace korvane::display
