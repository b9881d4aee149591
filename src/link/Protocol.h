#pragma once
// Names for the numbers of the module line, so that a flow reads Read(kFirmware), not
// a bare 31 with its length. Parameters are read (group 2) and written (group 3) with
// the request length of their width; commands are the value requests and actions of
// group 0 and the system commands of group 1. Pure C++.
#include <array>
#include <cstdint>

#include "link/Frame.h"

namespace korvane::link {

struct Parameter {
  std::uint8_t number;
  std::uint8_t length;  // 1 = byte, 2 = 16-bit, 4 = float or four characters
};

struct Command {
  Group group;
  std::uint8_t number;
  std::uint8_t length;
};

// --- devices and line rates ----------------------------------------------------------
// The device kind a module tells in parameter 29; other values are earlier devices.
enum class DeviceKind : int {
  kAmplifier = 4,   // the amplifier family
  kController = 5,  // the display/controller series
};
constexpr bool IsKind(int wireKind, DeviceKind kind) { return wireKind == static_cast<int>(kind); }
constexpr bool IsAmplifier(int wireKind) { return IsKind(wireKind, DeviceKind::kAmplifier); }
constexpr bool IsController(int wireKind) { return IsKind(wireKind, DeviceKind::kController); }
// The current series (amplifiers and controllers) keep a logger of long records.
constexpr bool IsCurrentSeries(int wireKind) { return IsAmplifier(wireKind) || IsController(wireKind); }

// The rates of the module line, in baud: every module listens at the slow rate at
// power-up and between flows; the display unit at the medium one; a module streams its
// logger at its fast rate.
inline constexpr int kSlowBaud = 4800;
inline constexpr int kMediumBaud = 19200;
inline constexpr int kFastBaud = 38400;
constexpr bool IsLineRate(int baud) { return baud == kSlowBaud || baud == kMediumBaud || baud == kFastBaud; }

// The PC side's rate after a baud change: the selector of ChangeBaudRate.
inline constexpr int kSelectSlow = 0;    // 4800; the module goes back to its slow rate
inline constexpr int kSelectFast = 1;    // 38400; the module goes to its fast rate
inline constexpr int kSelectMedium = 2;  // 19200; the module goes to its fast rate
constexpr int SelectedRate(int selector) {
  return selector == kSelectFast ? kFastBaud : selector == kSelectMedium ? kMediumBaud : kSlowBaud;
}
// A module's logger stream: the rate its fast rate is and the selector that reaches it.
constexpr int StreamRate(int wireKind) { return IsKind(wireKind, DeviceKind::kController) ? kFastBaud : kMediumBaud; }
constexpr int StreamSelector(int wireKind) {
  return IsKind(wireKind, DeviceKind::kController) ? kSelectFast : kSelectMedium;
}

// --- parameters, groups 2 and 3 -------------------------------------------------------
inline constexpr Parameter kTemperature0Raw{0, 2};
inline constexpr Parameter kTemperature100Raw{1, 2};
inline constexpr Parameter kIdentity{26, 4};
inline constexpr Parameter kType{28, 1};  // 1-based on the wire
inline constexpr Parameter kDeviceKind{29, 1};
inline constexpr Parameter kAddress{30, 1};
inline constexpr Parameter kFirmware{31, 4};
inline constexpr Parameter kCalibration1{32, 4};
inline constexpr Parameter kCalibration2{33, 4};
inline constexpr Parameter kCalibration3{34, 4};
inline constexpr Parameter kCalibrationKey1{35, 4};
inline constexpr Parameter kCalibrationKey2{36, 4};
inline constexpr Parameter kCalibration4{37, 4};
inline constexpr Parameter kTemperatureOffset{38, 4};
inline constexpr Parameter kOutput0Lower{39, 4};
inline constexpr Parameter kOutput0Upper{40, 4};
inline constexpr Parameter kOutput1Lower{41, 4};
inline constexpr Parameter kOutput1Upper{42, 4};
inline constexpr Parameter kCurrentRange{47, 1};  // 0 = 0..20 mA, 1 = 4..20 mA
inline constexpr Parameter kOutputKind{48, 1};    // 0 = voltage, 1 = current
inline constexpr Parameter kOutput0Source{51, 1};
inline constexpr Parameter kOutput1Source{52, 1};
inline constexpr Parameter kRelay1Limit{55, 4};
inline constexpr Parameter kRelay1Hysteresis{56, 4};
inline constexpr Parameter kRelay2Limit{57, 4};
inline constexpr Parameter kRelay2Hysteresis{58, 4};
inline constexpr Parameter kRelay1LimitType{63, 1};  // 0 = minimum, 1 = maximum
inline constexpr Parameter kRelay2LimitType{64, 1};
inline constexpr Parameter kRelay1Source{67, 1};
inline constexpr Parameter kRelay2Source{68, 1};
inline constexpr Parameter kFixedTemperature{72, 4};
inline constexpr Parameter kFixedTemperatureOn{73, 1};
inline constexpr Parameter kLoggerInterval{76, 2};
inline constexpr Parameter kLoggerEnabled{77, 1};
inline constexpr Parameter kCalibrationHold{81, 1};
inline constexpr Parameter kScreenSaverOff{83, 1};
inline constexpr Parameter kCalibrationDelay{129, 1};
inline constexpr Parameter kDisplayStoredByte{164, 1};  // written with WriteByteAndStore

// Calibration values 1..4 in the order the module object holds them.
inline constexpr std::array<Parameter, 4> kCalibrationValues{kCalibration1, kCalibration2, kCalibration3,
                                                             kCalibration4};

// --- group 0: value requests and actions ----------------------------------------------
inline constexpr Command kMeasuredValue1{kValues, 1, 4};  // starts the live chain
inline constexpr Command kChannelName{kValues, 52, 4};    // d0 = logger channel
inline constexpr Command kStoreByte{kValues, 53, 1};
inline constexpr Command kLoggerRecord{kValues, 54, 4};
inline constexpr Command kLoggerFill{kValues, 55, 2};
inline constexpr Command kNextEntryTime{kValues, 56, 4};
inline constexpr Command kModuleDate{kValues, 58, 3};
inline constexpr Command kModuleTime{kValues, 59, 3};
inline constexpr Command kSetOutputRaw{kValues, 63, 2};
inline constexpr Command kStoreSettings{kValues, 65, 4};
inline constexpr Command kDacAdjustOn{kValues, 67, 4};
inline constexpr Command kDacAdjustOff{kValues, 68, 4};
inline constexpr Command kTypeWritten{kValues, 69, 3};

// --- group 1: system commands ---------------------------------------------------------
inline constexpr Command kLoggerClear{kSystem, 55, 2};
inline constexpr Command kSetDate{kSystem, 58, 3};
inline constexpr Command kSetTime{kSystem, 59, 3};
inline constexpr Command kBaudChange{kSystem, 71, 1};  // 'G'; not acknowledged in time
inline constexpr Command kCommand72{kSystem, 72, 1};   // 'H'; not waited for

// --- display unit (address 0x80) ------------------------------------------------------
// Display position i (0..7): address 130 + 3i, value index 131 + 3i, mode 132 + 3i.
inline constexpr std::uint8_t kDisplayPositions = 130;
// Virtual channel j (0, 1): 154 + 5j address 1, +1 value 1, +2 address 2, +3 value 2,
// +4 operation.
inline constexpr std::uint8_t kDisplayVirtuals = 154;

// The byte parameters of display position i.
struct DisplayPositionParameters {
  Parameter address, value, mode;
};
constexpr DisplayPositionParameters DisplayPosition(int i) {
  const auto p = static_cast<std::uint8_t>(kDisplayPositions + 3 * i);
  return {{p, 1}, {static_cast<std::uint8_t>(p + 1), 1}, {static_cast<std::uint8_t>(p + 2), 1}};
}
// The byte parameters of virtual channel j.
struct VirtualChannelParameters {
  Parameter address1, operand1, address2, operand2, operation;
};
constexpr VirtualChannelParameters VirtualChannel(int j) {
  const auto p = static_cast<std::uint8_t>(kDisplayVirtuals + 5 * j);
  return {{p, 1},
          {static_cast<std::uint8_t>(p + 1), 1},
          {static_cast<std::uint8_t>(p + 2), 1},
          {static_cast<std::uint8_t>(p + 3), 1},
          {static_cast<std::uint8_t>(p + 4), 1}};
}
inline constexpr Parameter kSerialSeconds{78, 1};
inline constexpr Parameter kSerialMinutes{79, 1};
inline constexpr Parameter kSerialOutputOn{80, 1};
inline constexpr Parameter kDisplayContrast = kDisplayStoredByte;  // contrast + kContrastOffset
// The unit holds the contrast shown (0..20) plus this offset.
inline constexpr int kContrastOffset = 43;
inline constexpr int kContrastLowest = 0;
inline constexpr int kContrastHighest = 20;

// --- electronics adjustment (factory parametrization) -------------------------------
// Range adjustment values 6..14 (14: air pressure); their writes are not acknowledged.
inline constexpr std::array<Parameter, 9> kRangeAdjustments{Parameter{6, 2},  Parameter{7, 2},  Parameter{8, 2},
                                                            Parameter{9, 2},  Parameter{10, 2}, Parameter{11, 2},
                                                            Parameter{12, 2}, Parameter{13, 2}, Parameter{14, 2}};
inline constexpr Parameter kAirPressureAdjustment{14, 2};
// Analog output limits 18..25: DAC 0 lower, DAC 0 upper, DAC 1 lower, ... DAC 3 upper.
inline constexpr std::array<Parameter, 8> kDacLimits{Parameter{18, 2}, Parameter{19, 2}, Parameter{20, 2},
                                                     Parameter{21, 2}, Parameter{22, 2}, Parameter{23, 2},
                                                     Parameter{24, 2}, Parameter{25, 2}};
// Raw converter values: 60 one value, 61 two values (d0 d1 and d2 d3), 62 one value.
inline constexpr Command kRawValue{kValues, 60, 2};
inline constexpr Command kRawValuePair{kValues, 61, 2};
inline constexpr Command kRawValueBattery{kValues, 62, 2};

}  // namespace korvane::link
