#include "station/service/ServiceMarks.h"

namespace korvane::station::service {

void ServiceMarks::Addressed(std::uint8_t address, Time now) {
  last_[address] = now;
  seen_.set(address);
}

void ServiceMarks::Exclusive(bool on, Time now) {
  if (exclusive_ && !on) {
    exclusiveEnd_ = now;
    exclusiveSeen_ = true;
  }
  exclusive_ = on;
}

bool ServiceMarks::InService(std::uint8_t address, Time now) const {
  if (exclusive_) return true;
  if (exclusiveSeen_ && now - exclusiveEnd_ < kHold) return true;
  return seen_.test(address) && now - last_[address] < kHold;
}

}  // namespace korvane::station::service
