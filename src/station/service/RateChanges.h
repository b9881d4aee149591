#pragma once
// How often a service client moved the line between rates, for the log: the module's
// baud command and the SET-BAUDRATE that follows it are one change (a logger readout
// goes fast once and comes back once: two), a baud command whose SET-BAUDRATE never
// came (the client went) still one. Pure code.
#include <cstdint>

namespace korvane::station::service {

class RateChanges {
 public:
  explicit RateChanges(int stationRate) : stationRate_(stationRate), rate_(stationRate) {}

  // The module's baud command went out: to its fast rate, or back to the station's.
  void ModuleFast();
  void ModuleBack();
  // The line was set to rate for the client.
  void LineSet(int rate);

  std::uint64_t count() const { return count_; }

 private:
  // The module left for its fast rate, which the line has not followed yet.
  static constexpr int kFastNotSet = -1;

  int stationRate_;
  int rate_;
  std::uint64_t count_ = 0;
};

}  // namespace korvane::station::service
