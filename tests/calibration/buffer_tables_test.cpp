// The buffer tables against the values other publications give for the same buffers,
// their interpolation, the recognition of a buffer from a voltage, and the buffer file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calibration/BufferFile.h"
#include "calibration/BufferTables.h"

namespace korvane::calibration {
namespace {

double PhAt(const std::string& set, const std::string& buffer, double t) {
  const std::vector<BufferSet> sets = BuiltInBufferSets();
  for (const Buffer& b : FindBufferSet(sets, set)->buffers)
    if (b.name == buffer) return BufferPh(b, t).ph.value_or(-1);
  return -2;
}

TEST(BufferTablesTest, TheStandardBuffersAgreeWithThePharmacopoeiasTable) {
  // European Pharmacopoeia 5.0, Table 2.2.3.-2, pH of the reference buffer solutions
  // (two decimals), at 15, 20, 25, 30 and 35 °C; NaN where it gives none.
  const double n = NAN;
  const struct {
    const char* buffer;
    double ph[5];
  } rows[] = {
      {"1.68", {1.67, 1.68, 1.68, 1.68, 1.69}},       {"3.56", {n, n, 3.56, 3.55, 3.55}},
      {"3.78", {3.80, 3.79, 3.78, 3.77, 3.76}},       {"4.01", {4.00, 4.00, 4.01, 4.02, 4.02}},
      {"6.86", {6.90, 6.88, 6.87, 6.85, 6.84}},       {"7.41", {7.45, 7.43, 7.41, 7.40, 7.39}},
      {"9.18", {9.28, 9.23, 9.18, 9.14, 9.10}},       {"10.01", {10.12, 10.06, 10.01, 9.97, 9.93}},
      {"12.45", {12.81, 12.63, 12.45, 12.29, 12.13}},
  };
  const double temperatures[5] = {15, 20, 25, 30, 35};
  for (const auto& r : rows) {
    for (int i = 0; i < 5; ++i) {
      if (std::isnan(r.ph[i])) continue;
      SCOPED_TRACE(std::string(r.buffer) + " at " + std::to_string(temperatures[i]));
      EXPECT_NEAR(PhAt(kDin19266Set, r.buffer, temperatures[i]), r.ph[i], 0.0101);
    }
  }
  // The transmitter manual's NIST table (Foxboro MI 611-211, Table 8) at 0, 5 and 10 °C.
  const struct {
    double t, phthalate, phosphate, borax;
  } nist[] = {{0, 4.00, 6.98, 9.46}, {5, 4.00, 6.95, 9.40}, {10, 4.00, 6.92, 9.33}};
  for (const auto& r : nist) {
    EXPECT_NEAR(PhAt(kDin19266Set, "4.01", r.t), r.phthalate, 0.0051);
    EXPECT_NEAR(PhAt(kDin19266Set, "6.86", r.t), r.phosphate, 0.0051);
    EXPECT_NEAR(PhAt(kDin19266Set, "9.18", r.t), r.borax, 0.0051);
  }
}

TEST(BufferTablesTest, TheTechnicalBuffersAgreeWithTheTransmitterManual) {
  // Foxboro MI 611-211, Table 7: the 7.00 and 10.01 technical buffers, 0 to 50 °C.
  const struct {
    double t, seven, ten;
  } rows[] = {{0, 7.12, 10.32},  {5, 7.09, 10.25},  {10, 7.06, 10.18}, {15, 7.04, 10.12},
              {20, 7.02, 10.06}, {25, 7.00, 10.01}, {30, 6.99, 9.97},  {35, 6.99, 9.93},
              {40, 6.98, 9.89},  {45, 6.98, 9.86},  {50, 6.97, 9.83}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.t);
    EXPECT_NEAR(PhAt(kTechnicalSet, "7.00", r.t), r.seven, 1e-9);
    EXPECT_NEAR(PhAt(kTechnicalSet, "10.01", r.t), r.ten, 0.0101);
  }
}

TEST(BufferTablesTest, ValuesBetweenTheTablesPointsAreInterpolatedAndNeverBeyond) {
  const struct {
    const char* set;
    const char* buffer;
    double t;
    double ph;  // < 0: no value
    BufferGap gap;
  } cases[] = {
      {kTechnicalSet, "7.00", 12, 7.052, BufferGap::kNone},  // "7.00 is typed at 12 °C where the buffer is 7.05"
      {kTechnicalSet, "10.01", 22.5, 10.035, BufferGap::kNone},
      {kDin19266Set, "9.18", 37, 9.088, BufferGap::kNone},
      {kDin19266Set, "4.01", 0, 4.000, BufferGap::kNone},
      {kTechnicalSet, "4.01", 95, 4.20, BufferGap::kNone},
      {kTechnicalSet, "7.00", 50.5, -1, BufferGap::kAboveTable},
      {kDin19266Set, "3.56", 20, -1, BufferGap::kBelowTable},  // tartrate is saturated at 25 °C
      {kTechnicalSet, "9.21", 25, 9.21, BufferGap::kNone},
      {kTechnicalSet, "9.21", 21, -1, BufferGap::kBelowTable},
  };
  const std::vector<BufferSet> sets = BuiltInBufferSets();
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.buffer) + " at " + std::to_string(c.t));
    for (const Buffer& b : FindBufferSet(sets, c.set)->buffers) {
      if (b.name != c.buffer) continue;
      const BufferValue v = BufferPh(b, c.t);
      EXPECT_EQ(v.gap, c.gap);
      EXPECT_EQ(v.ph.has_value(), c.ph >= 0);
      if (v.ph) {
        EXPECT_NEAR(*v.ph, c.ph, 1e-9);
      }
    }
  }
}

