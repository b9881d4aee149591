#pragma once
// The module object: the values the attached module last reported. Every valid reply
// overwrites its field; the flows read them after their wait. Pure C++.
#include <array>
#include <cstdint>
#include <string>

#include "link/Frame.h"

namespace korvane::link {

struct ModuleState {
  // Measured values 1..5 and the temperature (index 5), from group 0 replies 1..6.
  std::array<float, 6> measured{};
  // Calibration values 1..4 = parameters 32, 33, 34, 37.
  std::array<float, 4> calibration{};
  // Calibration key values 1, 2 = parameters 35, 36.
  std::array<float, 2> calibrationKey{};
  int typeIndex = 1;   // parameter 28 minus 1
  int deviceKind = 2;  // parameter 29, data byte 0
  float firmware = 0.0f;
  std::string firmwareText;  // "Firmware V%.2f"
  std::string identity;      // parameter 26, four characters
  // Last data bytes of every group 2 parameter, for the flows that read the others.
  std::array<Data4, 256> parameter{};

  // Group 0 replies of the logger, clock and raw value requests.
  std::uint16_t loggerFill = 0;         // 55
  std::string nextEntryTime;            // 56
  std::string moduleDate;               // 58
  std::string moduleTime;               // 59
  Data4 loggerRecord{};                 // 54, the bytes of the last record reply
  std::uint32_t loggerRecordCount = 0;  // replies 54 since the last reset
  std::uint16_t raw60 = 0;
  std::uint16_t raw61a = 0;
  std::uint16_t raw61b = 0;
  std::uint16_t raw62 = 0;

  std::uint8_t ParameterByte(std::uint8_t p) const { return parameter[p][0]; }
  std::uint16_t ParameterU16(std::uint8_t p) const { return DataU16(parameter[p]); }
  float ParameterFloat(std::uint8_t p) const { return DataFloat(parameter[p]); }
};

}  // namespace korvane::link
