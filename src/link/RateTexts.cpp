#include "link/RateTexts.h"

#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::link {
namespace {

constexpr platform::Text kRecovered{
    "link", QT_TRANSLATE_NOOP("link", "Modul antwortete mit %1 Baud; zurück auf 4800 gestellt.")};
// The module was at 4800 already (it started afresh): only the PC's rate went back.
constexpr platform::Text kFoundAtSlowRate{
    "link", QT_TRANSLATE_NOOP("link", "Modul antwortete mit 4800 Baud; die Schnittstelle läuft wieder mit 4800 Baud.")};
constexpr platform::Text kStillAtRate{
    "link",
    QT_TRANSLATE_NOOP(
        "link",
        "Die Verbindung ging verloren, während das Modul auf %1 Baud lief: es ist womöglich noch auf dieser Rate. "
        "Der nächste Vorgang sucht es auf 4800, 19200 und 38400 Baud und stellt es auf 4800 Baud zurück.")};

}  // namespace

std::string RateRecoveredText(int found, Language language) {
  if (found == kSlowBaud) return Tr(language, kFoundAtSlowRate);
  return platform::Fill(Tr(language, kRecovered), found);
}

std::string StillAtRateText(int rate, Language language) { return platform::Fill(Tr(language, kStillAtRate), rate); }

}  // namespace korvane::link
