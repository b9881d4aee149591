// The simulator's settle curve, its buffers and the options that set them.
#include <gtest/gtest.h>

#include <cmath>

#include "Amplifier.h"
#include "Bus.h"
#include "SimOptions.h"

namespace korvane::sim {
namespace {

TEST(Settle, AValueApproachesItsTargetExponentiallyWithItsNoise) {
  Amplifier amp(4);  // conductivity, channel 1 near 845 µS/cm
  amp.SetSettle(10, 0);
  const double start = amp.Measured(1);
  amp.SetTarget(1, 1413);
  for (const auto& [seconds, left] :
       std::vector<std::pair<double, double>>{{10, std::exp(-1.0)}, {20, std::exp(-3.0)}}) {
    amp.Advance(seconds);
    EXPECT_NEAR(amp.Measured(1), 1413 + (start - 1413) * left, 0.05);
  }
  // A new target starts from where the value stands.
  amp.SetTarget(1, 1000);
  const double from = 1413 + (start - 1413) * std::exp(-3.0);
  amp.Advance(10);
  EXPECT_NEAR(amp.Measured(1), 1000 + (from - 1000) * std::exp(-1.0), 0.05);
  // Noise of half the channel's usual wander (6 µS/cm): its spread, around the value.
  amp.SetSettle(10, 0.5);
  amp.Advance(1000);
  double sum = 0, squares = 0;
  for (int i = 0; i < 2000; ++i) {
    const double v = amp.Measured(1) - 1000;
    sum += v;
    squares += v * v;
  }
  EXPECT_NEAR(sum / 2000, 0, 0.3);
  EXPECT_NEAR(std::sqrt(squares / 2000), 3.0, 0.3);
}

TEST(Settle, APhSensorInABufferShowsTheElectrodesVoltageAndTheModulesPh) {
  Amplifier amp(1);  // the module holds -3.5 mV / -59.2 mV/pH
  amp.SetSettle(5, 0);
  amp.SetMeasured(6, 12.0f);
  amp.SetElectrode(8.0, -57.8);
  amp.SetSolution(4.00);
  amp.Advance(200);
  const double mv = 8.0 - 57.8 * 285.15 / 298.15 * (4.00 - 7.0);
  EXPECT_NEAR(amp.Measured(2), mv, 1e-3);
  EXPECT_NEAR(amp.Measured(1), 7.0 + (mv + 3.5) / (-59.2 * 285.15 / 298.15), 1e-4);
  // Another type's solution is channel 1's value.
  Amplifier redox(2);
  redox.SetSettle(5, 0);
  redox.SetSolution(230);
  redox.Advance(200);
  EXPECT_NEAR(redox.Measured(1), 230, 1e-3);
}

TEST(Settle, TheOptionsSetTheCurveTheBuffersAndTheTemperature) {
  platform::LineRequest help = platform::LineRequest::kRun;
  std::string error;
  const auto o = ParseSimOptions({"--module", "0:1", "--module", "3:2", "--settle", "20:0.05@3", "--buffer",
                                  "7.00,4.01", "--buffer-every", "30", "--temperature", "12"},
                                 &help, &error);
  ASSERT_TRUE(o) << error;
  ASSERT_EQ(o->settle.size(), 1u);
  EXPECT_EQ(o->settle[0].address, 3);
  EXPECT_EQ(o->settle[0].noise, 0.05);
  EXPECT_EQ(o->solutions, (std::vector<double>{7.00, 4.01}));
  EXPECT_EQ(o->solutionEvery, 30);
  Bus bus;
  const auto amplifiers = BuildBus(*o, bus);
  ASSERT_EQ(amplifiers.size(), 2u);
  EXPECT_FALSE(amplifiers[0]->settling());  // only the module at 3
  EXPECT_TRUE(amplifiers[1]->settling());
  Solutions solutions(*o, amplifiers);
  EXPECT_EQ(solutions.Next(), 7.00);
  EXPECT_EQ(solutions.Next(), 4.01);
  EXPECT_EQ(solutions.Next(), 7.00);  // round again
  amplifiers[1]->Advance(600);
  EXPECT_NEAR(amplifiers[1]->Measured(6), 12.0, 0.1);
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--settle", "0"},
                                              {"--settle", "5:-1"},
                                              {"--settle", "5@x"},
                                              {"--buffer", "7,x"},
                                              {"--buffer-every", "0"},
                                              {"--temperature", "200"}}) {
    EXPECT_FALSE(ParseSimOptions(bad, &help, &error)) << bad[0] << " " << bad[1];
  }
}

}  // namespace
}  // namespace korvane::sim
