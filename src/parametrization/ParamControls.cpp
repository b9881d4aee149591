#include "parametrization/ParamControls.h"

#include <iterator>

namespace korvane::parametrization {

const char* ControlName(Control c) {
  static constexpr const char* kNames[] = {"temperature0",
                                           "temperature100",
                                           "airPressure",
                                           "measureAirPressure",
                                           "range00",
                                           "range01",
                                           "range10",
                                           "range11",
                                           "range20",
                                           "range21",
                                           "range30",
                                           "range31",
                                           "range10Second",
                                           "range11Second",
                                           "range20Second",
                                           "battery",
                                           "rangeSwitch1",
                                           "rangeSwitch2",
                                           "rangeSwitch3",
                                           "rangeSwitch4",
                                           "dac0Lower",
                                           "dac0Upper",
                                           "dac1Lower",
                                           "dac1Upper",
                                           "dac2Lower",
                                           "dac2Upper",
                                           "dac3Lower",
                                           "dac3Upper",
                                           "programDacLimits",
                                           "calibrationDelay",
                                           "writeCalibrationDelay",
                                           "deviceNumber",
                                           "writeDeviceNumber",
                                           "screenSaverOff",
                                           "writeScreenSaver",
                                           "report",
                                           "readReport",
                                           "printReport",
                                           "exit"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(Control::kCount));
  const auto i = static_cast<std::size_t>(c);
  return i < std::size(kNames) ? kNames[i] : "";
}

}  // namespace korvane::parametrization
