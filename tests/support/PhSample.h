#pragma once
// A live sample of a pH module as the bus engine hands it to the station: the tests and
// the station's bench publish it. Header-only so bench/ can use it too.
#include <chrono>
#include <cstdint>

#include "bus/BusSample.h"

namespace korvane::test {

inline bus::BusSample PhSample(std::uint8_t address, std::chrono::system_clock::time_point time) {
  bus::BusSample s;
  s.time = time;
  s.since = time;
  s.address = address;
  s.type = 1;
  s.typeName = "pH";
  s.identity = "A123";
  s.firmware = "Firmware V1.20";
  s.channels[0] = {"pH Wert", "pH", "7.02", 7.02};
  s.channels[1] = {"Kettenspannung", "mV", "-1", -1.0};
  s.channels[5] = {"Temperatur",
                   "\xC2\xB0"
                   "C",
                   "21.4", 21.4};
  s.calibration = "Asymmetrie: -3.5  Steilheit: -59.2  ";
  return s;
}

}  // namespace korvane::test
