
#include <QTranslator>

#include <array>
#include <memory>

#include "platform/Texts.h"

// The .qm files are a resource of this static library; a text asked for while statics are
// still being constructed must not find the resource unregistered.
static void RegisterTranslationResource() { Q_INIT_RESOURCE(korvane_platform_translations); }

namespace korvane::platform {
namespace {

class BuiltIn final : public Texts {
 public:
  BuiltIn() {
    RegisterTranslationResource();
    for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
      auto translator = std::make_unique<QTranslator>();
      // A language without a built-in file speaks the German sources.
      if (translator->load(QStringLiteral(":/i18n/korvane_%1.qm").arg(QLatin1String(kLanguages[i].code))))
        translators_[i] = std::move(translator);
    }
  }

  std::string Translate(Language language, const Text& text) const override {
    const auto index = static_cast<std::size_t>(SettingOf(language));
    const QTranslator* translator = index < translators_.size() ? translators_[index].get() : nullptr;
    if (text.source.text == nullptr) return {};
    if (translator == nullptr) return text.source.text;
    const QString found = translator->translate(text.context, text.source.text, text.source.disambiguation);
    return found.isEmpty() ? std::string(text.source.text) : found.toStdString();
  }

 private:
  std::array<std::unique_ptr<QTranslator>, std::size(kLanguages)> translators_;
};

}  // namespace

const Texts& BuiltInTexts() {
  static const BuiltIn texts;
  return texts;
}

std::string Tr(Language language, const Text& text) { return BuiltInTexts().Translate(language, text); }

}  // namespace korvane::platform
