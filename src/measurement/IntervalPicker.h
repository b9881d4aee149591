#pragma once
// The recording interval picker of "Setup Messung": the desktop program shows its
// interval dialog, the tests answer from a script.
#include <optional>

#include "measurement/Interval.h"

namespace korvane::measurement {

class IntervalPicker {
 public:
  virtual ~IntervalPicker() = default;
  // The interval the user chose, starting from preset; nullopt on cancel.
  virtual std::optional<TimeOfDay> PickInterval(const TimeOfDay& preset) = 0;
};

}  // namespace korvane::measurement
