#pragma once
// One line of the communication trace: time stamp, direction, the bytes in hex and
// what the link makes of them. Pure C++.
#include <string>

#include "link/Frame.h"

namespace korvane::trace {

struct TraceTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

struct TraceEvent {
  enum class Kind { kSent, kReceived, kDamaged, kTimeout, kWatchdog, kLineLost };
  Kind kind = Kind::kSent;
  TraceTime time;
  link::Frame frame{};  // sent, received, damaged; the unanswered request for kTimeout
  int timeoutMs = 0;    // kTimeout
  std::string note;     // kLineLost: the reason
};

// "hh:mm:ss.mmm DIR  hex bytes  decoding", no line end. DIR is "->" for a request,
// "<-" for a reply, "<!" for a damaged frame, "--" for a time-out, a watchdog notice
// or a lost line.
std::string FormatTraceLine(const TraceEvent& e);

// The decoding of a frame alone: address, group, parameter and the value its length
// (or parameter) gives, e.g. "adr 5  grp 2 read  par 28  val 1".
std::string DecodeFrame(const link::Frame& f, bool reply);

}  // namespace korvane::trace
