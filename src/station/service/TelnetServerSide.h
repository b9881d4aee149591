#pragma once
// The station's end of a service client's Telnet stream (RFC 854, RFC 2217): it agrees
// to binary, no go-ahead and com-port control, refuses every other option once, and
// hands over the data and the client's com-port commands. Built on the link's codec.
// Pure code.
#include <cstdint>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "link/Telnet.h"

namespace korvane::station::service {

// Com-port commands beside those the link sends.
enum ServerComPort : std::uint8_t {
  kSignature = 0,
  kSetControl = 5,
  kFlowSuspend = 8,
  kFlowResume = 9,
  kLineStateMask = 10,
  kModemStateMask = 11,
};

struct ComPortRequest {
  std::uint8_t command = 0;
  std::uint32_t value = 0;      // big-endian, as far as it goes (at most four bytes)
  link::telnet::Bytes payload;  // the value as sent
  std::size_t at = 0;           // the data bytes of the same Feed that came before it
  bool operator==(const ComPortRequest&) const = default;
};

class TelnetServerSide {
 public:
  // data: the client's data bytes; answers: what goes back to negotiations at once;
  // requests: its com-port commands, in order, each with its place among the data (a
  // frame sent before a rate change goes out before it).
  void Feed(std::span<const std::uint8_t> in, link::telnet::Bytes& data, link::telnet::Bytes& answers,
            std::vector<ComPortRequest>& requests);
  // The client agreed to com-port control.
  bool comPort() const { return comPort_; }

 private:
  link::telnet::Decoder decoder_;
  std::set<std::pair<std::uint8_t, std::uint8_t>> said_;  // (verb, option) sent already
  bool comPort_ = false;
};

// The server's answer to a com-port command: the command plus 100 and its value.
link::telnet::Bytes ComPortAnswer(std::uint8_t command, std::span<const std::uint8_t> value);
link::telnet::Bytes RateAnswer(std::uint32_t baud);

}  // namespace korvane::station::service
