#include "link/RateTexts.h"

#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "platform/TextPair.h"

namespace korvane::link {
namespace {

constexpr platform::TextPair kRecovered{"Modul antwortete mit %d Baud; zurück auf 4800 gestellt.",
                                        "Module answered at %d baud; set back to 4800."};
// The module was at 4800 already (it started afresh): only the PC's rate went back.
constexpr platform::TextPair kFoundAtSlowRate{
    "Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.",
    "Module answered at 4800 baud; the port runs at 4800 baud again."};
constexpr platform::TextPair kStillAtRate{
    "Die Verbindung ging verloren, während das Modul auf %d Baud lief: es ist womöglich noch auf dieser Rate. "
    "Der nächste Vorgang sucht es auf 4800, 19200 und 38400 Baud und stellt es auf 4800 Baud zurück.",
    "The line was lost while the module ran at %d baud: it may still be at that rate. "
    "The next action looks for it at 4800, 19200 and 38400 baud and sets it back to 4800 baud."};

}  // namespace

std::string RateRecoveredText(int found, Language language) {
  if (found == kSlowBaud) return kFoundAtSlowRate(language);
  return platform::StringPrintf(kRecovered(language), found);
}

std::string StillAtRateText(int rate, Language language) {
  return platform::StringPrintf(kStillAtRate(language), rate);
}

}  // namespace korvane::link
