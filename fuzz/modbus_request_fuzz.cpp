// What a Modbus TCP client sends, taken apart as the station's server does: requests
// are cut from the front of the stream until it is incomplete or refused; each request
// fits a frame and what it consumed, and one that is answered reads exactly its range of
// registers (the sanitizers watch the buffer of that size).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz_check.h"
#include "station/modbus/RegisterMap.h"
#include "station/modbus/RegisterStore.h"
#include "station/modbus/RequestFrame.h"

using namespace korvane::station;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static RegisterStore store;
  std::span<const std::uint8_t> rest(data, size);
  while (true) {
    const FrameCut cut = CutRequest(rest);
    if (cut.kind == FrameCut::Kind::kIncomplete) {
      FUZZ_CHECK(rest.size() < kMaxFrameBytes);
      break;
    }
    if (cut.kind == FrameCut::Kind::kRefused) {
      FUZZ_CHECK(!cut.reason.empty());
      break;
    }
    FUZZ_CHECK(cut.size >= kMbapBytes + 1 && cut.size <= kMaxFrameBytes && cut.size <= rest.size());
    const std::uint8_t* r = rest.data();
    FUZZ_CHECK((r[4] << 8 | r[5]) + 6 == static_cast<int>(cut.size));
    const int start = cut.size >= 12 ? r[8] << 8 | r[9] : 0, count = cut.size >= 12 ? r[10] << 8 | r[11] : 0;
    if (RequestException(r[6], r[7], start, count, r[6]) == 0) {
      FUZZ_CHECK(cut.size == 12 && count >= 1 && count <= kMaxReadRegisters && start + count <= kMapRegisters);
      std::vector<std::uint16_t> out(static_cast<std::size_t>(count));
      store.Read(start, count, r[0] & 1 ? FloatOrder::kCdab : FloatOrder::kAbcd, out.data());
    }
    rest = rest.subspan(cut.size);
  }
  return 0;
}
