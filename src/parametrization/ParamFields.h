#pragma once
// What the parametrization dialog's controls show, kept from one opening to the next,
// and the rules that turn them into the values sent to the module. Pure C++.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "link/Frame.h"

namespace korvane::parametrization {

// The fields as the controls show them (texts as typed, UTF-8).
struct ParamFields {
  std::string airPressure = "0";  // hPa
  std::string deviceNumber;       // at most four characters
  // DAC 0 lower, DAC 0 upper, DAC 1 lower, ... DAC 3 upper.
  std::array<std::string, 8> dac{"0", "0", "0", "0", "0", "0", "0", "0"};
  std::string delay = "0";  // calibration delay in seconds
  bool screenSaverOff = false;
  std::string report;        // lines ended "\n\r"
  bool initialized = false;  // the first opening completed; edit changes act from then on
  bool dacAdjustMode = false;
};

// The fields taken over as numbers.
struct ParamValues {
  int airPressure = 0;
  std::string deviceNumber;
  std::array<int, 8> dac{};
  int delay = 0;
  bool screenSaverOff = false;
};

// Takes the fields over as the dialog does before an action: nullopt with the message
// for the first field that holds no valid value.
std::optional<ParamValues> TakeOver(const ParamFields& f, std::string* message);

// The range of DAC field i (0..7) as its up-down runs: lower values 0..800, upper
// values 810..4096.
struct DacRange {
  int min;
  int max;
};
DacRange DacFieldRange(int i);
// "DAC 2 oberer Wert".
std::string DacFieldName(int i);
// The message refusing a DAC value outside its range; empty when the value is inside.
std::string DacRangeProblem(int i, int value);

// Which controls a module type leaves enabled (the rest of the dialog always is).
struct ControlEnabling {
  bool rangeButtons = true;        // "200µ" .. "100m"
  bool measureAirPressure = true;  // "Messen"
  bool airPressureEdit = true;
  bool temperatureButtons = true;  // "1,000k", "1,385k"
  bool paraButtons = true;         // "Para00" .. "Para31"
};
ControlEnabling EnablingForType(int typeIndex);

// The type code the range button (0..3: "200µ", "2000µ", "20m", "100m") writes.
std::uint8_t RangeCode(int button, int typeIndex);

// "Messen" takes air pressures from 800 to 1100 hPa.
bool AirPressureAccepted(int hPa);
// The adjustment stored for a raw value measured at the given pressure: raw x 1013 / P,
// truncated; nullopt when it does not fit the 16 bits it is sent in.
std::optional<std::uint16_t> AirPressureAdjustment(std::uint32_t raw, int hPa, std::uint32_t* computed = nullptr);

// The four bytes the device number is written as: three or four Windows-1252
// characters, a fourth 0 for three; nullopt (with the message) otherwise.
std::optional<link::Data4> DeviceNumberData(const std::string& text, std::string* message);

// The device number as the module holds it (parameter 26), for the edit: the characters
// up to a zero byte.
std::string DeviceNumberText(const link::Data4& d);

}  // namespace korvane::parametrization
