#pragma once
// A text the program shows, writes or logs: its context (one per subsystem) and its
// German source. Define one with QT_TRANSLATE_NOOP so that lupdate collects it into
// translations/*.ts:
//   inline constexpr Text kCancel{"common", QT_TRANSLATE_NOOP("common", "Abbrechen")};
// Two texts with one German source but different translations tell themselves apart
// with QT_TRANSLATE_NOOP3's third argument. Look one up with Tr() (platform/Texts.h).
#include <QtGlobal>

#include "platform/Language.h"

namespace korvane::platform {

struct TextSource {
  const char* text;
  const char* disambiguation = nullptr;
};

struct Text {
  const char* context;
  TextSource source;
};

}  // namespace korvane::platform
