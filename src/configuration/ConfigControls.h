#pragma once
// The controls of the configuration dialog, by role. The rules of what the dialog
// shows and the field table address them by these names; the widgets register under
// them. Pure C++.
#include <iosfwd>

namespace korvane::configuration::ctl {

// A source group holds six radio buttons in a row: measured values 1..5, then the
// temperature; a pair group two. Each group's buttons are consecutive, so the i-th
// button of a group is its first + i.
enum Control : int {
  kOk,
  kCancel,
  kOpen,
  kSave,
  kPrint,
  kSeriesButton,
  kDac0Value1,
  kDac0Value2,
  kDac0Value3,
  kDac0Value4,
  kDac0Value5,
  kDac0Temperature,
  kDac1Value1,
  kDac1Value2,
  kDac1Value3,
  kDac1Value4,
  kDac1Value5,
  kDac1Temperature,
  kRelay1Value1,
  kRelay1Value2,
  kRelay1Value3,
  kRelay1Value4,
  kRelay1Value5,
  kRelay1Temperature,
  kRelay2Value1,
  kRelay2Value2,
  kRelay2Value3,
  kRelay2Value4,
  kRelay2Value5,
  kRelay2Temperature,
  kGroupDac0,
  kGroupDac1,
  kGroupRelay1,
  kGroupRelay2,
  kOutput0Lower,
  kOutput0Upper,
  kOutput1Lower,
  kOutput1Upper,
  kLabelOutput0Lower,
  kLabelOutput1Lower,
  kLabelOutput0Upper,
  kLabelOutput1Upper,
  kRelay1Limit,
  kRelay1Hysteresis,
  kLabelRelay1Limit,
  kLabelRelay1Hysteresis,
  kRelay2Limit,
  kRelay2Hysteresis,
  kLabelRelay2Limit,
  kLabelRelay2Hysteresis,
  kVoltage,
  kCurrent,  // output kind
  k0To20,
  k4To20,  // current range
  kRelay1Minimum,
  kRelay1Maximum,  // relay 1 limit type
  kRelay2Minimum,
  kRelay2Maximum,  // relay 2 limit type
  kGroupRelay1LimitType,
  kGroupCurrentType,
  kGroupOutput,
  kGroupRelay2LimitType,
  kGroupCalibration,
  kCalibration1,
  kCalibration2,
  kCalibration3,
  kCalibration4,
  kLabelCalibration1,
  kLabelCalibration2,
  kLabelCalibration3,
  kLabelCalibration4,
  kCalibrationKey1,
  kCalibrationKey2,
  kLabelCalibrationKey1,
  kLabelCalibrationKey2,
  kKey1Buffer,
  kKey2Buffer,  // key values as pH buffer lists
  kKey1Solution,
  kKey2Solution,  // key values as KCl solution lists
  kPhFix,
  kGroupGeneral,
  kFixedTemperatureOn,
  kLabelFixedTemperature,
  kFixedTemperature,
  kTemperatureOffset,
  kLabelAddress,
  kAddress,
  kCalibrationHold,
  kLabelMeasurementType,
  kMeasurementType,
  kFirmware,
  kIdentity,
  kCompare,  // "Vergleichen…"
  kControlCount
};

constexpr Control kDac0First = kDac0Value1, kDac1First = kDac1Value1;
constexpr Control kRelay1First = kRelay1Value1, kRelay2First = kRelay2Value1;

// The i-th control from first on (a button of a group).
constexpr Control operator+(Control first, int i) { return static_cast<Control>(static_cast<int>(first) + i); }

// A role in a test's failure message: its place in the list above.
std::ostream& operator<<(std::ostream& out, Control c);

}  // namespace korvane::configuration::ctl
