#include "link/LinkTexts.h"

#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "platform/Reasons.h"
#include "platform/TextPair.h"
#include "types/Texts.h"

namespace korvane::link {
namespace {

// A port that does not open, by its COM number or by the path given instead.
constexpr platform::TextPair kCannotOpenCom{"COM %d kann nicht geöffnet werden.", "COM %d cannot be opened."};
constexpr platform::TextPair kCannotOpenDevice{"%s kann nicht geöffnet werden.", "%s cannot be opened."};
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

std::string CannotOpenText(Language language, const std::string& deviceGiven, int com, const std::string& why) {
  std::string text = !deviceGiven.empty() ? platform::StringPrintf(kCannotOpenDevice(language), deviceGiven.c_str())
                                          : platform::StringPrintf(kCannotOpenCom(language), com);
  if (!why.empty()) text += "\n\n" + why;
  return text;
}

std::string CommErrorText(Language language, const CommErrorFacts& facts) {
  std::string text = types::kCommError(language);
  if (facts.refused && !facts.lineLost) return text;
  std::string why =
      facts.lineLost ? facts.lostReason : platform::FormatReason(platform::reasons::kNoAnswer, language, facts.device);
  // A module a baud change left at its fast rate when the line went away listens there still.
  if (facts.lineLost && facts.lostAtRate != 0)
    why += (why.empty() ? "" : "\n") + StillAtRateText(facts.lostAtRate, language);
  return why.empty() ? text : text + "\n" + why;
}

std::string RateRecoveredText(int found, Language language) {
  if (found == kSlowBaud) return kFoundAtSlowRate(language);
  return platform::StringPrintf(kRecovered(language), found);
}

std::string StillAtRateText(int rate, Language language) {
  return platform::StringPrintf(kStillAtRate(language), rate);
}

}  // namespace korvane::link
