// The calibration formulas against hand-computed numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calibration/Calibrate.h"
#include "calibration/CalibrationMath.h"

namespace korvane::calibration {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct PhCase {
  const char* name;
  float u1, u2, b1, b2, t;
  Verdict verdict;
  float slope, offset;
};

TEST(TwoPointPhTest, SlopeAndOffsetAgainstHandComputedValues) {
  const PhCase cases[] = {
      // 177.5 mV over 3 pH at 25 °C; the offset is the voltage at pH 7.
      {"worked example", 0.0f, 177.5f, 7.0f, 4.0f, 25.0f, Verdict::kPlausible, -59.1667f, 0.0f},
      // At 35 °C the slope is referred back to 25 °C: -56.667 x 298.15 / 308.15.
      {"warm buffers", -10.0f, 160.0f, 7.0f, 4.0f, 35.0f, Verdict::kPlausible, -54.8277f, -10.0f},
      {"slope on the lower limit", 0.0f, 135.0f, 7.0f, 4.0f, 25.0f, Verdict::kPlausible, -45.0f, 0.0f},
      {"offset on the upper limit", 60.0f, 237.0f, 7.0f, 4.0f, 25.0f, Verdict::kPlausible, -59.0f, 60.0f},
      {"offset above the limit", 60.5f, 237.5f, 7.0f, 4.0f, 25.0f, Verdict::kImplausible, -59.0f, 60.5f},
      {"slope too flat", 0.0f, 120.0f, 7.0f, 4.0f, 25.0f, Verdict::kImplausible, -40.0f, 0.0f},
      {"slope too steep", 0.0f, 186.0f, 7.0f, 4.0f, 25.0f, Verdict::kImplausible, -62.0f, 0.0f},
      {"buffers in the other order", 177.5f, 0.0f, 4.0f, 7.0f, 25.0f, Verdict::kPlausible, -59.1667f, 0.0f},
  };
  const KValues old{-3.5f, -59.2f, 1.0f, 2.0f};
  for (const PhCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome o = TwoPointPh(old, c.u1, c.u2, c.b1, c.b2, c.t);
    EXPECT_EQ(o.verdict, c.verdict);
    EXPECT_NEAR(o.k[1], c.slope, 1e-3);
    EXPECT_NEAR(o.k[0], c.offset, 1e-3);
    EXPECT_EQ(o.k[2], 1.0f);
    EXPECT_EQ(o.k[3], 2.0f);
  }
}

TEST(TwoPointPhTest, WorkedExampleRowsAndSinglePrecisionSlope) {
  const Outcome o = TwoPointPh({-3.5f, -59.2f, 0, 0}, 0.0f, 177.5f, 7.0f, 4.0f, 25.0f);
  // The slope is rounded to single precision before the offset is computed, which
  // leaves a few microvolts instead of an exact zero; the row still reads 0.0.
  EXPECT_NE(o.k[0], 0.0f);
  EXPECT_LT(std::fabs(o.k[0]), 1e-4f);
  EXPECT_EQ(FormatNumber("%.1f mV", o.k[0]), "0.0 mV");
  EXPECT_EQ(FormatNumber("%.1f mV/pH", o.k[1]), "-59.2 mV/pH");
}

TEST(TwoPointPhTest, EqualPointsAndUnusableInputsKeepTheOldValues) {
  const KValues old{-3.5f, -59.2f, 0, 0};
  struct {
    const char* name;
    float u1, u2, b1, b2, t;
    Verdict verdict;
  } cases[] = {
      {"same voltage", 12.0f, 12.0f, 7.0f, 4.0f, 25.0f, Verdict::kEqual},
      {"same buffer", 0.0f, 177.5f, 7.0f, 7.0f, 25.0f, Verdict::kEqual},
      {"no temperature", 0.0f, 177.5f, 7.0f, 4.0f, kNaN, Verdict::kUnusable},
      {"voltage overflow", 0.0f, kInf, 7.0f, 4.0f, 25.0f, Verdict::kUnusable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (auto* formula : {&TwoPointPh, &PhCompensation}) {
      const Outcome o = (*formula)(old, c.u1, c.u2, c.b1, c.b2, c.t);
      EXPECT_EQ(o.verdict, c.verdict);
      EXPECT_EQ(o.k, old);
    }
  }
}

TEST(PhCompensationTest, OffsetGoesToK3AndSlopeStaysOutside) {
  const KValues old{45.0f, 7.2f, 0.0f, 7.5f};
  const Outcome o = PhCompensation(old, -10.0f, 160.0f, 7.0f, 4.0f, 35.0f);
  EXPECT_EQ(o.verdict, Verdict::kPlausible);
  EXPECT_NEAR(o.k[2], -10.0f, 1e-3);
  EXPECT_NEAR(o.slope, -54.8277f, 1e-3);
  EXPECT_EQ(o.k[0], 45.0f);
  EXPECT_EQ(o.k[1], 7.2f);
  EXPECT_EQ(o.k[3], 7.5f);
  EXPECT_EQ(PhCompensation(old, 0.0f, 120.0f, 7.0f, 4.0f, 25.0f).verdict, Verdict::kImplausible);
}

struct SinglePointCase {
  const char* name;
  Outcome outcome;
  Verdict verdict;
  int index;       // which K changed
  float expected;  // its new value
};

TEST(SinglePointFormulaTest, NewValueAndVerdict) {
  const KValues k{1.0f, 2.0f, 0.0f, 1.0f};
  const SinglePointCase cases[] = {
      {"redox", RedoxOffset({5.0f, 0, 0, 0}, 230.0f, 225.0f), Verdict::kPlausible, 0, 10.0f},
      {"redox on the limit", RedoxOffset({0, 0, 0, 0}, 325.0f, 225.0f), Verdict::kPlausible, 0, 100.0f},
      {"redox beyond", RedoxOffset({0, 0, 0, 0}, 350.0f, 225.0f), Verdict::kImplausible, 0, 125.0f},
      {"cell constant", CellConstant(k, 1350.0f, 1413.0f, false), Verdict::kPlausible, 0, 1.046667f},
      {"cell constant 1.2 passes", CellConstant(k, 1000.0f, 1200.0f, false), Verdict::kPlausible, 0, 1.2f},
      {"cell constant 0.8 passes", CellConstant(k, 1000.0f, 800.0f, false), Verdict::kPlausible, 0, 0.8f},
      {"cell constant low, two electrodes", CellConstant(k, 1000.0f, 200.0f, false), Verdict::kImplausible, 0, 0.2f},
      {"cell constant low, four electrodes", CellConstant(k, 1000.0f, 200.0f, true), Verdict::kPlausible, 0, 0.2f},
      {"cell constant 0.05, four electrodes", CellConstant(k, 1000.0f, 50.0f, true), Verdict::kPlausible, 0, 0.05f},
      {"cell constant below 0.05", CellConstant(k, 1000.0f, 40.0f, true), Verdict::kImplausible, 0, 0.04f},
      {"cell constant high, four electrodes", CellConstant(k, 1000.0f, 1300.0f, true), Verdict::kImplausible, 0, 1.3f},
      {"air pressure", AirPressure(k, 1000.0f, 1013.0f), Verdict::kPlausible, 3, 1.013f},
      {"air pressure, old factor", AirPressure({0, 0, 0, 0.98f}, 990.0f, 1000.0f), Verdict::kPlausible, 3, 0.989899f},
      {"air pressure just above 800", AirPressure(k, 1000.0f, 800.5f), Verdict::kPlausible, 3, 0.8005f},
      {"linear chlorine", LinearChlorine({0.5f, 0, 0, 0}, 3.0f, 12.0f), Verdict::kPlausible, 0, 0.375f},
      {"linear chlorine too steep", LinearChlorine({0.5f, 0, 0, 0}, 10.0f, 12.0f), Verdict::kImplausible, 0, 1.25f},
      {"linear chlorine at 4 mA keeps K1", LinearChlorine({0.5f, 0, 0, 0}, 3.0f, 4.0f), Verdict::kPlausible, 0, 0.5f},
      {"linear chlorine below 4 mA keeps K1", LinearChlorine({1.5f, 0, 0, 0}, 3.0f, 2.0f), Verdict::kImplausible, 0,
       1.5f},
      {"chlorine slope", ChlorineSlope({45.0f, 0, 0, 0}, 1.5f, 2.0f), Verdict::kPlausible, 0, 33.75f},
      {"chlorine slope too steep", ChlorineSlope({45.0f, 0, 0, 0}, 1.5f, 1.0f), Verdict::kImplausible, 0, 67.5f},
      {"saturation", SaturationFactor(k, 100.0f, 98.0f), Verdict::kPlausible, 0, 1.020408f},
      {"saturation below 1 counts as 1", SaturationFactor(k, 1.0f, 0.5f), Verdict::kPlausible, 0, 1.0f},
      {"saturation of 0 counts as 1", SaturationFactor(k, 1.2f, 0.0f), Verdict::kPlausible, 0, 1.2f},
      {"saturation factor too high", SaturationFactor({100.0f, 0, 0, 0}, 100.0f, 98.0f), Verdict::kImplausible, 0,
       102.0408f},
  };
  for (const SinglePointCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.outcome.verdict, c.verdict);
    EXPECT_NEAR(c.outcome.k[c.index], c.expected, 1e-4 * std::max(1.0f, std::fabs(c.expected)));
  }
}

TEST(AirPressureTest, EntryMustLieStrictlyBetween800And1200) {
  const KValues k{0, 0, 0, 1.0f};
  for (float p : {800.0f, 1200.0f, 799.0f, 1500.0f, -1013.0f}) {
    SCOPED_TRACE(p);
    const Outcome o = AirPressure(k, 1000.0f, p);
    EXPECT_EQ(o.verdict, Verdict::kRefused);
    EXPECT_EQ(o.k[3], 1.0f);
  }
  EXPECT_EQ(FormatNumber("%.0f hPa", 1013.0f), "1013 hPa");
}

TEST(OxygenTest, WaterVapourPressurePolynomial) {
  EXPECT_NEAR(WaterVapourPressure(0.0f), 6.10697f, 1e-4);
  EXPECT_NEAR(WaterVapourPressure(20.0f), 23.3515f, 1e-3);
  EXPECT_NEAR(WaterVapourPressure(25.0f), 31.6495f, 1e-3);
}

TEST(OxygenTest, SlopeFromCurrentPressureAndTemperature) {
  // At 20 °C the membrane term vanishes: 205.58 x 3000 / ((1013 - 23.3515) x 0.2095 x 100).
  const Outcome at20 = OxygenSlope({60.0f, 2900.0f, 2300.0f, 1.0f}, 100.0f, 30.0f, 1013.0f, 20.0f);
  EXPECT_EQ(at20.verdict, Verdict::kPlausible);
  EXPECT_NEAR(at20.k[0], 29.7466f, 1e-3);
  EXPECT_EQ(at20.k[1], 2900.0f);
  EXPECT_EQ(at20.k[2], 2300.0f);

  // Below 20 °C the coefficient "B < 20°C" (K2) counts, from 20 °C on "B > 20°C" (K3).
  const Outcome cold = OxygenSlope({60.0f, 2900.0f, 2300.0f, 1.0f}, 100.0f, 30.0f, 1013.0f, 10.0f);
  EXPECT_NEAR(cold.k[0], 41.7347f, 1e-3);
  EXPECT_EQ(OxygenSlope({60.0f, 2900.0f, 9999.0f, 1.0f}, 100.0f, 30.0f, 1013.0f, 10.0f).k[0], cold.k[0]);
  const Outcome warm = OxygenSlope({60.0f, 2900.0f, 2300.0f, 1.0f}, 100.0f, 30.0f, 1013.0f, 25.0f);
  EXPECT_NEAR(warm.k[0], 26.2962f, 1e-3);
  EXPECT_EQ(OxygenSlope({60.0f, 1.0f, 2300.0f, 1.0f}, 100.0f, 30.0f, 1013.0f, 25.0f).k[0], warm.k[0]);

  EXPECT_EQ(OxygenSlope({60.0f, 2.9f, 2.3f, 1.0f}, 100.0f, 5.0f, 1013.0f, 20.0f).verdict, Verdict::kImplausible);
  EXPECT_EQ(OxygenSlope({60.0f, 2.9f, 2.3f, 1.0f}, 100.0f, 300.0f, 1013.0f, 20.0f).verdict, Verdict::kImplausible);
}

TEST(IseTest, SlopePerDecadeAndFirstPointValues) {
  const Outcome o = TwoPointIse({59.2f, 100.0f, 1.0f, 0}, 100.0f, 41.0f, 10.0f, 1.0f);
  EXPECT_EQ(o.verdict, Verdict::kPlausible);
  EXPECT_NEAR(o.k[0], 59.0f, 1e-4);
  EXPECT_EQ(o.k[1], 100.0f);
  EXPECT_EQ(o.k[2], 10.0f);
  // No plausibility limits: a slope of 590 mV per decade is still offered.
  EXPECT_EQ(TwoPointIse({0, 0, 0, 0}, 600.0f, 10.0f, 10.0f, 1.0f).verdict, Verdict::kPlausible);
}

TEST(IseTest, EqualOrNonPositiveRatioNeverYieldsASlope) {
  const KValues old{59.2f, 100.0f, 1.0f, 0};
  struct {
    const char* name;
    float u1, u2, b1, b2;
    Verdict verdict;
  } cases[] = {
      {"same voltage", 100.0f, 100.0f, 10.0f, 1.0f, Verdict::kEqual},
      {"same concentration", 100.0f, 41.0f, 10.0f, 10.0f, Verdict::kEqual},
      {"negative ratio", 100.0f, 41.0f, 10.0f, -1.0f, Verdict::kUnusable},
      {"first concentration zero", 100.0f, 41.0f, 0.0f, 1.0f, Verdict::kUnusable},
      {"second concentration zero", 100.0f, 41.0f, 10.0f, 0.0f, Verdict::kUnusable},
      {"voltage not a number", 100.0f, kNaN, 10.0f, 1.0f, Verdict::kUnusable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome o = TwoPointIse(old, c.u1, c.u2, c.b1, c.b2);
    EXPECT_EQ(o.verdict, c.verdict);
    EXPECT_EQ(o.k[0], old[0]);  // the slope is never replaced
    EXPECT_EQ(o.k[1], c.u1);    // the first point is taken at once
    EXPECT_EQ(o.k[2], c.b1);
  }
}

TEST(UnusableTest, DivisionByZeroOrNonFiniteValuesAreNeverOffered) {
  const KValues k{1.0f, 2.0f, 3.0f, 1.0f};
  struct {
    const char* name;
    Outcome o;
  } cases[] = {
      {"cell constant, nothing measured", CellConstant(k, 0.0f, 1413.0f, false)},
      {"cell constant, entry overflows", CellConstant(k, 1e-30f, 1e30f, false)},
      {"air pressure, nothing measured", AirPressure(k, 0.0f, 1013.0f)},
      {"air pressure, old factor zero", AirPressure({0, 0, 0, 0.0f}, 1000.0f, 1013.0f)},
      {"oxygen, air pressure equals vapour pressure", OxygenSlope(k, 100.0f, 30.0f, WaterVapourPressure(20.0f), 20.0f)},
      {"oxygen, reference zero", OxygenSlope(k, 0.0f, 30.0f, 1013.0f, 20.0f)},
      {"oxygen, no temperature", OxygenSlope(k, 100.0f, 30.0f, 1013.0f, kNaN)},
      {"chlorine slope, reference zero", ChlorineSlope(k, 1.5f, 0.0f)},
      {"redox, measured infinite", RedoxOffset(k, kInf, 225.0f)},
      {"saturation, old factor not a number", SaturationFactor({kNaN, 0, 0, 0}, 100.0f, 98.0f)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.o.verdict, Verdict::kUnusable);
  }
}

// An erased module reads 0xFFFFFFFF (not a number) for a value it never stored: only
// what a formula reads or produces decides, the rest goes back as it was read.
TEST(UnusableTest, OnlyTheValuesAFormulaReadsOrProducesMustBeNumbers) {
  const KValues erased3{0.0f, -59.0f, 1.0f, kNaN};
  const struct {
    const char* name;
    Outcome o;
    Verdict verdict;
  } cases[] = {
      {"two-point pH leaves K4 alone", TwoPointPh(erased3, -10.0f, 160.0f, 7.0f, 4.0f, 25.0f), Verdict::kPlausible},
      {"redox reads K1 only", RedoxOffset({0.0f, kNaN, kNaN, kNaN}, 240.0f, 225.0f), Verdict::kPlausible},
      {"linear chlorine reads nothing stored", LinearChlorine({0.5f, 0, kNaN, 0}, 3.0f, 12.0f), Verdict::kPlausible},
      {"air pressure reads K4", AirPressure(erased3, 1000.0f, 1013.0f), Verdict::kUnusable},
      {"oxygen reads the membrane value of its temperature", OxygenSlope({60, kNaN, 2.3f, 1}, 100, 30, 1013, 15),
       Verdict::kUnusable},
      {"ISE ratio overflows", TwoPointIse(erased3, 100.0f, 40.0f, 1e30f, 1e-30f), Verdict::kUnusable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.o.verdict, c.verdict);
  }
  const Outcome ph = TwoPointPh(erased3, -10.0f, 160.0f, 7.0f, 4.0f, 25.0f);
  EXPECT_TRUE(std::isnan(ph.k[3]));  // written back as read
}

TEST(StatusTextTest, LabelsOneToThreeWithTheirDecimals) {
  struct {
    int type;
    Language language;
    KValues k;
    const char* expected;
  } cases[] = {
      {0, Language::kGerman, {-3.5f, -59.2f, 0, 0}, "Asymmetrie: -3.5  Steilheit: -59.2  "},
      {0, Language::kEnglish, {-3.5f, -59.2f, 0, 0}, "asymmetrie: -3.5  slope: -59.2  "},
      {3,
       Language::kGerman,
       {1.04667f, 2.0f, 0.0f, 0},
       "Zellkonstante: 1.047  Temperaturkoef.: 2.00  Kabeloffset: 0.00  "},
      // Label 1 of "linear" is empty: the line starts with the colon.
      {8, Language::kGerman, {0.0f, 0.0f, 100.0f, 0}, ": 0.00  1V/4mA Wert: 0.0  5V/20mA Wert: 100.0  "},
      // Label 4 ("K Wert") is left out here.
      {18, Language::kGerman, {45.0f, 7.2f, 0.0f, 7.5f}, "Anstieg: 45.00  pH Kompensation: 7.20  Offset Co: 0.00  "},
      {6, Language::kEnglish, {0.0f, 1.0f, 0, 0}, "basis: 0  factor: 1.0000  "},
      {29, Language::kGerman, {1.0f, 0, 0, 1.0f}, "Anstieg: 1.00  "},
      {15, Language::kGerman, {1.0f, 2.0f, 3.0f, 4.0f}, ": 1  "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(CalibrationStatusText(c.type, c.language, c.k), c.expected);
  }
}

TEST(FormatNumberTest, NoMinusSignOnAValueThatRoundsToZero) {
  EXPECT_EQ(FormatNumber("%.1f mV", -0.04), "0.0 mV");
  EXPECT_EQ(FormatNumber("%.1f mV", -0.05000001), "-0.1 mV");
  EXPECT_EQ(FormatNumber("%.0f hPa", -0.3), "0 hPa");
  EXPECT_EQ(FormatNumber("%.1f mV", -12.0), "-12.0 mV");
  EXPECT_EQ(FormatNumber("%.2f %%/K", 2.0), "2.00 %/K");
}

}  // namespace
}  // namespace korvane::calibration
