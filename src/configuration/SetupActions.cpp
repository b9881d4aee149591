#include "configuration/SetupActions.h"
#include "link/Protocol.h"

#include "configuration/ConfigLists.h"
#include "configuration/SetupPrint.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::configuration {

LoadResult SetupActions::Load(ConfigSettings& s) { return LoadSetupFile(setupUi_, s); }

std::optional<ChosenSetup> SetupActions::ChooseSetupFile(Language language) {
  return OpenSetupText(setupUi_, language);
}

void SetupActions::Save(const ConfigSettings& s) { SaveSetupFile(setupUi_, s); }

void SetupActions::Print(const ConfigSettings& s, const std::array<std::string, 6>& sourceNames) {
  PrintSetup(setupUi_, s, sourceNames, clock_);
}

void SetupActions::OpenLogger(const ConfigSettings& s) {
  const Language lang = s.language;
  const char* series = link::IsController(s.deviceKind)  ? texts::kLoggerSeriesKind5
                       : link::IsAmplifier(s.deviceKind) ? texts::kLoggerSeriesKind4
                                                         : nullptr;
  if (!series) {
    setupUi_.Message(Tr(lang, texts::kNotQx7100));
    return;
  }
  if (logger_)
    logger_->OpenLogger(series, lang);
  else
    setupUi_.Message(Tr(lang, types::kNotAvailable));
}

}  // namespace korvane::configuration
