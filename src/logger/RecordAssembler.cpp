#include "logger/RecordAssembler.h"

#include <algorithm>

namespace korvane::logger {

RecordAssembler::Event RecordAssembler::Feed(const link::Data4& data) {
  buffer_[index_++] = data[2];
  buffer_[index_++] = data[3];
  pointer_ = static_cast<std::uint16_t>(data[0] | (data[1] << 8));
  if (!long_) {
    if (index_ < buffer_.size()) return Event::kNone;
    index_ = 0;
    return Event::kDisplayRecord;
  }
  if (index_ < std::tuple_size_v<LongRecordBytes>) return Event::kNone;
  if (!PointerInStep(pointer_)) {
    index_ = 14;
    return Event::kOutOfStep;
  }
  index_ = 0;
  return Event::kLongRecord;
}

LongRecordBytes RecordAssembler::longRecord() const {
  LongRecordBytes r{};
  std::copy_n(buffer_.begin(), r.size(), r.begin());
  return r;
}

}  // namespace korvane::logger
