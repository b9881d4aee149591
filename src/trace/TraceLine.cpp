#include "trace/TraceLine.h"

#include "link/ReplyRules.h"
#include "platform/NumberText.h"

namespace korvane::trace {
namespace {

const char* GroupName(std::uint8_t group) {
  switch (group) {
    case link::kValues: return "value";
    case link::kSystem: return "system";
    case link::kRead: return "read";
    case link::kWrite: return "write";
    default: return "?";
  }
}

// The data bytes as the using side reads them: by the frame's length, the identity as
// characters, the module clock replies as their texts.
std::string ValueText(const link::Frame& f) {
  const link::Data4 d = link::FrameData(f);
  const std::uint8_t group = link::FrameGroup(f);
  const std::uint8_t p = link::FrameParameter(f);
  if ((group == link::kRead || group == link::kWrite) && p == 26) return "\"" + link::IdentityText(d) + "\"";
  if (group == link::kValues && p == 56) return link::NextEntryTimeText(d);
  if (group == link::kValues && p == 58) return link::ModuleDateText(d);
  if (group == link::kValues && p == 59) return link::ModuleTimeText(d);
  switch (link::FrameLength(f)) {
    case 1: return platform::StringPrintf("%u", d[0]);
    case 2: return platform::StringPrintf("%u", link::DataU16(d));
    case 4: return platform::StringPrintf("%g", static_cast<double>(link::DataFloat(d)));
    default: return link::HexText(d.data(), d.size());
  }
}

}  // namespace

std::string DecodeFrame(const link::Frame& f, bool reply) {
  const std::uint8_t group = link::FrameGroup(f);
  std::string s = platform::StringPrintf("adr %u  grp %u %s  par %u", link::FrameAddress(f), group, GroupName(group),
                                         link::FrameParameter(f));
  // Requests carry a value in a write or as a command's argument; reads and value
  // requests send zeros.
  const link::Data4 d = link::FrameData(f);
  const bool zeros = d == link::Data4{};
  if (reply || group == link::kWrite || (group != link::kRead && !zeros)) s += "  val " + ValueText(f);
  if (reply && !link::ReplyClearsPending(group, link::FrameParameter(f))) s += "  (ignored)";
  return s;
}

std::string FormatTraceLine(const TraceEvent& e) {
  const TraceTime& t = e.time;
  std::string s = platform::StringPrintf("%02d:%02d:%02d.%03d ", t.hour, t.minute, t.second, t.millisecond);
  const std::string hex = link::HexText(e.frame);
  switch (e.kind) {
    case TraceEvent::Kind::kSent: return s + "->  " + hex + "  " + DecodeFrame(e.frame, false);
    case TraceEvent::Kind::kReceived: return s + "<-  " + hex + "  " + DecodeFrame(e.frame, true);
    case TraceEvent::Kind::kDamaged: {
      const link::Frame& f = e.frame;
      std::string why;
      if (f[0] != link::kFrameStart)
        why = "start byte";
      else if (f[10] != link::kFrameEnd)
        why = "end byte";
      else
        why = platform::StringPrintf("check byte %02X, expected %02X", f[9], link::CheckByte(f.data()));
      return s + "<!  " + hex + "  damaged frame: " + why;
    }
    case TraceEvent::Kind::kTimeout:
      return s + "--  " + platform::StringPrintf("no reply within %d ms to ", e.timeoutMs) +
             DecodeFrame(e.frame, false);
    case TraceEvent::Kind::kWatchdog: return s + "--  watchdog notice (WD-RESET)";
    case TraceEvent::Kind::kLineLost: return s + "--  line lost: " + e.note;
  }
  return s;
}

}  // namespace korvane::trace
