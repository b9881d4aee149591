#include "station/modbus/RequestFrame.h"

#include "platform/NumberText.h"

namespace korvane::station {
namespace {

// The bytes after the function code a request holds: fixed, or a byte count at
// countAt (after the function code) plus what stands before it.
struct PduShape {
  int fixed = -1;    // -1: not fixed
  int countAt = -1;  // -1: no byte count
};

PduShape ShapeOf(std::uint8_t function) {
  switch (function) {
    case 0x01:
    case 0x02:
    case 0x03:
    case 0x04:
    case 0x05:
    case 0x06: return {4, -1};
    case 0x07:
    case 0x0B:
    case 0x0C:
    case 0x11: return {0, -1};
    case 0x0F:
    case 0x10: return {-1, 4};
    case 0x16: return {6, -1};
    case 0x17: return {-1, 8};
    default: return {};  // as the length field says
  }
}

FrameCut Refused(std::string reason) { return {FrameCut::Kind::kRefused, 0, std::move(reason)}; }

}  // namespace

FrameCut CutRequest(std::span<const std::uint8_t> b) {
  // The protocol identifier tells Modbus TCP from anything else as soon as it is there.
  if (b.size() >= 4 && (b[2] != 0 || b[3] != 0))
    return Refused(platform::StringPrintf("protocol identifier %u instead of 0: not Modbus TCP", b[2] << 8 | b[3]));
  if (b.size() < kMbapBytes + 1) return {};
  const int length = b[4] << 8 | b[5];  // unit id and PDU
  if (length < 2)
    return Refused(platform::StringPrintf("length field %d: no room for a unit id and a function", length));
  if (6 + static_cast<std::size_t>(length) > kMaxFrameBytes)
    return Refused(platform::StringPrintf("length field %d: longer than a Modbus TCP frame (260 bytes)", length));
  const std::uint8_t function = b[kMbapBytes];
  // 0 is no function; 0x80 and above are the exceptions of replies.
  if (function == 0 || function >= 0x80)
    return Refused(platform::StringPrintf("function code %02X: not a request", function));
  const int data = length - 2;  // after the function code
  const PduShape shape = ShapeOf(function);
  auto lies = [&](int holds) {
    return Refused(platform::StringPrintf("length field %d, but a request of function %02X holds %d bytes", length,
                                          function, holds + 2));
  };
  if (shape.fixed >= 0 && data != shape.fixed) return lies(shape.fixed);
  if (shape.countAt >= 0) {
    if (data < shape.countAt + 1) return lies(shape.countAt + 1);
    const std::size_t at = kMbapBytes + 1 + static_cast<std::size_t>(shape.countAt);
    if (b.size() <= at) return {};
    const int holds = shape.countAt + 1 + b[at];
    if (data != holds) return lies(holds);
  }
  const std::size_t size = 6 + static_cast<std::size_t>(length);
  if (b.size() < size) return {};
  return {FrameCut::Kind::kRequest, size, {}};
}

}  // namespace korvane::station
