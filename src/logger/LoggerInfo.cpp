#include "logger/LoggerInfo.h"

#include "platform/NumberText.h"
#include "types/Texts.h"

namespace korvane::logger {
namespace {

// The labels stand as the unit's documentation has them, so the German third line shows
// "::" after both labels.
constexpr types::TextPair kActualTime{"Aktuelle Uhrzeit:", "Actual time:"};
constexpr types::TextPair kNextSave{"Nächste Speicherung:", "Next save time:"};
constexpr types::TextPair kInterval{"Datenlogger Intervall:", "data logging interval in minutes"};
constexpr types::TextPair kSets{"Vorhandene Datensätze:", "Sets of data:"};
constexpr types::TextPair kEnabled{"Datenlogger ist freigegeben.", "Data logger is enable."};
constexpr types::TextPair kDisabled{"Datenlogger ist nicht freigegeben.", "Data logger is disable."};

}  // namespace

std::string LoggerInfoText(const LoggerInfo& info, Language language) {
  return platform::StringPrintf("%s %s %s\n\r%s %s\n\r%s: %u min %s: %u\n\r", kActualTime(language), info.date.c_str(),
                                info.time.c_str(), kNextSave(language), info.nextStorage.c_str(), kInterval(language),
                                info.intervalMinutes, kSets(language), info.sizeReply / 30) +
         (info.enabled ? kEnabled(language) : kDisabled(language));
}

}  // namespace korvane::logger
