#pragma once
// A Link wired to simulated devices in the same process, without a serial device:
// frames go to a sim::Bus, replies come back through the event loop (after the
// bus's delay), so flows run end to end in fast tests. A reply that arrives after
// a newer request was sent is dropped, as the serial worker's purge would.
#include <memory>
#include <string>

#include "link/Link.h"
#include "platform/Ui.h"
#include "Bus.h"

namespace korvane::test {

class SimLink {
 public:
  explicit SimLink(platform::Ui& ui, link::LinkTimings timings = link::LinkTimings::Fast(),
                   platform::Clock clock = platform::SystemClock());

  std::shared_ptr<sim::Amplifier> AddAmplifier(int wireType, std::uint8_t address = 0,
                                               int deviceKind = static_cast<int>(link::DeviceKind::kAmplifier));
  // From now on a device answers only at the rate it listens at, as over a real line.
  void FollowLineRate() { followRate_ = true; }

  // What a flow tells the user when the simulated module stays silent: the
  // communication error, naming the line's device.
  static std::string Silent(Language language) {
    return language == Language::kEnglish
               ? "Error data communication!\nNo answer from the module over /dev/null."
               : "Fehler in der Datenkommunikation!\n\u00dcber /dev/null kam keine Antwort vom Modul.";
  }
  // ... and when the line hung up.
  static constexpr const char* kHungUp = "Fehler in der Datenkommunikation!\nsimulated line hung up";

  link::Link link;
  // The address and language the test's flows work with.
  link::FlowContext context;
  sim::Bus bus;

 private:
  void Answer(const link::Frame& request);

  std::uint64_t generation_ = 0;
  bool followRate_ = false;
};

}  // namespace korvane::test
