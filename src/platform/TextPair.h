#pragma once
#include "platform/Language.h"

// A text in both languages: German first, English second, selected by the language.
namespace korvane::platform {

struct TextPair {
  const char* de;
  const char* en;
  const char* operator()(Language language) const { return language == Language::kEnglish ? en : de; }
};

}  // namespace korvane::platform
