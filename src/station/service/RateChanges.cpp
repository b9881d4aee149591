#include "station/service/RateChanges.h"

namespace korvane::station::service {

void RateChanges::ModuleFast() {
  if (rate_ != stationRate_) return;
  ++count_;
  rate_ = kFastNotSet;
}

void RateChanges::ModuleBack() {
  if (rate_ == stationRate_) return;
  ++count_;
  rate_ = stationRate_;
}

void RateChanges::LineSet(int rate) {
  // The line following the module to its fast rate is the same change.
  if (rate_ == kFastNotSet && rate != stationRate_) {
    rate_ = rate;
    return;
  }
  if (rate == rate_) return;
  ++count_;
  rate_ = rate;
}

}  // namespace korvane::station::service
