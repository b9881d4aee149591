#include "support/SimLink.h"

#include <QTimer>

namespace korvane::test {

SimLink::SimLink(platform::Ui& /*ui: the in-process line shows no boxes*/, link::LinkTimings timings,
                 platform::Clock clock)
    : link(
          std::make_unique<link::InProcessLine>([this](const link::Frame& request) { Answer(request); }),
          [](int) { return std::string("/dev/null"); }, timings, std::move(clock)) {}

void SimLink::Answer(const link::Frame& request) {
  auto& line = static_cast<link::InProcessLine&>(link.line());
  const std::uint64_t gen = ++generation_;
  if (followRate_) bus.SetLineBaud(line.rate());
  sim::Reply reply = bus.Handle(request);
  if (reply.hangUp) {
    QTimer::singleShot(0, &link, [&line] { line.HangUp(QStringLiteral("simulated line hung up")); });
    return;
  }
  if (reply.bytes.empty()) return;
  QByteArray bytes(reinterpret_cast<const char*>(reply.bytes.data()), static_cast<qsizetype>(reply.bytes.size()));
  QTimer::singleShot(reply.delayMs, &link, [this, &line, gen, bytes] {
    if (gen == generation_) line.Deliver(bytes);
  });
}

std::shared_ptr<sim::Amplifier> SimLink::AddAmplifier(int wireType, std::uint8_t address, int deviceKind) {
  auto amp = std::make_shared<sim::Amplifier>(wireType, address, deviceKind);
  bus.Add(amp);
  return amp;
}

}  // namespace korvane::test
