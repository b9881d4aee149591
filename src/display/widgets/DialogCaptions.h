#pragma once
// Captions both display dialogs show.
#include <QString>

#include "platform/Texts.h"

namespace korvane::display {

inline constexpr platform::Text kRelay0{"display", QT_TRANSLATE_NOOP("display", "Relais0")};
inline constexpr platform::Text kRelay1{"display", QT_TRANSLATE_NOOP("display", "Relais1")};

inline QString Caption(platform::Text text, Language language) { return QString::fromStdString(Tr(language, text)); }

}  // namespace korvane::display
