#include "link/ReplyRules.h"

#include <initializer_list>

#include "link/Protocol.h"

namespace korvane::link {
namespace {

struct Range {
  int from;
  int to;
};

bool InRanges(std::uint8_t p, std::initializer_list<Range> ranges) {
  for (const Range& r : ranges)
    if (p >= r.from && p <= r.to) return true;
  return false;
}

}  // namespace

bool IsKnownParameter(std::uint8_t p) {
  return InRanges(p, {{0, 1},
                      {6, 14},
                      {18, 26},
                      {28, 42},
                      {47, 48},
                      {51, 52},
                      {55, 58},
                      {63, 64},
                      {67, 68},
                      {72, 73},
                      {76, 81},
                      {83, 83},
                      {129, 164}});
}

bool ReplyClearsPending(std::uint8_t group, std::uint8_t p) {
  switch (group) {
    case kValues: return InRanges(p, {{1, 6}, {52, 63}, {65, 65}, {67, 69}});
    case kSystem: return InRanges(p, {{55, 59}, {71, 72}});
    case kRead: return IsKnownParameter(p);
    case kWrite:
      // Acknowledgements: the read table less 6..14 (range values), 29 and 31.
      return IsKnownParameter(p) && !InRanges(p, {{6, 14}, {29, 29}, {31, 31}});
    default: return false;
  }
}

std::uint8_t NextLiveRequest(std::uint8_t p) {
  switch (p) {
    case 1: return 2;
    case 2: return 5;
    case 5: return 4;
    case 4: return 3;
    case 3: return 6;
    default: return 0;
  }
}

namespace {

void StoreParameter(std::uint8_t p, const Data4& d, ModuleState& m) {
  m.parameter[p] = d;
  switch (p) {
    case kIdentity.number: m.identity = IdentityText(d); break;
    case kType.number: m.typeIndex = static_cast<int>(d[0]) - 1; break;
    case kDeviceKind.number: m.deviceKind = d[0]; break;
    case kFirmware.number:
      m.firmware = DataFloat(d);
      m.firmwareText = FirmwareText(m.firmware);
      break;
    case kCalibration1.number: m.calibration[0] = DataFloat(d); break;
    case kCalibration2.number: m.calibration[1] = DataFloat(d); break;
    case kCalibration3.number: m.calibration[2] = DataFloat(d); break;
    case kCalibration4.number: m.calibration[3] = DataFloat(d); break;
    case kCalibrationKey1.number: m.calibrationKey[0] = DataFloat(d); break;
    case kCalibrationKey2.number: m.calibrationKey[1] = DataFloat(d); break;
    default: break;
  }
}

void StoreValueReply(std::uint8_t p, const Data4& d, ModuleState& m) {
  switch (p) {
    case kLoggerRecord.number:
      m.loggerRecord = d;
      ++m.loggerRecordCount;
      break;
    case kLoggerFill.number: m.loggerFill = DataU16(d); break;
    case kNextEntryTime.number: m.nextEntryTime = NextEntryTimeText(d); break;
    case kModuleDate.number: m.moduleDate = ModuleDateText(d); break;
    case kModuleTime.number: m.moduleTime = ModuleTimeText(d); break;
    case 60: m.raw60 = DataU16(d); break;
    case 61:
      m.raw61a = DataU16(d);
      m.raw61b = DataU16High(d);
      break;
    case 62: m.raw62 = DataU16(d); break;
    default: break;
  }
}

}  // namespace

ReplyEffect DispatchReply(const Frame& reply, ModuleState& m) {
  ReplyEffect e;
  const std::uint8_t group = FrameGroup(reply);
  const std::uint8_t p = FrameParameter(reply);
  const Data4 d = FrameData(reply);
  if (group == kValues) {
    if (p >= 1 && p <= 6) {
      m.measured[p - 1] = DataFloat(d);
      e.liveChannel = p;
      e.nextRequest = NextLiveRequest(p);
      e.chainEnd = (p == 6);
    } else {
      StoreValueReply(p, d, m);
    }
  } else if (group == kRead && IsKnownParameter(p)) {
    StoreParameter(p, d, m);
  }
  e.clearsPending = ReplyClearsPending(group, p);
  return e;
}

}  // namespace korvane::link
