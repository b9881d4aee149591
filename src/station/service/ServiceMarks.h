#pragma once
// Which modules are in service: one a client addressed, until kHold after its last
// client frame; while a client holds the line alone, every module, until kHold after
// it gave the line back. Pure code; the caller passes the time.
#include <bitset>
#include <chrono>
#include <cstdint>

namespace korvane::station::service {

class ServiceMarks {
 public:
  using Time = std::chrono::steady_clock::time_point;
  static constexpr std::chrono::seconds kHold{60};

  void Addressed(std::uint8_t address, Time now);
  void Exclusive(bool on, Time now);
  bool InService(std::uint8_t address, Time now) const;
  bool exclusive() const { return exclusive_; }

 private:
  Time last_[256]{};
  std::bitset<256> seen_;
  bool exclusive_ = false;
  bool exclusiveSeen_ = false;
  Time exclusiveEnd_{};
};

}  // namespace korvane::station::service
