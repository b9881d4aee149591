#include "link/LineHolder.h"

namespace korvane::link {

LineHolder::Taken LineHolder::Take(bool standing) {
  if (leases_ == 0) {
    leases_ = 1;
    standing_ = standing;
    holderDepth_ = waitDepth_;
    ++generation_;
    return Taken::kFresh;
  }
  if (!standing && !standing_ && waitDepth_ == holderDepth_) {
    ++leases_;
    return Taken::kNested;
  }
  ++refused_;
  return Taken::kRefused;
}

bool LineHolder::Release() {
  if (leases_ == 0 || --leases_ > 0) return false;
  standing_ = false;
  return true;
}

bool LineHolder::MaySend(bool chainContinuation) const {
  if (leases_ == 0) return true;
  if (chainContinuation) return sendGeneration_ == generation_;
  return waitDepth_ == holderDepth_;
}

}  // namespace korvane::link
