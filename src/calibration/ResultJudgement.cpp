#include "calibration/ResultJudgement.h"

#include <algorithm>
#include <cmath>

#include "calibration/BufferTables.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"
#include "types/Catalogue.h"

namespace korvane::calibration {
namespace {

using platform::StringPrintf;

constexpr platform::Text kOutside{"calibration", QT_TRANSLATE_NOOP("calibration", "%1 %2 außerhalb %3 … %4")};
constexpr platform::Text kCompensationSlope{"calibration", QT_TRANSLATE_NOOP("calibration", "Steilheit")};

constexpr int kCalibrationParameters[4] = {32, 33, 34, 37};

// The calibration values a procedure produces (1..4), in the order they are shown.
std::vector<int> Produced(const std::string& p) {
  if (p == "ph-two-point") return {1, 2};
  if (p == "ph-compensation") return {3};
  if (p == "air-pressure") return {4};
  if (p == "ise-two-point") return {1, 2, 3};
  if (p.empty()) return {};
  return {1};
}

double RangePosition(const types::PlausibleRange& r, double v) {
  return r.high > r.low ? (v - r.low) / (r.high - r.low) : 0.5;
}

void JudgeValue(JudgedValue& v, const types::PlausibleRange& r, ResultJudgement& j, Language l) {
  v.range = r;
  v.within = types::InRange(r, static_cast<float>(v.after));
  v.beforeAt = RangePosition(r, v.before);
  v.afterAt = RangePosition(r, v.after);
  if (!v.within) j.breaches.push_back(platform::Fill(Tr(l, kOutside), v.label, ValueText(v, v.after), r.low, r.high));
}

}  // namespace

std::string ValueText(const JudgedValue& v, double value) {
  std::string text = platform::WithoutNegativeZero(StringPrintf("%.*f", v.decimals, value));
  return v.unit.empty() ? text : text + " " + v.unit;
}

std::string BeforeText(const JudgedValue& v) { return v.hasBefore ? ValueText(v, v.before) : "–"; }

std::string ChangeText(const JudgedValue& v) {
  if (!v.hasBefore) return "–";
  const double change = v.after - v.before;
  return (change > 0 ? "+" : "") + ValueText(v, change);
}

ResultJudgement JudgeResult(const std::string& procedure, int type, const KValues& before, const KValues& after,
                            std::optional<float> slope, Language l) {
  ResultJudgement j;
  const std::vector<types::PlausibleRange> ranges = types::PlausibleRanges(procedure);
  for (int n : Produced(procedure)) {
    JudgedValue v;
    v.label = types::CalibrationLabel(type, n, l);
    if (v.label.empty()) v.label = "K" + std::to_string(n);
    v.unit = types::CalibrationUnit(type, n);
    if (v.unit == "%%/K") v.unit = "%/K";
    v.decimals = std::max(1, types::CalibrationDecimals(type, kCalibrationParameters[n - 1]));
    if (procedure == "ph-compensation") {
      // The catalogue gives this type's values in its chlorine units; the offset is a voltage.
      v.unit = "mV";
      v.decimals = 1;
    }
    v.before = before[static_cast<std::size_t>(n - 1)];
    v.after = after[static_cast<std::size_t>(n - 1)];
    for (const types::PlausibleRange& r : ranges)
      if (r.value == n) JudgeValue(v, r, j, l);
    j.values.push_back(v);
  }
  if (procedure == "ph-two-point") {
    j.zeroPointMv = after[0];
    j.slopePercent = after[1] / kNernstSlope25 * 100.0;
  }
  if (procedure == "ph-compensation" && slope) {
    // The slope has no calibration value: it is judged, and shown, all the same; the
    // module holds none to compare it with.
    JudgedValue v;
    v.label = Tr(l, kCompensationSlope);
    v.unit = "mV/pH";
    v.before = *slope;
    v.after = *slope;
    v.hasBefore = false;
    JudgeValue(v, types::kPhSlopeRange, j, l);
    v.beforeAt = v.afterAt;
    j.values.push_back(v);
    j.zeroPointMv = after[2];
    j.slopePercent = *slope / kNernstSlope25 * 100.0;
  }
  return j;
}

}  // namespace korvane::calibration
