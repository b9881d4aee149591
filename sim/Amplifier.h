#pragma once
// Simulated devices on the module line. A device answers one request frame with at
// most one reply frame, the way a real module does; the bus in front of the devices
// adds faults and timing. Pure C++ (no Qt), so tests can drive it directly.
#include <array>
#include <memory>
#include <cstdint>
#include <optional>
#include <vector>

#include "link/Protocol.h"
#include "platform/Clock.h"

namespace korvane::sim {

using link::Data4;
using link::Frame;

class Device {
 public:
  virtual ~Device() = default;
  // True when the device answers frames sent to this address.
  virtual bool Answers(std::uint8_t address) const = 0;
  // The reply to one request, or nothing (a real module stays silent then).
  virtual std::optional<Frame> Handle(const Frame& request) = 0;
  // Lets simulated time pass (live values drift); seconds since the last call.
  virtual void Advance(double /*seconds*/) {}
  // Every frame the device sends for one request: the one reply, or the stream of a
  // logger readout.
  virtual std::vector<Frame> HandleAll(const Frame& request) {
    auto f = Handle(request);
    return f ? std::vector<Frame>{*f} : std::vector<Frame>{};
  }
  // The line rate the device listens at; 0 = it understands any rate.
  virtual int baud() const { return 0; }
};

// A measuring amplifier of any catalogue type (1..31 on the wire).
class Amplifier : public Device {
 public:
  // deviceKind: 4 = amplifier family, 5 = display/controller series, other = earlier series.
  Amplifier(int wireType, std::uint8_t address = 0, int deviceKind = static_cast<int>(link::DeviceKind::kAmplifier));

  bool Answers(std::uint8_t address) const override;
  std::optional<Frame> Handle(const Frame& request) override;
  std::vector<Frame> HandleAll(const Frame& request) override;
  void Advance(double seconds) override;

  std::uint8_t address() const;
  int wireType() const;
  int deviceKind() const;
  int fastBaud() const;  // rate the module switches to on the baud command (0 = unchanged)
  // The rate the module listens at now: 4800 at power-up, the fast rate after the baud
  // command with d0 = 1, 4800 again after d0 = 0.
  int baud() const override;
  void SetBaud(int baud);

  // Pins live value n (1..5; 6 = temperature) so a test can script what the module
  // measures; Unpin lets it drift again.
  void SetMeasured(int channel, float value);
  void Unpin(int channel);
  float Measured(int channel) const;

  // The settle curve: from now on each channel approaches its target exponentially with
  // the time constant tau (simulated seconds), with Gaussian noise of noise times the
  // channel's usual wander. A tau of 0 brings the slow waves back.
  void SetSettle(double tauSeconds, double noise);
  bool settling() const;
  // The value channel n (1..6) settles towards from now on.
  void SetTarget(int channel, float value);
  // The sensor is put into a solution: for a pH type a buffer of this pH at the module's
  // temperature (the electrode's voltage settles there and the pH channel follows it),
  // for the other types the value channel 1 settles at.
  void SetSolution(double value);
  // The simulated pH electrode: its voltage at pH 7 and its slope referred to 25 °C.
  void SetElectrode(double zeroMv, double slopeMv);

  // Stored parameters (as the module holds them, raw data bytes).
  Data4 Parameter(std::uint8_t p) const;
  void SetParameter(std::uint8_t p, const Data4& d);
  void SetParameterFloat(std::uint8_t p, float v);
  void SetParameterByte(std::uint8_t p, std::uint8_t v);
  float ParameterFloat(std::uint8_t p) const;
  std::uint8_t ParameterByte(std::uint8_t p) const;

  // Pins the raw converter value a request reports (60, 62; 61 reports first and
  // second) so a test can script a measurement; UnpinRaw lets them drift again.
  void PinRaw(std::uint8_t request, std::uint16_t first, std::uint16_t second = 0);
  void UnpinRaw();
  // DAC adjust mode: on after command 67, off after 68 (and at power-up).
  bool dacAdjustMode() const;
  // The raw value output n (0..3) was last set to by command 63.
  std::uint16_t dacOutput(int n) const;

  // Group 0 commands received (65 store, 67/68 adjust mode, 69), in order.
  const std::vector<std::uint8_t>& commands() const;
  // Group 1 commands received (55 logger clear, 58/59 date/time, 71 baud, 72), in order.
  const std::vector<std::uint8_t>& systemCommands() const;
  // The data logger (device kinds 4 and 5 keep one): 16-byte records of value 1,
  // value 2 and temperature. Filled with `records` entries ten minutes apart up to the
  // module's clock; the clear command (group 1, 55) empties it.
  void FillLogger(int records);
  int loggerCount() const;
  // The module's clock (set by group 1 58/59, runs with Advance).
  platform::LocalTime clock() const;
  void SetClock(const platform::LocalTime& t);

 private:
  // One request, taken apart; replies go out from the module's address.
  struct Request {
    std::uint8_t from, group, length, parameter;
    Data4 data;
  };
  std::optional<Frame> ValueReply(const Request& r);   // group 0: values and actions
  std::optional<Frame> SystemReply(const Request& r);  // group 1: system commands
  struct State;
  std::shared_ptr<State> s_;
};

}  // namespace korvane::sim
