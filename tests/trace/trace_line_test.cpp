// Trace lines as a support engineer reads them: a good exchange, a damaged frame, a
// time-out, and the values decoded the way the link reads them.
#include <gtest/gtest.h>

#include "link/Frame.h"
#include "trace/TraceLine.h"

namespace korvane::trace {
namespace {

using Kind = TraceEvent::Kind;
constexpr TraceTime kAt{14, 5, 33, 7};

TEST(TraceLine, Lines) {
  link::Frame damaged = link::BuildFrame(5, 2, 1, 28, {3, 0, 0, 0});
  damaged[9] ^= 0x5A;
  link::Frame badEnd = link::BuildFrame(5, 2, 1, 28, {3, 0, 0, 0});
  badEnd[10] = 0;
  struct Case {
    TraceEvent event;
    const char* line;
  } cases[] = {
      {{Kind::kSent, kAt, link::BuildFrame(5, 2, 1, 28)},
       "14:05:33.007 ->  28 05 02 01 1C 00 00 00 00 1A 29  adr 5  grp 2 read  par 28"},
      {{Kind::kReceived, kAt, link::BuildFrame(5, 2, 1, 28, {3, 0, 0, 0})},
       "14:05:33.007 <-  28 05 02 01 1C 03 00 00 00 19 29  adr 5  grp 2 read  par 28  val 3"},
      {{Kind::kDamaged, kAt, damaged},
       "14:05:33.007 <!  28 05 02 01 1C 03 00 00 00 43 29  damaged frame: check byte 43, expected 19"},
      {{Kind::kDamaged, kAt, badEnd}, "14:05:33.007 <!  28 05 02 01 1C 03 00 00 00 19 00  damaged frame: end byte"},
      {{Kind::kTimeout, kAt, link::BuildFrame(7, 2, 1, 28), 300},
       "14:05:33.007 --  no reply within 300 ms to adr 7  grp 2 read  par 28"},
      {{Kind::kLineLost, kAt, {}, 0, "hung up"}, "14:05:33.007 --  line lost: hung up"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatTraceLine(c.event), c.line);
}

TEST(TraceLine, DecodesTheValueByLengthAndParameter) {
  struct Case {
    link::Frame frame;
    bool reply;
    const char* text;
  } cases[] = {
      {link::BuildFrame(0, 0, 4, 1, link::FloatData(7.02f)), true, "adr 0  grp 0 value  par 1  val 7.02"},
      {link::BuildFrame(0, 2, 2, 76, link::U16Data(600)), true, "adr 0  grp 2 read  par 76  val 600"},
      {link::BuildFrame(0, 2, 4, 26, {'A', '1', '2', '3'}), true, "adr 0  grp 2 read  par 26  val \"A123\""},
      {link::BuildFrame(0, 0, 3, 59, {14, 5, 33, 0}), true, "adr 0  grp 0 value  par 59  val 14:05:33"},
      {link::BuildFrame(0, 3, 1, 30, {4, 0, 0, 0}), false, "adr 0  grp 3 write  par 30  val 4"},
      {link::BuildFrame(0, 0, 4, 1), false, "adr 0  grp 0 value  par 1"},
      // A reply the link does not act on says so.
      {link::BuildFrame(0, 3, 2, 6, link::U16Data(1)), true, "adr 0  grp 3 write  par 6  val 1  (ignored)"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeFrame(c.frame, c.reply), c.text);
}

}  // namespace
}  // namespace korvane::trace
