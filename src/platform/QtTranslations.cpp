#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace korvane::platform {

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&qt_);
  if (before_) QLocale::setDefault(*before_);
}

bool QtTranslations::Apply(Language language) {
  if (!before_) before_ = QLocale();
  const LanguageInfo& info = InfoOf(language);
  QLocale::setDefault(QLocale(QString::fromLatin1(info.locale)));
  if (installed_) QCoreApplication::removeTranslator(&qt_);
  installed_ = false;
  // Qt speaks English by itself.
  if (KnownOrGerman(language) == Language::kEnglish) return true;
  if (!qt_.load(QStringLiteral("qtbase_%1").arg(QLatin1String(info.code)),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  installed_ = QCoreApplication::installTranslator(&qt_);
  return installed_;
}

}  // namespace korvane::platform
