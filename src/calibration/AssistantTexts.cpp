#include "calibration/AssistantTexts.h"

#include <algorithm>
#include <cmath>

#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;

constexpr Text kFilling{"calibration",
                        QT_TRANSLATE_NOOP("calibration", "noch %1 s, bis das Fenster von %2 s gefüllt ist")};
constexpr Text kDriftOver{"calibration", QT_TRANSLATE_NOOP("calibration", "Drift %1 über %2")};
constexpr Text kNoiseOver{"calibration", QT_TRANSLATE_NOOP("calibration", "Rauschen %1 über %2")};
constexpr Text kLeaving{
    "calibration", QT_TRANSLATE_NOOP("calibration", "wartet, bis der Wert die Lösung des 1. Punkts verlassen hat")};

std::string LimitUnit(const StabilityCriterion& c, const std::string& unit) {
  return c.kind == LimitKind::kPercent ? "%" : unit;
}

std::string FigureText(double v) {
  if (!std::isfinite(v)) return "∞";
  return platform::WithoutNegativeZero(StringPrintf(std::fabs(v) < 10 ? "%.2f" : "%.1f", v));
}

}  // namespace

std::string TimeLimitText(double limitSeconds, bool waitingToLeave, Language l) {
  return platform::Fill(Tr(l, waitingToLeave ? kNotLeft : kNotSettling), StringPrintf("%.0f", limitSeconds));
}

std::string DriftText(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit) {
  return FigureText(f.drift) + " " + LimitUnit(c, unit) + "/min";
}

std::string NoiseText(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit) {
  return FigureText(f.noise) + " " + LimitUnit(c, unit);
}

std::string StabilityVerdict(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit,
                             bool waitingToLeave, Language l) {
  if (waitingToLeave) return Tr(l, kLeaving);
  if (f.stable) return Tr(l, kStable);
  if (!f.covered)
    return platform::Fill(Tr(l, kFilling),
                          platform::StringPrintf("%.0f", std::max(0.0, 0.9 * c.windowSeconds - f.span)),
                          platform::StringPrintf("%.0f", c.windowSeconds));
  std::string text;
  if (std::fabs(f.drift) > c.maxDrift)
    text = platform::Fill(Tr(l, kDriftOver), DriftText(f, c, unit),
                          (FigureText(c.maxDrift) + " " + LimitUnit(c, unit) + "/min"));
  if (f.noise > c.maxNoise) {
    if (!text.empty()) text += ", ";
    text +=
        platform::Fill(Tr(l, kNoiseOver), NoiseText(f, c, unit), (FigureText(c.maxNoise) + " " + LimitUnit(c, unit)));
  }
  return text;
}

}  // namespace korvane::calibration
