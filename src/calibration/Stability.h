#pragma once
// Whether a measured value has settled: the drift (slope of the least-squares line)
// and the noise (standard deviation of the values around that line) over a sliding
// window of time, judged against a family's criterion. Pure C++.
#include <cstddef>
#include <deque>

namespace korvane::calibration {

// How the limits are given: in the channel's unit (mV/min, mV), or in percent of the
// value (%/min, %).
enum class LimitKind { kAbsolute, kPercent };

struct StabilityCriterion {
  double maxDrift = 0.5;      // per minute
  double maxNoise = 0.3;      // standard deviation around the trend line
  double windowSeconds = 30;  // the span drift and noise are computed over
  LimitKind kind = LimitKind::kAbsolute;
};

struct StabilityFigures {
  int samples = 0;
  double span = 0;  // seconds the samples cover
  double mean = 0;
  double drift = 0;      // per minute, in the criterion's kind (a percent of the mean for kPercent)
  double noise = 0;      // likewise
  bool covered = false;  // the samples cover the window
  bool stable = false;   // covered, and drift and noise within the limits
  // The figures over their limits (1 = on the limit); how far from stable.
  double driftRatio = 0;
  double noiseRatio = 0;
};

class StabilityWindow {
 public:
  // Samples older than the window behind the newest are dropped as new ones arrive (but
  // the one at the window's start).
  explicit StabilityWindow(double windowSeconds) : window_(windowSeconds) {}

  // A sample at t seconds (non-decreasing); a value that is no finite number is not
  // taken (a point never counts as stable on a reading the module could not give).
  void Add(double t, double value);
  void Clear() { samples_.clear(); }
  void setWindow(double seconds);
  double window() const { return window_; }
  std::size_t size() const { return samples_.size(); }

  StabilityFigures Judge(const StabilityCriterion& criterion) const;

 private:
  struct Sample {
    double t, v;
  };
  void Trim();
  std::deque<Sample> samples_;
  double window_;
};

}  // namespace korvane::calibration
