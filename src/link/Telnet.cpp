#include "link/Telnet.h"

namespace korvane::link::telnet {
namespace {

bool Agreed(std::uint8_t option) { return option == kBinary || option == kSuppressGoAhead || option == kComPort; }

}  // namespace

Bytes Escape(std::span<const std::uint8_t> data) {
  Bytes out;
  out.reserve(data.size() + 2);
  for (std::uint8_t b : data) {
    out.push_back(b);
    if (b == kIac) out.push_back(kIac);
  }
  return out;
}

Bytes Negotiation(std::uint8_t verb, std::uint8_t option) { return {kIac, verb, option}; }

Bytes ComPort(std::uint8_t command, std::span<const std::uint8_t> value) {
  Bytes out{kIac, kSb, kComPort, command};
  const Bytes escaped = Escape(value);
  out.insert(out.end(), escaped.begin(), escaped.end());
  out.push_back(kIac);
  out.push_back(kSe);
  return out;
}

Bytes SetBaudRate(std::uint32_t baud) {
  const std::uint8_t value[4] = {static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
                                 static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)};
  return ComPort(kSetBaudRate, value);
}

Bytes Greeting() {
  Bytes out;
  for (const auto& [verb, option] : {std::pair{kWill, kBinary},
                                     {kDo, kBinary},
                                     {kWill, kSuppressGoAhead},
                                     {kDo, kSuppressGoAhead},
                                     {kWill, kComPort}}) {
    const Bytes n = Negotiation(verb, option);
    out.insert(out.end(), n.begin(), n.end());
  }
  return out;
}

void Decoder::Feed(std::span<const std::uint8_t> in, Bytes& data, std::vector<Event>& events) {
  for (std::uint8_t b : in) {
    switch (state_) {
      case State::kData:
        if (b == kIac)
          state_ = State::kIac;
        else
          data.push_back(b);
        break;
      case State::kIac:
        if (b == kIac) {
          data.push_back(kIac);
          state_ = State::kData;
        } else if (b == kDo || b == kDont || b == kWill || b == kWont) {
          verb_ = b;
          state_ = State::kOption;
        } else if (b == kSb) {
          sub_.clear();
          subTooLong_ = false;
          state_ = State::kSub;
        } else {
          state_ = State::kData;  // NOP, GA, BRK and the like carry nothing for the line
        }
        break;
      case State::kOption:
        events.push_back({Event::Kind::kNegotiation, verb_, b, {}});
        state_ = State::kData;
        break;
      case State::kSub:
        if (b == kIac) {
          state_ = State::kSubIac;
        } else if (sub_.size() < kMaxPayload + 1) {
          sub_.push_back(b);
        } else {
          subTooLong_ = true;
        }
        break;
      case State::kSubIac:
        if (b == kIac) {
          if (sub_.size() < kMaxPayload + 1)
            sub_.push_back(kIac);
          else
            subTooLong_ = true;
          state_ = State::kSub;
        } else {
          // IAC SE ends it; any other command after IAC ends it, too (a broken far end).
          if (!subTooLong_ && !sub_.empty())
            events.push_back({Event::Kind::kSubnegotiation, 0, sub_.front(), Bytes(sub_.begin() + 1, sub_.end())});
          sub_.clear();
          state_ = State::kData;
        }
        break;
    }
  }
}

std::optional<Bytes> Answer(const Event& e) {
  if (e.kind != Event::Kind::kNegotiation) return std::nullopt;
  // The greeting asked for every option agreed to: a DO or WILL of one is its answer.
  if (Agreed(e.option) && (e.verb == kDo || e.verb == kWill)) return std::nullopt;
  switch (e.verb) {
    case kDo: return Negotiation(kWont, e.option);
    case kWill: return Negotiation(kDont, e.option);
    default: return std::nullopt;  // a refusal needs no answer
  }
}

std::optional<ComPortAnswer> ReadComPortAnswer(const Event& e) {
  if (e.kind != Event::Kind::kSubnegotiation || e.option != kComPort || e.payload.empty()) return std::nullopt;
  const std::uint8_t command = e.payload.front();
  if (command <= kServerOffset) return std::nullopt;
  ComPortAnswer a{static_cast<std::uint8_t>(command - kServerOffset), 0};
  for (std::size_t i = 1; i < e.payload.size() && i <= 4; ++i) a.value = (a.value << 8) | e.payload[i];
  return a;
}

}  // namespace korvane::link::telnet
