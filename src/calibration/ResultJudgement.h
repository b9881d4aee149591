#pragma once
// A calibration's result as the assistant shows it: each value the procedure produced
// against its plausibility range (where it has one), the change from the value before,
// and for pH the slope in percent of Nernst's slope and the zero point in mV; each
// value outside its range is named with the range it broke. Pure C++.
#include <optional>
#include <string>
#include <vector>

#include "calibration/CalibrationMath.h"
#include "platform/Language.h"
#include "types/CalibrationLimits.h"

namespace korvane::calibration {

struct JudgedValue {
  std::string label;  // the type's calibration label, or "K1".."K4"
  std::string unit;   // "mV/pH"
  int decimals = 1;
  double before = 0, after = 0;
  bool hasBefore = true;  // false: no value before to compare with (shown as "–")
  std::optional<types::PlausibleRange> range;
  bool within = true;
  // Where before and after stand in the range, 0 at its low end and 1 at its high end.
  double beforeAt = 0.5, afterAt = 0.5;
};

struct ResultJudgement {
  std::vector<JudgedValue> values;
  std::optional<double> slopePercent;  // pH: the slope in % of Nernst's
  std::optional<double> zeroPointMv;   // pH: the cell voltage at pH 7
  std::vector<std::string> breaches;   // "Steilheit -40.0 mV/pH außerhalb -61 … -45"
  bool plausible() const { return breaches.empty(); }
};

// slope: the slope the pH compensation shows without a calibration value of its own.
ResultJudgement JudgeResult(const std::string& procedure, int typeIndex, const KValues& before, const KValues& after,
                            std::optional<float> slope, Language language);

// "-40.0 mV/pH" of a judged value.
std::string ValueText(const JudgedValue& v, double value);
// Its value before ("–" when it has none) and its change ("+1.4 mV/pH", "–").
std::string BeforeText(const JudgedValue& v);
std::string ChangeText(const JudgedValue& v);

}  // namespace korvane::calibration