// The voltage a pH electrode gives in a solution.
double Voltage(double zero, double slope25, double ph, double t) {
  return zero + slope25 * (t + 273.15) / 298.15 * (ph - 7);
}

TEST(BufferTablesTest, TheBufferIsRecognisedOnTheModulesLineOrTheIdealOne) {
  const std::vector<BufferSet> sets = BuiltInBufferSets();
  const struct {
    const char* what;
    const char* set;
    ElectrodeLine module;  // as the module's calibration values give it
    double mv, t;
    const char* buffer;  // "" none
  } cases[] = {
      {"4.00 at 12 °C on a slightly worn electrode", kTechnicalSet, UsableLine(-3.5, -59.2),
       Voltage(8, -57.8, 4.00, 12), 12, "4.01"},
      {"7.05 at 12 °C", kTechnicalSet, UsableLine(-3.5, -59.2), Voltage(8, -57.8, 7.052, 12), 12, "7.00"},
      {"an erased module: the ideal electrode", kTechnicalSet, UsableLine(NAN, NAN), Voltage(0, -59.16, 10.156, 12), 12,
       "10.01"},
      {"a module slope of -20 is no line to read by", kTechnicalSet, UsableLine(0, -20), Voltage(0, -59.16, 4.0, 25),
       25, "4.01"},
      {"pH 2 is no buffer of the set", kTechnicalSet, UsableLine(0, -59.16), Voltage(0, -59.16, 2.0, 25), 25, ""},
      {"the phosphate of the standard set", kDin19266Set, UsableLine(0, -59.16), Voltage(0, -59.16, 6.865, 25), 25,
       "6.86"},
      {"borax at 5 °C", kDin19266Set, UsableLine(0, -59.16), Voltage(0, -59.16, 9.395, 5), 5, "9.18"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const BufferSet& set = *FindBufferSet(sets, c.set);
    const Recognition r = Recognise(set, c.module, c.mv, c.t);
    EXPECT_EQ(r.index < 0 ? std::string() : set.buffers[static_cast<std::size_t>(r.index)].name, c.buffer);
  }
  const ElectrodeLine ideal = UsableLine(0, -59.16);
  EXPECT_TRUE(SameSolution(ideal, 170.0, 180.0, 25));  // a sixth of a pH unit
  EXPECT_FALSE(SameSolution(ideal, 0.0, 60.0, 25));
}

TEST(BufferFileTest, TheFileFillsAndReplacesTablesAndNamesWhatItCannotRead) {
  const std::string text =
      "# DIN 19267 from the bottle\n"
      "[din19267]\n"
      "4.65: 0=4.67 10=4.66 20=4.65 25=4.65\n"
      "6.79: 10=6.84 20=6.80 x=6.79\n"
      "[technical]\n"
      "9.21: 10=9.38 20=9.26 25=9.21\n"
      "[own]\n"
      "5.00: 20=5.02 10=5.03\n"
      "[lab]\n"
      "7.00: 25=7.00\n"
      "[own]\n"
      "6.50: 20=6.51 25=6.50\n";
  std::vector<std::string> problems;
  const std::vector<BufferSet> sets = BufferSetsWithFile(text, &problems, Language::kEnglish);
  const BufferSet& din = *FindBufferSet(sets, kDin19267Set);
  ASSERT_EQ(din.buffers.size(), 1u);
  EXPECT_NEAR(*BufferPh(din.buffers[0], 5).ph, 4.665, 1e-9);
  const BufferSet& technical = *FindBufferSet(sets, kTechnicalSet);
  EXPECT_EQ(technical.buffers.size(), 4u);  // 9.21 replaced, not added
  EXPECT_NEAR(*BufferPh(technical.buffers[2], 15).ph, 9.32, 1e-9);
  ASSERT_EQ(FindBufferSet(sets, kOwnSet)->buffers.size(), 1u);
  EXPECT_EQ(FindBufferSet(sets, kOwnSet)->buffers[0].name, "6.50");
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "korvane-buffers.conf, line 4: \"6.79: 10=6.84 20=6.80 x=6.79\" is not NAME: °C=pH ...; the "
                          "line is skipped.",
                          "korvane-buffers.conf, line 8: \"5.00: 20=5.02 10=5.03\" has no rising temperatures from -10 "
                          "to 150 °C with pH values from 0 to 14; the line is skipped.",
                          "korvane-buffers.conf, line 9: \"[lab]\" is no buffer set (din19266, technical, din19267, "
                          "own); the line is skipped."}));
}

}  // namespace
}  // namespace korvane::calibration
