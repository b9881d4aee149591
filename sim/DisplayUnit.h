#pragma once
// A display/controller unit on the module line, always at address 0x80. It keeps its
// settings as parameters (read with group 2, written with group 3 and acknowledged),
// stores the contrast on the group 0 command 53 and its whole configuration on 65
// (0x41). Pure C++.
#include <bitset>
#include <vector>

#include "Amplifier.h"

namespace korvane::sim {

class DisplayUnit : public Device {
 public:
  // The unit listens at 19200 baud, the rate of its configuration.
  explicit DisplayUnit(int baud = link::kMediumBaud);

  bool Answers(std::uint8_t address) const override { return address == link::kDisplayAddress; }
  std::optional<Frame> Handle(const Frame& request) override;
  std::vector<Frame> HandleAll(const Frame& request) override;
  void Advance(double seconds) override { time_ += seconds > 0 ? seconds : 0; }
  int baud() const override { return baud_; }
  void SetBaud(int baud) { baud_ = baud; }

  Data4 Parameter(std::uint8_t p) const { return params_[p]; }
  void SetParameter(std::uint8_t p, const Data4& d) { params_[p] = d; }
  std::uint8_t ParameterByte(std::uint8_t p) const { return params_[p][0]; }
  // Values given with the store commands 53 and 65, in order.
  const std::vector<std::uint8_t>& stored() const { return stored_; }
  // The settings as the last store command 65 (0x41) kept them.
  Data4 StoredParameter(std::uint8_t p) const { return storedParams_[p]; }

  // The data logger: 26-byte records (date, time and the 42 display characters packed
  // as nibbles). The clear command (group 1, 55) empties it.
  void FillLogger(int records);
  int loggerCount() const { return static_cast<int>(logger_.size()); }
  platform::LocalTime clock() const;
  void SetClock(const platform::LocalTime& t);

 private:
  int baud_;
  std::bitset<256> known_;
  std::array<Data4, 256> params_{};
  std::array<Data4, 256> storedParams_{};
  std::vector<std::uint8_t> stored_;
  std::vector<std::array<std::uint8_t, 26>> logger_;
  double time_ = 0;
  double clockBase_ = 0;
};

}  // namespace korvane::sim
