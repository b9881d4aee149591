#include "DisplayUnit.h"

namespace korvane::sim {

DisplayUnit::DisplayUnit(int baud) : baud_(baud) {
  for (int p : {28, 31, 51, 52, 67, 68}) known_.set(p);
  for (int p = 76; p <= 80; ++p) known_.set(p);
  for (int p = 130; p <= 164; ++p) known_.set(p);
  params_[28] = link::ByteData(20);  // the unit reports the display type
  params_[31] = link::FloatData(3.10f);
  params_[51] = link::ByteData(0);
  params_[52] = link::ByteData(1);
  params_[67] = link::ByteData(0);
  params_[68] = link::ByteData(1);
  params_[76] = link::U16Data(15);
  params_[77] = link::ByteData(1);
  params_[78] = link::ByteData(0);
  params_[79] = link::U16Data(0);
  params_[80] = link::ByteData(0);
  // Settings 130.. hold small selections; give each a distinct plausible default.
  for (int p = 130; p <= 164; ++p) params_[p] = link::ByteData(static_cast<std::uint8_t>((p - 130) % 6));
}

std::optional<Frame> DisplayUnit::Handle(const Frame& request) {
  if (!link::IsValidFrame(request) || !Answers(link::FrameAddress(request))) return std::nullopt;
  const std::uint8_t group = link::FrameGroup(request);
  const std::uint8_t length = link::FrameLength(request);
  const std::uint8_t p = link::FrameParameter(request);
  const Data4 data = link::FrameData(request);
  const Frame echo = link::BuildFrame(link::kDisplayAddress, group, length, p, data);
  switch (group) {
    case link::kValues:
      if (p == 53 || p == 65) {
        stored_.push_back(data[0]);
        return echo;
      }
      return std::nullopt;
    case link::kRead:
      if (!known_.test(p)) return std::nullopt;
      return link::BuildFrame(link::kDisplayAddress, group, length, p, params_[p]);
    case link::kWrite:
      if (!known_.test(p) || p == 31) return std::nullopt;
      params_[p] = data;
      return echo;
    default:
      return std::nullopt;
  }
}

}  // namespace korvane::sim
