#include "station/service/ModuleReturn.h"

#include "link/Protocol.h"
#include "station/service/SharedLine.h"

namespace korvane::station::service {

ModuleReturn::ModuleReturn(SharedLine& line, std::uint8_t address, std::vector<int> rates, ModuleReturnTimings timings,
                           QObject* parent)
    : QObject(parent), line_(line), address_(address), rates_(std::move(rates)), timings_(timings) {
  step_.setSingleShot(true);
  step_.setTimerType(Qt::PreciseTimer);
}

void ModuleReturn::Start() {
  connect(&step_, &QTimer::timeout, this, &ModuleReturn::TryNext);
  TryNext();
}

void ModuleReturn::Abandon() {
  step_.stop();
  emit abandoned();
}

void ModuleReturn::TryNext() {
  if (acknowledgedAt_ != 0 || switching_) {
    emit finished(acknowledgedAt_);
    return;
  }
  if (next_ >= rates_.size()) {
    // Acknowledged at none: it may have switched all the same.
    switching_ = true;
    step_.start(timings_.moduleSwitch);
    return;
  }
  const int rate = rates_[next_++];
  frames_.Clear();
  if (line_.lineRate() != rate) line_.SetLineRate(rate);
  line_.TransmitExclusive(link::BuildFrame(address_, link::kBaudChange.group, link::kBaudChange.length,
                                           link::kBaudChange.number, link::ByteData(0)));
  step_.start(timings_.acknowledge);
}

void ModuleReturn::Heard(const QByteArray& bytes) {
  if (acknowledgedAt_ != 0 || switching_ || next_ == 0) return;
  std::vector<link::Frame> frames;
  frames_.Feed({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())},
               frames);
  for (const link::Frame& f : frames) {
    if (link::FrameAddress(f) != address_ || link::FrameGroup(f) != link::kBaudChange.group ||
        link::FrameParameter(f) != link::kBaudChange.number)
      continue;
    // Acknowledged: it listens at 4800 once it has switched.
    acknowledgedAt_ = rates_[next_ - 1];
    step_.start(timings_.moduleSwitch);
    return;
  }
}

}  // namespace korvane::station::service
