// Drift and noise over the sliding window, against published regression figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "calibration/Stability.h"

namespace korvane::calibration {
namespace {

// Anscombe's quartet (F. J. Anscombe, "Graphs in Statistical Analysis", The American
// Statistician 27 (1973) 17-21) with the least-squares figures published for it: slope
// and the residual standard error on nine degrees of freedom. x is read as minutes, so
// the slope is the drift per minute and the residual standard error the noise.
struct Quartet {
  const char* name;
  std::vector<double> x, y;
  double slope, residual;
};

const std::vector<double> kX{10, 8, 13, 9, 11, 14, 6, 4, 12, 7, 5};

TEST(StabilityTest, DriftAndNoiseAreTheRegressionOfAnscombesQuartet) {
  const Quartet quartet[] = {
      {"I", kX, {8.04, 6.95, 7.58, 8.81, 8.33, 9.96, 7.24, 4.26, 10.84, 4.82, 5.68}, 0.5001, 1.237},
      {"II", kX, {9.14, 8.14, 8.74, 8.77, 9.26, 8.10, 6.13, 3.10, 9.13, 7.26, 4.74}, 0.5000, 1.237},
      {"III", kX, {7.46, 6.77, 12.74, 7.11, 7.81, 8.84, 6.08, 5.39, 8.15, 6.42, 5.73}, 0.4997, 1.236},
      {"IV",
       {8, 8, 8, 8, 8, 8, 8, 19, 8, 8, 8},
       {6.58, 5.76, 7.71, 8.84, 8.47, 7.04, 5.25, 12.50, 5.56, 7.91, 6.89},
       0.4999,
       1.236},
  };
  for (const Quartet& q : quartet) {
    SCOPED_TRACE(q.name);
    std::vector<std::pair<double, double>> samples;
    for (std::size_t i = 0; i < q.x.size(); ++i) samples.emplace_back(q.x[i] * 60.0, q.y[i]);
    std::sort(samples.begin(), samples.end());
    StabilityWindow w(660);  // IV spans eleven minutes
    for (auto [t, v] : samples) w.Add(t, v);
    const StabilityFigures f = w.Judge({1.0, 2.0, 660, LimitKind::kAbsolute});
    EXPECT_EQ(f.samples, 11);
    EXPECT_NEAR(f.drift, q.slope, 5e-5);
    EXPECT_NEAR(f.noise, q.residual, 6e-4);
    EXPECT_NEAR(f.mean, 7.50, 6e-3);
    EXPECT_TRUE(f.stable);  // 0.5 per minute under 1, 1.24 under 2
    // Relative to the mean of 7.50.
    const StabilityFigures p = w.Judge({5.0, 20.0, 660, LimitKind::kPercent});
    EXPECT_NEAR(p.drift, f.drift / f.mean * 100, 1e-9);
    EXPECT_NEAR(p.noise, f.noise / f.mean * 100, 1e-9);
    EXPECT_FALSE(p.stable);  // 6.7 %/min over 5
    EXPECT_NEAR(p.driftRatio, p.drift / 5.0, 1e-12);
  }
}

TEST(StabilityTest, TheWindowSlidesAndMustBeCoveredBeforeAValueCountsAsStable) {
  const struct {
    const char* what;
    int samples;       // one every 2 s
    double perMinute;  // the value's drift
    double window;
    int kept;
    bool covered, stable;
  } cases[] = {
      {"a reading just started", 2, 0.0, 30, 2, false, false},
      {"fourteen polls: 26 of 30 s", 14, 0.0, 30, 14, false, false},
      {"fifteen polls: 28 s count as covered", 15, 0.0, 30, 15, true, true},
      {"old samples leave the window", 100, 0.0, 30, 16, true, true},
      {"drift under the limit passes", 40, 0.49, 30, 16, true, true},
      {"drift over the limit", 40, 0.6, 30, 16, true, false},
      {"a ten-minute window at the two-second poll", 400, 0.0, 600, 301, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    StabilityWindow w(c.window);
    for (int i = 0; i < c.samples; ++i) w.Add(2.0 * i, 100 + c.perMinute * 2.0 * i / 60.0);
    const StabilityFigures f = w.Judge({0.5, 0.3, c.window, LimitKind::kAbsolute});
    EXPECT_EQ(static_cast<int>(w.size()), c.kept);
    EXPECT_EQ(f.covered, c.covered);
    EXPECT_EQ(f.stable, c.stable);
    EXPECT_NEAR(f.drift, c.perMinute, 1e-9);
  }
}

TEST(StabilityTest, PollsThatComeLateKeepTheWindowCovered) {
  // A chain that ends a little after two seconds must not uncover a window it once filled,
  // nor a short window ever stay uncovered.
  for (const double window : {4.0, 10.0, 30.0}) {
    for (const double period : {2.01, 2.05, 2.3}) {
      SCOPED_TRACE(testing::Message() << window << " s window, a poll every " << period << " s");
      StabilityWindow w(window);
      int covered = 0;
      for (int i = 0; i < 60; ++i) {
        w.Add(period * i, 7.0);
        const StabilityFigures f = w.Judge({0.5, 0.3, window, LimitKind::kAbsolute});
        if (covered > 0) {
          EXPECT_TRUE(f.stable) << "poll " << i;
        }
        if (f.covered) ++covered;
      }
      EXPECT_GT(covered, 0);
    }
  }
}

TEST(StabilityTest, AReadingTheModuleCouldNotGiveNeverCounts) {
  StabilityWindow w(30);
  for (int i = 0; i < 20; ++i) w.Add(2.0 * i, i % 3 ? 5.0 : std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(w.Judge({}).samples, 11);  // only the finite ones, within 30 s
  // Percent of a zero mean: only a reading that does not move is stable.
  StabilityWindow zero(30);
  for (int i = 0; i < 20; ++i) zero.Add(2.0 * i, i % 2 ? 0.1 : -0.1);
  const StabilityFigures f = zero.Judge({0.5, 0.3, 30, LimitKind::kPercent});
  EXPECT_FALSE(f.stable);
  EXPECT_TRUE(std::isinf(f.noise));
}

}  // namespace
}  // namespace korvane::calibration
