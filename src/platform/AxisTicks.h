#pragma once
// A value axis a person reads at a glance: ticks at 1, 2 or 5 times a power of ten
// (never finer than the values' decimals), the ends on ticks around the range, the
// labels with those decimals. Pure C++.
namespace korvane::platform {

struct ValueTicks {
  double min = 0;
  double max = 1;
  int tickCount = 2;  // including both ends
  int decimals = 0;
};

ValueTicks NiceTicks(double low, double high, int decimals);

}  // namespace korvane::platform
