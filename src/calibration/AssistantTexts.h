#pragma once
// The assistant's own words, German and English, and the figures of a settling value as
// the window and the command line print them.
#include <string>

#include "calibration/Stability.h"
#include "platform/Language.h"
#include "platform/TextPair.h"

namespace korvane::calibration {

using platform::TextPair;

inline constexpr TextPair kStable{"stabil", "stable"};
inline constexpr TextPair kAcceptAutomatically{"Automatisch übernehmen", "Accept automatically"};
inline constexpr TextPair kTakePoint{"Übernehmen", "Take point"};
inline constexpr TextPair kCancelCalibration{"Abbrechen", "Cancel"};
inline constexpr TextPair kNotSettling{
    "Der Sensor stellt sich nicht ein: nach %.0f s nicht stabil. Der Punkt kann von Hand übernommen werden.",
    "The sensor does not settle: not stable after %.0f s. The point can be taken by hand."};
// The time limit passed while automatic acceptance still waited for the reading to leave
// the first point's value: the sensor may well be stable, but in the first solution.
inline constexpr TextPair kNotLeft{
    "Der Messwert hat die Lösung des 1. Punkts nach %.0f s nicht verlassen: steckt der Sensor in der 2. Lösung? "
    "Der Punkt kann von Hand übernommen werden.",
    "The reading has not left the 1st point's solution after %.0f s: is the sensor in the 2nd solution? The point "
    "can be taken by hand."};
inline constexpr TextPair kTakenUnstable{"von Hand übernommen, nicht stabil", "taken by hand, not stable"};
inline constexpr TextPair kTakenStable{"übernommen, stabil", "taken, stable"};
inline constexpr TextPair kCertificate{"Zertifikat…", "Certificate…"};
inline constexpr TextPair kClose{"Schließen", "Close"};
inline constexpr TextPair kBufferSetLabel{"Puffersatz", "Buffer set"};
inline constexpr TextPair kLotLabel{"Charge", "Lot"};
inline constexpr TextPair kExpiryLabel{"verwendbar bis", "Use by"};
inline constexpr TextPair kDriftLabel{"Drift", "Drift"};
inline constexpr TextPair kNoiseLabel{"Rauschen", "Noise"};
inline constexpr TextPair kWindowLabel{"Fenster", "Window"};
inline constexpr TextPair kTemperatureLabel{"Temperatur", "Temperature"};
inline constexpr TextPair kChange{"Änderung", "change"};
inline constexpr TextPair kSlopePercent{"Steilheit %.1f %% der Nernst-Steilheit", "Slope %.1f %% of Nernst's slope"};
inline constexpr TextPair kZeroPoint{"Nullpunkt %.1f mV", "Zero point %.1f mV"};
inline constexpr TextPair kPlausibleResult{"Ergebnis plausibel", "Result plausible"};

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

}  // namespace korvane::calibration
