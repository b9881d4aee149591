#include "Bus.h"

#include <algorithm>

namespace korvane::sim {

const char* FaultName(Fault f) {
  switch (f) {
    case Fault::kNone: return "none";
    case Fault::kNoReply: return "no-reply";
    case Fault::kBadCheck: return "bad-check";
    case Fault::kBadEnd: return "bad-end";
    case Fault::kWatchdog: return "watchdog";
    case Fault::kStrayBytes: return "stray";
    case Fault::kLate: return "late";
    case Fault::kHangUp: return "hangup";
    case Fault::kCutStream: return "cut-stream";
    case Fault::kDropFrame: return "drop-frame";
  }
  return "?";
}

void Bus::Add(std::shared_ptr<Device> device) {
  if (device) devices_.push_back(std::move(device));
}

void Bus::FaultWhen(std::uint8_t group, std::uint8_t parameter, Fault f, int times) {
  when_.push_back({group, parameter, f, times});
}

void Bus::Advance(double seconds) {
  for (auto& d : devices_) d->Advance(seconds);
}

void Bus::SetSilent(std::uint8_t address, bool silent) {
  std::erase(silent_, address);
  if (silent) silent_.push_back(address);
}

std::shared_ptr<Device> Bus::DeviceFor(std::uint8_t address) const {
  if (std::find(silent_.begin(), silent_.end(), address) != silent_.end()) return nullptr;
  for (const auto& d : devices_)
    if (d->Answers(address)) return d;
  return nullptr;
}

Reply Bus::Handle(const Frame& request) {
  received_.push_back(request);

  // Which fault hits this request: one for its group and parameter first, then the
  // one queued for the next request, then the standing one.
  Fault fault = Fault::kNone;
  for (auto it = when_.begin(); it != when_.end(); ++it) {
    if (it->group == link::FrameGroup(request) && it->parameter == link::FrameParameter(request)) {
      fault = it->fault;
      if (it->times > 0 && --it->times == 0) when_.erase(it);
      break;
    }
  }
  if (fault == Fault::kNone && !next_.empty()) {
    fault = next_.front();
    next_.erase(next_.begin());
  }
  if (fault == Fault::kNone) fault = fault_;

  Reply reply;
  if (fault == Fault::kHangUp) {
    reply.hangUp = true;
    return reply;
  }

  std::vector<Frame> answer;
  if (auto device = DeviceFor(link::FrameAddress(request))) {
    const int rate = device->baud();
    if (lineBaud_ == 0 || rate == 0 || rate == lineBaud_) answer = device->HandleAll(request);
  }

  switch (fault) {
    case Fault::kNoReply: return reply;
    case Fault::kWatchdog:
      // A module restarted by its watchdog announces it instead of answering.
      reply.bytes = {'W', 'D', 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
      return reply;
    case Fault::kStrayBytes: reply.bytes = {0x00, 0xFF}; break;
    default: break;
  }
  if (answer.empty()) return reply;
  // The stream faults touch only answers of many frames (a logger readout).
  if (fault == Fault::kCutStream && answer.size() > 2) answer.resize(answer.size() / 2);
  if (fault == Fault::kDropFrame && answer.size() > 2)
    answer.erase(answer.begin() + static_cast<std::ptrdiff_t>(answer.size() / 2));
  // A damaged reply is the first frame of what the device sends.
  if (fault == Fault::kBadCheck) answer.front()[9] ^= 0x5A;
  if (fault == Fault::kBadEnd) answer.front()[10] = 0x00;
  for (const Frame& f : answer) reply.bytes.insert(reply.bytes.end(), f.begin(), f.end());
  if (fault == Fault::kLate) reply.delayMs = lateDelayMs_;
  return reply;
}

}  // namespace korvane::sim
