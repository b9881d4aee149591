#include "calibration/AssistantTexts.h"

#include <algorithm>
#include <cmath>

#include "platform/NumberText.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;

constexpr TextPair kFilling{"noch %.0f s, bis das Fenster von %.0f s gefüllt ist",
                            "%.0f s until the window of %.0f s is filled"};
constexpr TextPair kDriftOver{"Drift %s über %s", "drift %s above %s"};
constexpr TextPair kNoiseOver{"Rauschen %s über %s", "noise %s above %s"};
constexpr TextPair kLeaving{"wartet, bis der Wert die Lösung des 1. Punkts verlassen hat",
                            "waiting for the reading to leave the 1st point's solution"};

std::string LimitUnit(const StabilityCriterion& c, const std::string& unit) {
  return c.kind == LimitKind::kPercent ? "%" : unit;
}

std::string FigureText(double v) {
  if (!std::isfinite(v)) return "∞";
  return platform::WithoutNegativeZero(StringPrintf(std::fabs(v) < 10 ? "%.2f" : "%.1f", v));
}

}  // namespace

std::string TimeLimitText(double limitSeconds, bool waitingToLeave, Language l) {
  return StringPrintf(waitingToLeave ? kNotLeft(l) : kNotSettling(l), limitSeconds);
}

std::string DriftText(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit) {
  return FigureText(f.drift) + " " + LimitUnit(c, unit) + "/min";
}

std::string NoiseText(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit) {
  return FigureText(f.noise) + " " + LimitUnit(c, unit);
}

std::string StabilityVerdict(const StabilityFigures& f, const StabilityCriterion& c, const std::string& unit,
                             bool waitingToLeave, Language l) {
  if (waitingToLeave) return kLeaving(l);
  if (f.stable) return kStable(l);
  if (!f.covered) return StringPrintf(kFilling(l), std::max(0.0, 0.9 * c.windowSeconds - f.span), c.windowSeconds);
  std::string text;
  if (std::fabs(f.drift) > c.maxDrift)
    text = StringPrintf(kDriftOver(l), DriftText(f, c, unit).c_str(),
                        (FigureText(c.maxDrift) + " " + LimitUnit(c, unit) + "/min").c_str());
  if (f.noise > c.maxNoise) {
    if (!text.empty()) text += ", ";
    text += StringPrintf(kNoiseOver(l), NoiseText(f, c, unit).c_str(),
                         (FigureText(c.maxNoise) + " " + LimitUnit(c, unit)).c_str());
  }
  return text;
}

}  // namespace korvane::calibration
