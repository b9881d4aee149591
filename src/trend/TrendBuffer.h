#pragma once
// The live trend's memory: the last samples of the six channels with their time, in a
// ring of fixed capacity, so an eight-hour trend never grows beyond it. Pure C++.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvane::trend {

inline constexpr int kChannels = 6;  // values 1..5 and the temperature

struct TrendSample {
  std::int64_t ms = 0;  // time stamp, milliseconds
  std::array<float, kChannels> values{};
};

class TrendBuffer {
 public:
  explicit TrendBuffer(std::size_t capacity);

  // Appends; the oldest sample goes when the ring is full.
  void Add(const TrendSample& s);
  void Clear();
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return ring_.size(); }
  bool empty() const { return size_ == 0; }
  // 0 = the oldest kept.
  const TrendSample& at(std::size_t i) const { return ring_[(head_ + i) % ring_.size()]; }
  const TrendSample& newest() const { return at(size_ - 1); }
  // Index of the first sample at or after fromMs (size() when there is none).
  std::size_t FirstAtOrAfter(std::int64_t fromMs) const;

 private:
  std::vector<TrendSample> ring_;
  std::size_t head_ = 0;  // index of the oldest
  std::size_t size_ = 0;
};

}  // namespace korvane::trend
