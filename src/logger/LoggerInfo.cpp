#include "logger/LoggerInfo.h"

#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

// The labels stand as the unit's documentation has them, so the German third line shows
// "::" after both labels.
constexpr types::Text kActualTime{"logger", QT_TRANSLATE_NOOP("logger", "Aktuelle Uhrzeit:")};
constexpr types::Text kNextSave{"logger", QT_TRANSLATE_NOOP("logger", "Nächste Speicherung:")};
//: The program puts ": " and the value after it; German and English keep their own colon (they show "::"), another
//: language may leave it out.
constexpr types::Text kInterval{"logger", QT_TRANSLATE_NOOP("logger", "Datenlogger Intervall:")};
//: The program puts ": " and the value after it; German and English keep their own colon (they show "::"), another
//: language may leave it out.
constexpr types::Text kSets{"logger", QT_TRANSLATE_NOOP("logger", "Vorhandene Datensätze:")};
constexpr types::Text kEnabled{"logger", QT_TRANSLATE_NOOP("logger", "Datenlogger ist freigegeben.")};
constexpr types::Text kDisabled{"logger", QT_TRANSLATE_NOOP("logger", "Datenlogger ist nicht freigegeben.")};

}  // namespace

std::string LoggerInfoText(const LoggerInfo& info, Language language) {
  return platform::StringPrintf("%s %s %s\n\r%s %s\n\r%s: %u min %s: %u\n\r", Tr(language, kActualTime).c_str(),
                                info.date.c_str(), info.time.c_str(), Tr(language, kNextSave).c_str(),
                                info.nextStorage.c_str(), Tr(language, kInterval).c_str(), info.intervalMinutes,
                                Tr(language, kSets).c_str(), info.sizeReply / 30) +
         (info.enabled ? Tr(language, kEnabled) : Tr(language, kDisabled));
}

}  // namespace korvane::logger
