#pragma once
// The registers' source, shared between the event loop (which hands in every sample and
// the line's state) and the Modbus server's thread (which reads). Each call holds the
// lock for a copy only, so neither side waits on the other.
#include <array>
#include <bitset>
#include <chrono>
#include <cstdint>
#include <mutex>

#include "bus/BusSample.h"
#include "station/modbus/RegisterMap.h"

namespace korvane::station {

class RegisterStore {
 public:
  RegisterStore() : start_(std::chrono::steady_clock::now()) {}

  void Take(const bus::BusSample& sample);
  // Lost (up false): every module seen so far reads "line lost" with NaN values.
  void SetLine(bool up, int modules);
  void SetPending(std::uint64_t pending);
  // The modules a service client works with, and whether it holds the line alone.
  void SetService(const std::bitset<kModuleBlocks>& modules, bool held);

  // Registers [start, start + count) as they read now into out; the range lies in the map.
  void Read(int start, int count, FloatOrder order, std::uint16_t* out) const;

 private:
  mutable std::mutex mutex_;
  std::array<ModuleImage, kModuleBlocks> modules_;
  StationImage station_;
  std::bitset<kModuleBlocks> inService_;
  const std::chrono::steady_clock::time_point start_;
};

}  // namespace korvane::station
