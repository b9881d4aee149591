#pragma once
// A text in both languages: German first, English second, selected by the language
// index (0 = German, 1 = English).
namespace korvane::platform {

struct TextPair {
  const char* de;
  const char* en;
  const char* operator()(int language) const { return language == 1 ? en : de; }
};

}  // namespace korvane::platform
