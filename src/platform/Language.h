#pragma once
// The language of every text the system shows, writes or logs. The numbers are the ones
// the settings file stores, so they must not change.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

enum class Language : int { kGerman = 0, kEnglish = 1, kFrench = 2 };

// The settings file's number as it stands: a hand-edited other digit reads as German
// everywhere (an unknown language speaks the German sources) and is written back unchanged.
constexpr Language LanguageFromSetting(int stored) { return static_cast<Language>(stored); }
constexpr int SettingOf(Language language) { return static_cast<int>(language); }

// The languages the program speaks, in the settings file's order: a new language is one
// line here and its translations/korvane_<code>.ts.
struct LanguageInfo {
  const char* code;    // the .ts file's suffix, and the word for it on command lines
  const char* name;    // as the language calls itself
  const char* locale;  // dates and times that no file format fixes
};
inline constexpr LanguageInfo kLanguages[] = {
    {"de", "Deutsch", "de_DE"},
    {"en", "English", "en_GB"},
    {"fr", "Français", "fr_FR"},
};

constexpr bool IsKnown(Language language) {
  return SettingOf(language) >= 0 && static_cast<std::size_t>(SettingOf(language)) < std::size(kLanguages);
}
// A stored digit no language has speaks German.
constexpr Language KnownOrGerman(Language language) { return IsKnown(language) ? language : Language::kGerman; }
constexpr const LanguageInfo& InfoOf(Language language) {
  return kLanguages[static_cast<std::size_t>(SettingOf(KnownOrGerman(language)))];
}

// "de", "en", ... as a command line or a configuration file names the language.
constexpr std::optional<Language> LanguageFromCode(std::string_view code) {
  for (std::size_t i = 0; i < std::size(kLanguages); ++i)
    if (code == kLanguages[i].code) return static_cast<Language>(i);
  return std::nullopt;
}

// "de|en|fr": the codes as an option's value in a usage text.
constexpr std::size_t LanguageChoiceSize() {
  std::size_t n = 0;
  for (const LanguageInfo& l : kLanguages) n += std::char_traits<char>::length(l.code) + 1;
  return n;
}
inline constexpr std::array<char, LanguageChoiceSize()> kLanguageChoiceChars = [] {
  std::array<char, LanguageChoiceSize()> text{};
  std::size_t at = 0;
  for (const LanguageInfo& l : kLanguages) {
    if (at > 0) text[at++] = '|';
    for (const char* c = l.code; *c != '\0'; ++c) text[at++] = *c;
  }
  return text;
}();
inline constexpr const char* kLanguageChoice = kLanguageChoiceChars.data();

// "de, en or fr": the codes for a usage message.
inline std::string LanguageCodeList() {
  std::string list;
  for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
    if (i > 0) list += i + 1 == std::size(kLanguages) ? " or " : ", ";
    list += kLanguages[i].code;
  }
  return list;
}

}  // namespace korvane
