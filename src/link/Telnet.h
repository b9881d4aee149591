#pragma once
// The Telnet byte stream of a network line with com-port control (RFC 854, RFC 2217):
// data with IAC doubled, option negotiation and the com-port subnegotiations. Pure code:
// the network line feeds it what the socket read and sends what it builds.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvane::link::telnet {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;

inline constexpr std::uint8_t kBinary = 0;
inline constexpr std::uint8_t kSuppressGoAhead = 3;
inline constexpr std::uint8_t kComPort = 44;

// Com-port commands as the client sends them; the server answers with the same
// command plus kServerOffset.
enum ComPortCommand : std::uint8_t {
  kSetBaudRate = 1,
  kSetDataSize = 2,
  kSetParity = 3,
  kSetStopSize = 4,
  kPurgeData = 12,
};
inline constexpr std::uint8_t kServerOffset = 100;
inline constexpr std::uint8_t kParityNone = 1;
inline constexpr std::uint8_t kPurgeBoth = 3;

// Data bytes as they go on the wire: every 0xFF doubled.
Bytes Escape(std::span<const std::uint8_t> data);
// IAC verb option.
Bytes Negotiation(std::uint8_t verb, std::uint8_t option);
// IAC SB COM-PORT-OPTION command value IAC SE, the value escaped.
Bytes ComPort(std::uint8_t command, std::span<const std::uint8_t> value);
Bytes SetBaudRate(std::uint32_t baud);
// What a client says first: binary both ways, no go-ahead, and that it will control
// the com port.
Bytes Greeting();

// Something the far end said besides data.
struct Event {
  enum class Kind { kNegotiation, kSubnegotiation };
  Kind kind = Kind::kNegotiation;
  std::uint8_t verb = 0;    // negotiation: kDo, kDont, kWill, kWont
  std::uint8_t option = 0;  // the option (subnegotiation: the option it is about)
  Bytes payload;            // subnegotiation: what follows the option, IAC undoubled
  bool operator==(const Event&) const = default;
};

// Splits a received stream into data and events; keeps its state between calls, so a
// sequence may be cut anywhere.
class Decoder {
 public:
  // Subnegotiations longer than this are dropped whole (a com-port answer has at most 5
  // bytes; anything far longer is a fault of the far end).
  static constexpr std::size_t kMaxPayload = 64;

  void Feed(std::span<const std::uint8_t> in, Bytes& data, std::vector<Event>& events);

 private:
  enum class State { kData, kIac, kOption, kSub, kSubIac };
  State state_ = State::kData;
  std::uint8_t verb_ = 0;
  Bytes sub_;
  bool subTooLong_ = false;
};

// The client's answer to a negotiation it did not start: it agrees to binary, no
// go-ahead and com-port control, and refuses every other option; nothing for an
// answer to what the greeting asked, so the two ends never loop.
std::optional<Bytes> Answer(const Event& negotiation);

// A com-port answer of the server: the command it answers (without the offset) and its
// value as a number (big-endian); nothing when it is none.
struct ComPortAnswer {
  std::uint8_t command = 0;
  std::uint32_t value = 0;
};
std::optional<ComPortAnswer> ReadComPortAnswer(const Event& event);

}  // namespace korvane::link::telnet
