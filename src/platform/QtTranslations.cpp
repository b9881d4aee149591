#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace korvane::platform {

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&german_);
  if (before_) QLocale::setDefault(*before_);
}

bool QtTranslations::Apply(Language language) {
  if (!before_) before_ = QLocale();
  QLocale::setDefault(language == Language::kEnglish ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                                     : QLocale(QLocale::German, QLocale::Germany));
  if (language == Language::kEnglish) {
    if (installed_) QCoreApplication::removeTranslator(&german_);
    installed_ = false;
    return true;
  }
  if (!loaded_) loaded_ = german_.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!loaded_) return false;
  if (!installed_) installed_ = QCoreApplication::installTranslator(&german_);
  return installed_;
}

}  // namespace korvane::platform
