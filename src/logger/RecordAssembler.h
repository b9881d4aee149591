#pragma once
// Collects the record bytes of a readout stream: every data frame after the first
// carries two (d2, d3); d0 d1 hold the device's memory pointer. Pure C++.
#include <cstdint>

#include "link/Frame.h"
#include "logger/LoggerRecords.h"

namespace korvane::logger {

class RecordAssembler {
 public:
  explicit RecordAssembler(bool longRecords) : long_(longRecords) {}

  enum class Event { kNone, kDisplayRecord, kLongRecord, kOutOfStep };
  // One data frame. A long record whose last frame's pointer is out of step keeps its
  // first fourteen bytes: the next frame's two bytes take the place of the last two.
  Event Feed(const link::Data4& data);

  const DisplayRecord& displayRecord() const { return buffer_; }
  LongRecordBytes longRecord() const;
  std::uint16_t pointer() const { return pointer_; }

 private:
  bool long_;
  DisplayRecord buffer_{};
  std::size_t index_ = 0;
  std::uint16_t pointer_ = 0;
};

}  // namespace korvane::logger
