#pragma once
// The language of every text the system shows, writes or logs. The numbers are the ones
// the settings file stores, so they must not change.
namespace korvane {

enum class Language : int { kGerman = 0, kEnglish = 1 };

// The settings file's number as it stands: a hand-edited other digit reads as German
// everywhere (only kEnglish selects English) and is written back unchanged.
constexpr Language LanguageFromSetting(int stored) { return static_cast<Language>(stored); }
constexpr int SettingOf(Language language) { return static_cast<int>(language); }

// The languages the program speaks, in the settings file's order: a new language is one
// line here and its translations/korvane_<code>.ts.
struct LanguageInfo {
  const char* code;    // the .ts file's suffix
  const char* name;    // as the language calls itself
  const char* locale;  // dates and times that no file format fixes
};
inline constexpr LanguageInfo kLanguages[] = {
    {"de", "Deutsch", "de_DE"},
    {"en", "English", "en_GB"},
};

}  // namespace korvane
