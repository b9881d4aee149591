#include "link/LinkTexts.h"

#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "platform/Reasons.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::link {
namespace {

// A port that does not open, by its COM number or by the path given instead.
constexpr platform::Text kCannotOpenCom{"link", QT_TRANSLATE_NOOP("link", "COM %1 kann nicht geöffnet werden.")};
constexpr platform::Text kCannotOpenDevice{"link", QT_TRANSLATE_NOOP("link", "%1 kann nicht geöffnet werden.")};
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

std::string CannotOpenText(Language language, const std::string& deviceGiven, int com, const std::string& why) {
  std::string text = !deviceGiven.empty() ? platform::Fill(Tr(language, kCannotOpenDevice), deviceGiven)
                                          : platform::Fill(Tr(language, kCannotOpenCom), com);
  if (!why.empty()) text += "\n\n" + why;
  return text;
}

std::string CommErrorText(Language language, const CommErrorFacts& facts) {
  std::string text = Tr(language, types::kCommError);
  if (facts.refused && !facts.lineLost) return text;
  std::string why =
      facts.lineLost ? facts.lostReason : platform::FormatReason(platform::reasons::kNoAnswer, language, facts.device);
  // A module a baud change left at its fast rate when the line went away listens there still.
  if (facts.lineLost && facts.lostAtRate != 0)
    why += (why.empty() ? "" : "\n") + StillAtRateText(facts.lostAtRate, language);
  return why.empty() ? text : text + "\n" + why;
}

std::string RateRecoveredText(int found, Language language) {
  if (found == kSlowBaud) return Tr(language, kFoundAtSlowRate);
  return platform::Fill(Tr(language, kRecovered), found);
}

std::string StillAtRateText(int rate, Language language) { return platform::Fill(Tr(language, kStillAtRate), rate); }

}  // namespace korvane::link
