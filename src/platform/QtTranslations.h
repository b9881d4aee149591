#pragma once
// Qt's own texts (standard buttons, file and print dialogs, overwrite questions) in the
// program's language. Qt speaks English by itself; the other languages come from Qt's
// translation files (Debian: qt6-translations-l10n), installed into the running application.
// Qt's locale follows too (sizes and dates in the file dialog); the C library's locale,
// which the program's own numbers rely on, is left alone.
#include <QLocale>
#include <QTranslator>

#include <optional>

#include "platform/Language.h"

namespace korvane::platform {

class QtTranslations {
 public:
  QtTranslations() = default;
  ~QtTranslations();
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // False when Qt's file for the language is not installed (Qt's texts then stay English).
  bool Apply(Language language);

 private:
  QTranslator qt_;
  std::optional<QLocale> before_;  // Qt's default locale before the first Apply
  bool installed_ = false;
};

}  // namespace korvane::platform
