#pragma once
// The language of every text the system shows, writes or logs. The numbers are the ones
// the settings file stores, so they must not change.
namespace korvane {

enum class Language : int { kGerman = 0, kEnglish = 1 };

// The settings file's number as it stands: a hand-edited other digit reads as German
// everywhere (only kEnglish selects English) and is written back unchanged.
constexpr Language LanguageFromSetting(int stored) { return static_cast<Language>(stored); }
constexpr int SettingOf(Language language) { return static_cast<int>(language); }

}  // namespace korvane
