#include "trend/TrendBuffer.h"

#include <algorithm>

namespace korvane::trend {

TrendBuffer::TrendBuffer(std::size_t capacity) : ring_(std::max<std::size_t>(capacity, 1)) {}

void TrendBuffer::Add(const TrendSample& s) {
  if (size_ < ring_.size()) {
    ring_[(head_ + size_) % ring_.size()] = s;
    ++size_;
  } else {
    ring_[head_] = s;
    head_ = (head_ + 1) % ring_.size();
  }
}

void TrendBuffer::Clear() {
  head_ = 0;
  size_ = 0;
}

std::size_t TrendBuffer::FirstAtOrAfter(std::int64_t fromMs) const {
  // Time stamps only grow, so the kept samples are sorted.
  std::size_t lo = 0, hi = size_;
  while (lo < hi) {
    const std::size_t mid = (lo + hi) / 2;
    if (at(mid).ms < fromMs)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

}  // namespace korvane::trend
