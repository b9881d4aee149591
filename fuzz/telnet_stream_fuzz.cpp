// Bytes from a network line into the Telnet decoder: whatever the far end sends, the
// decoder stays bounded, cutting the stream anywhere gives the same result, and data the
// program escapes comes back unchanged.
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "link/Telnet.h"

using namespace korvane::link;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> in(data, size);
  telnet::Decoder whole;
  telnet::Bytes wholeData;
  std::vector<telnet::Event> wholeEvents;
  whole.Feed(in, wholeData, wholeEvents);
  FUZZ_CHECK(wholeData.size() <= size);
  for (const telnet::Event& e : wholeEvents) {
    FUZZ_CHECK(e.payload.size() <= telnet::Decoder::kMaxPayload);
    if (const auto answer = telnet::Answer(e)) FUZZ_CHECK(answer->size() == 3 && (*answer)[0] == telnet::kIac);
  }

  // The same stream a byte at a time.
  telnet::Decoder bytewise;
  telnet::Bytes bytewiseData;
  std::vector<telnet::Event> bytewiseEvents;
  for (std::size_t i = 0; i < size; ++i) bytewise.Feed(in.subspan(i, 1), bytewiseData, bytewiseEvents);
  FUZZ_CHECK(bytewiseData == wholeData);
  FUZZ_CHECK(bytewiseEvents == wholeEvents);

  // The input as data of the program: escaped and decoded, it is the same bytes.
  telnet::Decoder round;
  telnet::Bytes roundData;
  std::vector<telnet::Event> roundEvents;
  round.Feed(telnet::Escape(in), roundData, roundEvents);
  FUZZ_CHECK(roundEvents.empty());
  FUZZ_CHECK(roundData == telnet::Bytes(in.begin(), in.end()));
  return 0;
}
