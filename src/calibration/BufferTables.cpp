#include "calibration/BufferTables.h"

#include <cmath>

#include "types/CalibrationLimits.h"

namespace korvane::calibration {
namespace {

// The primary reference buffers of DIN 19266, which are NIST's standard reference
// buffers: pH(S) from the NBS/NIST tables (R. G. Bates, J. Res. NBS 66A (1962) 179 and
// 73A (1969) 37; IUPAC Recommendations 2002, Pure Appl. Chem. 74, 2169, Table 4),
// which the European Pharmacopoeia's Table 2.2.3.-2 repeats to two decimals. The
// saturated tartrate is defined from 25 °C, where it is saturated, upwards.
std::vector<Buffer> Din19266() {
  return {
      {"1.68",  // potassium tetroxalate 0.05 mol/kg
       {{0, 1.666},
        {5, 1.668},
        {10, 1.670},
        {15, 1.672},
        {20, 1.675},
        {25, 1.679},
        {30, 1.683},
        {35, 1.688},
        {37, 1.690},
        {40, 1.694},
        {45, 1.700},
        {50, 1.707}}},
      {"3.56",  // potassium hydrogen tartrate, saturated at 25 °C
       {{25, 3.557}, {30, 3.552}, {35, 3.549}, {37, 3.548}, {40, 3.547}, {45, 3.547}, {50, 3.549}}},
      {"3.78",  // potassium dihydrogen citrate 0.05 mol/kg
       {{0, 3.863},
        {5, 3.840},
        {10, 3.820},
        {15, 3.803},
        {20, 3.788},
        {25, 3.776},
        {30, 3.766},
        {35, 3.759},
        {37, 3.756},
        {40, 3.754},
        {45, 3.750},
        {50, 3.749}}},
      {"4.01",  // potassium hydrogen phthalate 0.05 mol/kg
       {{0, 4.000},
        {5, 3.998},
        {10, 3.997},
        {15, 3.998},
        {20, 4.001},
        {25, 4.005},
        {30, 4.011},
        {35, 4.018},
        {37, 4.022},
        {40, 4.027},
        {45, 4.038},
        {50, 4.050}}},
      {"6.86",  // KH2PO4 0.025 + Na2HPO4 0.025 mol/kg
       {{0, 6.984},
        {5, 6.951},
        {10, 6.923},
        {15, 6.900},
        {20, 6.881},
        {25, 6.865},
        {30, 6.853},
        {35, 6.844},
        {37, 6.841},
        {40, 6.838},
        {45, 6.834},
        {50, 6.833}}},
      {"7.41",  // KH2PO4 0.008695 + Na2HPO4 0.03043 mol/kg
       {{0, 7.534},
        {5, 7.500},
        {10, 7.472},
        {15, 7.448},
        {20, 7.429},
        {25, 7.413},
        {30, 7.400},
        {35, 7.389},
        {37, 7.386},
        {40, 7.380},
        {45, 7.373},
        {50, 7.367}}},
      {"9.18",  // disodium tetraborate 0.01 mol/kg
       {{0, 9.464},
        {5, 9.395},
        {10, 9.332},
        {15, 9.276},
        {20, 9.225},
        {25, 9.180},
        {30, 9.139},
        {35, 9.102},
        {37, 9.088},
        {40, 9.068},
        {45, 9.038},
        {50, 9.010}}},
      {"10.01",  // NaHCO3 0.025 + Na2CO3 0.025 mol/kg
       {{0, 10.317},
        {5, 10.245},
        {10, 10.179},
        {15, 10.118},
        {20, 10.062},
        {25, 10.012},
        {30, 9.966},
        {35, 9.925},
        {37, 9.910},
        {40, 9.889},
        {45, 9.857},
        {50, 9.828}}},
      {"12.45",  // calcium hydroxide, saturated at 25 °C
       {{0, 13.424},
        {5, 13.207},
        {10, 13.003},
        {15, 12.810},
        {20, 12.627},
        {25, 12.454},
        {30, 12.289},
        {35, 12.133},
        {37, 12.072},
        {40, 11.984},
        {45, 11.841},
        {50, 11.705}}},
  };
}

// The common technical buffers. 7.00: the phosphate buffer table of the Foxboro
// transmitter manual MI 611-211 (October 2005), Table 7 "American Buffer Tables";
// 4.01 and 10.01: the technical phthalate and carbonate buffer tables of 0 to 95 °C that
// pH meters' 4.01 / 7.00 / 10.01 buffer groups carry (the 10.01 column agrees with the
// Foxboro table to 25 °C and within 0.01 pH above it). The 9.21 borate buffer's
// temperature table was not at hand: it is known at 25 °C only, so it is recognised but
// not pre-filled at other temperatures (the buffer file can give its table).
std::vector<Buffer> Technical() {
  return {
      {"4.01", {{0, 4.01},  {5, 4.00},  {10, 4.00}, {15, 4.00}, {20, 4.00}, {25, 4.01}, {30, 4.02},
                {35, 4.03}, {40, 4.04}, {45, 4.05}, {50, 4.06}, {55, 4.07}, {60, 4.09}, {65, 4.11},
                {70, 4.12}, {75, 4.14}, {80, 4.16}, {85, 4.17}, {90, 4.19}, {95, 4.20}}},
      {"7.00",
       {{0, 7.12},
        {5, 7.09},
        {10, 7.06},
        {15, 7.04},
        {20, 7.02},
        {25, 7.00},
        {30, 6.99},
        {35, 6.99},
        {40, 6.98},
        {45, 6.98},
        {50, 6.97}}},
      {"9.21", {{25, 9.21}}},
      {"10.01", {{0, 10.32}, {5, 10.25}, {10, 10.18}, {15, 10.12}, {20, 10.06}, {25, 10.01}, {30, 9.96},
                 {35, 9.92}, {40, 9.88}, {45, 9.85},  {50, 9.82},  {55, 9.79},  {60, 9.77},  {65, 9.76},
                 {70, 9.75}, {75, 9.74}, {80, 9.73},  {85, 9.74},  {90, 9.75},  {95, 9.76}}},
  };
}

// Within one pH unit a sensor in a buffer is taken to stand in it.
constexpr double kRecognitionReach = 1.0;

}  // namespace

std::vector<BufferSet> BuiltInBufferSets() {
  return {
      {kDin19266Set, Din19266()},
      {kTechnicalSet, Technical()},
      {kDin19267Set, {}},
      {kOwnSet, {}},
  };
}

const BufferSet* FindBufferSet(const std::vector<BufferSet>& sets, const std::string& key) {
  for (const BufferSet& s : sets)
    if (s.key == key) return &s;
  return nullptr;
}

BufferValue BufferPh(const Buffer& b, double t) {
  BufferValue v;
  if (b.table.empty()) {
    v.gap = BufferGap::kNoTable;
    return v;
  }
  v.low = b.table.front().celsius;
  v.high = b.table.back().celsius;
  if (!std::isfinite(t) || t < v.low) {
    v.gap = BufferGap::kBelowTable;
    return v;
  }
  if (t > v.high) {
    v.gap = BufferGap::kAboveTable;
    return v;
  }
  for (std::size_t i = 0; i + 1 < b.table.size(); ++i) {
    const BufferPoint& a = b.table[i];
    const BufferPoint& c = b.table[i + 1];
    if (t <= c.celsius) {
      v.ph = a.ph + (c.ph - a.ph) * (t - a.celsius) / (c.celsius - a.celsius);
      return v;
    }
  }
  v.ph = b.table.back().ph;  // a one-point table at its own temperature
  return v;
}

ElectrodeLine UsableLine(double zeroMv, double slopeMv) {
  if (std::isfinite(zeroMv) && std::isfinite(slopeMv) && types::InRange(types::kPhOffsetRange, zeroMv) &&
      types::InRange(types::kPhSlopeRange, slopeMv))
    return {zeroMv, slopeMv};
  return {0.0, kNernstSlope25};
}

double PhFromVoltage(const ElectrodeLine& line, double mv, double t) {
  return 7.0 + (mv - line.zeroMv) / (line.slopeMv * (t + 273.15) / 298.15);
}

Recognition Recognise(const BufferSet& set, const ElectrodeLine& line, double mv, double t) {
  Recognition r;
  r.measuredPh = PhFromVoltage(line, mv, t);
  if (!std::isfinite(r.measuredPh)) return r;
  double best = kRecognitionReach;
  for (std::size_t i = 0; i < set.buffers.size(); ++i) {
    const Buffer& b = set.buffers[i];
    BufferValue v = BufferPh(b, t);
    // Out of its table a buffer is still told by its value at 25 °C (its name's).
    const double ph = v.ph ? *v.ph : BufferPh(b, 25.0).ph.value_or(b.table.empty() ? -100 : b.table.front().ph);
    const double distance = std::fabs(ph - r.measuredPh);
    if (distance <= best) {
      best = distance;
      r.index = static_cast<int>(i);
      r.value = v;
    }
  }
  return r;
}

bool SameSolution(const ElectrodeLine& line, double first, double second, double t) {
  return std::fabs(PhFromVoltage(line, first, t) - PhFromVoltage(line, second, t)) < 0.5;
}

}  // namespace korvane::calibration
