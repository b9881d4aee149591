#include "calibration/CalibrationMath.h"

#include <cmath>
#include <initializer_list>

#include "types/CalibrationLimits.h"

namespace korvane::calibration {
namespace {

using types::InRange;

bool AllFinite(std::initializer_list<float> values) {
  for (float v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

Outcome Unusable(const KValues& k) { return {Verdict::kUnusable, k, 0.0f}; }

// A value a formula produced that is not a finite number must never reach the module.
// The values it left alone go back as they were read, whatever they hold (an erased
// module reads 0xFFFFFFFF), so they are not judged.
Outcome Judge(Outcome o, const KValues& before, bool plausible, std::initializer_list<int> produced) {
  if (!std::isfinite(o.slope)) return Unusable(before);
  for (int i : produced)
    if (!std::isfinite(o.k[static_cast<std::size_t>(i)])) return Unusable(before);
  o.verdict = plausible ? Verdict::kPlausible : Verdict::kImplausible;
  return o;
}

struct PhPoint {
  float slope;
  float offset;
};

// Slope referred to 25 °C, rounded to single precision before the offset uses it.
PhPoint PhLine(float u1, float u2, float b1, float b2, float t) {
  const float s = (u2 - u1) / (b2 - b1) * 298.15 / (t + 273.15);
  const float a = u2 + s * (t + 273.15) / 298.15 * (7 - b2);
  return {s, a};
}

bool PhPlausible(float a, float s) { return InRange(types::kPhOffsetRange, a) && InRange(types::kPhSlopeRange, s); }

}  // namespace

Outcome TwoPointPh(const KValues& k, float u1, float u2, float b1, float b2, float temperature) {
  if (!AllFinite({u1, u2, b1, b2, temperature})) return Unusable(k);
  if (u1 == u2 || b1 == b2) return {Verdict::kEqual, k, 0.0f};
  if (temperature + 273.15 == 0.0) return Unusable(k);
  const PhPoint line = PhLine(u1, u2, b1, b2, temperature);
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[1] = line.slope;
  o.k[0] = line.offset;
  return Judge(o, k, PhPlausible(line.offset, line.slope), {0, 1});
}

Outcome PhCompensation(const KValues& k, float u1, float u2, float b1, float b2, float temperature) {
  if (!AllFinite({u1, u2, b1, b2, temperature})) return Unusable(k);
  if (u1 == u2 || b1 == b2) return {Verdict::kEqual, k, 0.0f};
  if (temperature + 273.15 == 0.0) return Unusable(k);
  const PhPoint line = PhLine(u1, u2, b1, b2, temperature);
  Outcome o{Verdict::kPlausible, k, line.slope};
  o.k[2] = line.offset;
  return Judge(o, k, PhPlausible(line.offset, line.slope), {2});
}

Outcome RedoxOffset(const KValues& k, float measured, float entered) {
  if (!AllFinite({measured, entered, k[0]})) return Unusable(k);
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[0] = measured + k[0] - entered;
  return Judge(o, k, InRange(types::kRedoxOffsetRange, o.k[0]), {0});
}

Outcome CellConstant(const KValues& k, float measured, float entered, bool fourChannel) {
  if (!AllFinite({measured, entered, k[0]}) || measured == 0) return Unusable(k);
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[0] = entered / measured * k[0];
  const types::PlausibleRange& range = fourChannel ? types::kCellConstant4Range : types::kCellConstantRange;
  return Judge(o, k, InRange(range, o.k[0]), {0});
}

float WaterVapourPressure(float t) {
  // The module computes this in single precision; the partial sums and powers follow it.
  const float t2 = t * t;
  const float t3 = t2 * t;
  const float t4 = t3 * t;
  const float t5 = t4 * t;
  const float t6 = t5 * t;
  float ps = 6.10696918088;
  ps = ps + 0.45596995133 * t;
  ps = ps + 0.01249382623 * t2;
  ps = ps + 0.00035452846 * t3;
  ps = ps + 9.27368781e-07 * t4;
  ps = ps + 4.61241046e-08 * t5;
  ps = ps - 7.1934133e-11 * t6;
  return ps;
}

Outcome OxygenSlope(const KValues& k, float entered, float current, float pressure, float temperature) {
  if (!AllFinite({entered, current, pressure, temperature})) return Unusable(k);
  const float ps = WaterVapourPressure(temperature);
  const float membrane = temperature < 20 ? k[1] : k[2];
  if (!std::isfinite(membrane)) return Unusable(k);
  if (pressure - ps == 0 || entered == 0 || temperature + 273.0 == 0.0) return Unusable(k);
  const double e = std::exp(membrane * (1 / (temperature + 273.0) - 0.0034129692832));
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[0] = static_cast<float>(205.58 * (100 * current) * e / ((pressure - ps) * 0.2095 * entered));
  return Judge(o, k, InRange(types::kOxygenSlopeRange, o.k[0]), {0});
}

Outcome AirPressure(const KValues& k, float measured, float entered) {
  if (!AllFinite({measured, entered})) return Unusable(k);
  if (!(entered > 800 && entered < 1200)) return {Verdict::kRefused, k, 0.0f};
  if (!std::isfinite(k[3]) || measured == 0 || k[3] == 0) return Unusable(k);
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[3] = entered / (measured / k[3]);
  return Judge(o, k, true, {3});
}

Outcome TwoPointIse(const KValues& k, float u1, float u2, float b1, float b2) {
  if (!AllFinite({u1, b1})) return Unusable(k);
  KValues first = k;  // the first point's values are kept whatever follows
  first[1] = u1;
  first[2] = b1;
  if (!AllFinite({u2, b2})) return Unusable(first);
  if (u1 == u2 || b1 == b2) return {Verdict::kEqual, first, 0.0f};
  const float ratio = b2 == 0 ? 0.0f : b1 / b2;
  if (!std::isfinite(ratio) || ratio <= 0) return Unusable(first);
  Outcome o{Verdict::kPlausible, first, 0.0f};
  o.k[0] = (u1 - u2) / std::log10(ratio);
  return Judge(o, first, true, {0});
}

Outcome LinearChlorine(const KValues& k, float entered, float current) {
  if (!AllFinite({entered, current})) return Unusable(k);
  Outcome o{Verdict::kPlausible, k, 0.0f};
  if (current > 4.0f) o.k[0] = entered / (current - 4.0);
  return Judge(o, k, InRange(types::kLinearChlorineRange, o.k[0]), {0});
}

Outcome ChlorineSlope(const KValues& k, float measured, float entered) {
  if (!AllFinite({measured, entered, k[0]}) || entered == 0) return Unusable(k);
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[0] = measured / entered * k[0];
  return Judge(o, k, InRange(types::kChlorineSlopeRange, o.k[0]), {0});
}

Outcome SaturationFactor(const KValues& k, float entered, float measured) {
  if (!AllFinite({entered, measured, k[0]})) return Unusable(k);
  const float m = measured < 1.0f ? 1.0f : measured;
  Outcome o{Verdict::kPlausible, k, 0.0f};
  o.k[0] = entered * k[0] / m;
  return Judge(o, k, InRange(types::kSaturationRange, o.k[0]), {0});
}

}  // namespace korvane::calibration
