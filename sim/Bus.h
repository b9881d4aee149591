#pragma once
// The line in front of the simulated devices: routes each request to the device that
// answers its address, logs what it received, and injects faults. Pure C++.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "link/Frame.h"
#include "Amplifier.h"

namespace korvane::sim {

enum class Fault {
  kNone,
  kNoReply,     // stay silent
  kBadCheck,    // reply with a wrong check byte
  kBadEnd,      // reply with a wrong end byte
  kWatchdog,    // "WD" and seven more bytes instead of the reply
  kStrayBytes,  // two stray bytes before the reply
  kLate,        // reply after lateDelayMs
  kHangUp,      // the line goes away instead of answering
  kCutStream,   // a logger stream stops after half of its frames
  kDropFrame,   // a logger stream loses one frame in its middle
};

// What goes back on the line for one request.
struct Reply {
  std::vector<std::uint8_t> bytes;  // may be empty (no reply)
  int delayMs = 0;                  // before the first byte
  bool hangUp = false;              // close the line instead
};

// The name of a fault as korvane-sim --fault spells it.
const char* FaultName(Fault f);

class Bus {
 public:
  void Add(std::shared_ptr<Device> device);
  // Answers one complete request frame (faults applied).
  Reply Handle(const Frame& request);
  void Advance(double seconds);

  // Faults: for every request from now on, or for the next request only, or for
  // requests with a given group and parameter.
  void SetFault(Fault f) { fault_ = f; }
  void FaultNext(Fault f) { next_.push_back(f); }
  // times < 0: every such request.
  void FaultWhen(std::uint8_t group, std::uint8_t parameter, Fault f, int times = 1);
  // No fault of any kind any more.
  void ClearFaults() {
    fault_ = Fault::kNone;
    next_.clear();
    when_.clear();
  }
  void SetLateDelayMs(int ms) { lateDelayMs_ = ms; }
  int lateDelayMs() const { return lateDelayMs_; }
  Fault fault() const { return fault_; }

  // The rate the line runs at (0 = not known). A device listening at another rate
  // does not understand the request and stays silent.
  void SetLineBaud(int baud) { lineBaud_ = baud; }
  int lineBaud() const { return lineBaud_; }
  // A device that stops answering (unplugged, or its cable cut) and starts again.
  void SetSilent(std::uint8_t address, bool silent);
  // The device that answers an address (null when none does).
  std::shared_ptr<Device> DeviceFor(std::uint8_t address) const;

  // Every request frame received, in order (valid or not).
  const std::vector<link::Frame>& received() const { return received_; }
  void ClearLog() { received_.clear(); }

 private:
  struct Conditional {
    std::uint8_t group;
    std::uint8_t parameter;
    Fault fault;
    int times;
  };
  std::vector<std::shared_ptr<Device>> devices_;
  std::vector<link::Frame> received_;
  std::vector<Fault> next_;
  std::vector<Conditional> when_;
  std::vector<std::uint8_t> silent_;
  Fault fault_ = Fault::kNone;
  int lateDelayMs_ = 2500;
  int lineBaud_ = 0;
};

}  // namespace korvane::sim
