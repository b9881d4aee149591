#pragma once
// The controls of the parametrization dialog, by role: the flows name a button by
// its role, the dialog registers its widgets under it. Pure C++.

namespace korvane::parametrization {

enum class Control {
  kTemperature0,    // "1,000k"
  kTemperature100,  // "1,385k"
  kAirPressure,
  kMeasureAirPressure,
  kRange00,
  kRange01,
  kRange10,
  kRange11,
  kRange20,
  kRange21,
  kRange30,
  kRange31,  // "Para00".."Para31"
  kRange10Second,
  kRange11Second,
  kRange20Second,  // the second value of a double reply
  kBattery,        // "Ubat PD,PF,PB"
  kRangeSwitch1,
  kRangeSwitch2,
  kRangeSwitch3,
  kRangeSwitch4,
  kDac0Lower,
  kDac0Upper,
  kDac1Lower,
  kDac1Upper,
  kDac2Lower,
  kDac2Upper,
  kDac3Lower,
  kDac3Upper,
  kProgramDacLimits,
  kCalibrationDelay,
  kWriteCalibrationDelay,
  kDeviceNumber,
  kWriteDeviceNumber,
  kScreenSaverOff,
  kWriteScreenSaver,
  kReport,
  kReadReport,
  kPrintReport,
  kExit,
  kCount
};
// The role's name ("dac1Upper"): the control's object name.
const char* ControlName(Control c);

}  // namespace korvane::parametrization
