// Bytes from the line into the frame receiver, the reply rules and the live field texts:
// a frame is dispatched only when its start, end and check byte are right.
#include <cstddef>
#include <cstdint>

#include "measurement/LiveFormat.h"
#include "fuzz_check.h"
#include "link/FrameReceiver.h"
#include "link/ModuleState.h"
#include "link/ReplyRules.h"

using namespace korvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  link::FrameReceiver receiver;
  link::ModuleState module;
  for (std::size_t i = 0; i < size; ++i) {
    // A byte 0xFF in the stream stands for a request going out: the count starts afresh.
    if (data[i] == 0xFF && i + 1 < size && data[i + 1] == 0xFF) {
      receiver.Reset();
      ++i;
      continue;
    }
    const std::uint8_t before = receiver.count();
    switch (receiver.Feed(data[i])) {
      case link::FrameReceiver::Result::kFrame: {
        const link::Frame& f = receiver.frame();
        FUZZ_CHECK(f[0] == link::kFrameStart && f[10] == link::kFrameEnd && f[9] == link::CheckByte(f.data()));
        FUZZ_CHECK(before == link::kFrameSize - 1);
        const link::ReplyEffect e = link::DispatchReply(f, module);
        FUZZ_CHECK(e.liveChannel >= 0 && e.liveChannel <= 6);
        if (e.liveChannel) {
          const std::string text =
              measurement::FieldText(module.typeIndex, e.liveChannel, module.measured[e.liveChannel - 1]);
          FUZZ_CHECK(text.size() < 64);
        }
        FUZZ_CHECK(receiver.count() == 0);
        break;
      }
      case link::FrameReceiver::Result::kBadFrame:
        FUZZ_CHECK(!link::IsValidFrame(receiver.frame()));
        FUZZ_CHECK(receiver.count() == 0);
        break;
      case link::FrameReceiver::Result::kWatchdog: FUZZ_CHECK(receiver.count() == 0); break;
      case link::FrameReceiver::Result::kNone: FUZZ_CHECK(receiver.count() == before + 1); break;
    }
  }
  return 0;
}
