#pragma once
// The calibration formulas: measured and entered values in, new calibration values
// and a verdict out. Pure C++; the procedure flow decides what the user sees.
#include <array>

namespace korvane::calibration {

// Calibration values 1..4 (module parameters 32, 33, 34, 37).
using KValues = std::array<float, 4>;

enum class Verdict {
  kPlausible,    // result dialog, saving offered
  kImplausible,  // warning first, then the result dialog; saving still offered
  kEqual,        // two equal points: warning, no result dialog
  kRefused,      // entry outside the accepted range (air pressure): warning, no result dialog
  kUnusable,     // no finite result: warning, no result dialog, nothing may reach the module
};

struct Outcome {
  Verdict verdict = Verdict::kPlausible;
  KValues k{};      // the calibration values after the procedure
  float slope = 0;  // pH compensation only: the slope, kept outside K1..K4
};

// Two-point pH: S (mV/pH at 25 °C) to K2, A (cell voltage at pH 7) to K1.
Outcome TwoPointPh(const KValues& k, float u1, float u2, float b1, float b2, float temperature);
// Redox offset: K1 := measured + K1 - entered.
Outcome RedoxOffset(const KValues& k, float measured, float entered);
// Cell constant: K1 := entered / measured x K1; the four-channel types accept a wider range.
Outcome CellConstant(const KValues& k, float measured, float entered, bool fourChannel);
// Water vapour pressure in hPa at a temperature in °C.
float WaterVapourPressure(float temperature);
// Oxygen slope in nA per 100 % saturation from the sensor current, air pressure and temperature.
Outcome OxygenSlope(const KValues& k, float entered, float current, float pressure, float temperature);
// Air pressure factor K4 scaled by entered over measured pressure.
Outcome AirPressure(const KValues& k, float measured, float entered);
// Two-point ISE: K1 = slope in mV per decade, K2 = U1, K3 = B1.
Outcome TwoPointIse(const KValues& k, float u1, float u2, float b1, float b2);
// Linear chlorine: K1 := entered / (current - 4 mA) when the current is above 4 mA.
Outcome LinearChlorine(const KValues& k, float entered, float current);
// Chlorine slope: K1 := measured / entered x K1.
Outcome ChlorineSlope(const KValues& k, float measured, float entered);
// pH compensation of the chlorine type: offset to K3, slope in Outcome::slope.
Outcome PhCompensation(const KValues& k, float u1, float u2, float b1, float b2, float temperature);
// Saturation factor: K1 := entered x K1 / measured (measured below 1.0 counts as 1.0).
Outcome SaturationFactor(const KValues& k, float entered, float measured);

}  // namespace korvane::calibration
