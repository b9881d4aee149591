#pragma once
// The assistant's own words, German and English, and the figures of a settling value as
// the window and the command line print them.
#include <string>

#include "calibration/Stability.h"
#include "platform/CommonTexts.h"
#include "platform/Language.h"
#include "platform/Text.h"

namespace korvane::calibration {

using platform::Text;

inline constexpr Text kStable{"calibration", QT_TRANSLATE_NOOP("calibration", "stabil")};
inline constexpr Text kAcceptAutomatically{"calibration", QT_TRANSLATE_NOOP("calibration", "Automatisch übernehmen")};
inline constexpr Text kTakePoint{"calibration", QT_TRANSLATE_NOOP("calibration", "Übernehmen")};
inline constexpr Text kNotSettling{
    "calibration",
    QT_TRANSLATE_NOOP(
        "calibration",
        "Der Sensor stellt sich nicht ein: nach %1 s nicht stabil. Der Punkt kann von Hand übernommen werden.")};
// The time limit passed while automatic acceptance still waited for the reading to leave
// the first point's value: the sensor may well be stable, but in the first solution.
inline constexpr Text kNotLeft{
    "calibration",
    QT_TRANSLATE_NOOP(
        "calibration",
        "Der Messwert hat die Lösung des 1. Punkts nach %1 s nicht verlassen: steckt der Sensor in der 2. Lösung? "
        "Der Punkt kann von Hand übernommen werden.")};
inline constexpr Text kTakenUnstable{"calibration",
                                     QT_TRANSLATE_NOOP("calibration", "von Hand übernommen, nicht stabil")};
inline constexpr Text kTakenStable{"calibration", QT_TRANSLATE_NOOP("calibration", "übernommen, stabil")};
inline constexpr Text kCertificate{"calibration", QT_TRANSLATE_NOOP("calibration", "Zertifikat…")};
using platform::kClose;
inline constexpr Text kBufferSetLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "Puffersatz")};
inline constexpr Text kLotLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "Charge")};
inline constexpr Text kExpiryLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "verwendbar bis")};
inline constexpr Text kDriftLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "Drift")};
inline constexpr Text kNoiseLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "Rauschen")};
inline constexpr Text kWindowLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "Fenster")};
inline constexpr Text kTemperatureLabel{"calibration", QT_TRANSLATE_NOOP("calibration", "Temperatur")};
inline constexpr Text kChange{"calibration", QT_TRANSLATE_NOOP("calibration", "Änderung")};
inline constexpr Text kSlopePercent{"calibration",
                                    QT_TRANSLATE_NOOP("calibration", "Steilheit %1 % der Nernst-Steilheit")};
inline constexpr Text kZeroPoint{"calibration", QT_TRANSLATE_NOOP("calibration", "Nullpunkt %1 mV")};
inline constexpr Text kPlausibleResult{"calibration", QT_TRANSLATE_NOOP("calibration", "Ergebnis plausibel")};

// What the window and the command line say when a point's time limit has passed.
std::string TimeLimitText(double limitSeconds, bool waitingToLeave, Language language);

// "0.42 mV/min" (or "%/min" for a relative criterion).
std::string DriftText(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit);
// "0.05 mV" (or "%").
std::string NoiseText(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit);
// "stabil", or how far from it: "Drift 1.2 mV/min über 0.5", "noch 12 s bis das Fenster voll ist",
// "wartet, bis der Wert die 1. Lösung verlassen hat".
std::string StabilityVerdict(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit,
                             bool waitingToLeave, Language language);

// A value entry that holds no number (the dialog and the command line alike).
inline constexpr Text kNotANumber{"calibration", QT_TRANSLATE_NOOP("calibration", "Geben Sie eine Zahl ein.")};

}  // namespace korvane::calibration
