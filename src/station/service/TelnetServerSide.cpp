#include "station/service/TelnetServerSide.h"

namespace korvane::station::service {
namespace t = link::telnet;
namespace {

bool Agreed(std::uint8_t option) {
  return option == t::kBinary || option == t::kSuppressGoAhead || option == t::kComPort;
}

}  // namespace

void TelnetServerSide::Feed(std::span<const std::uint8_t> in, t::Bytes& data, t::Bytes& answers,
                            std::vector<ComPortRequest>& requests) {
  std::vector<t::Event> events;
  std::vector<std::size_t> at;
  // A byte at a time: each event's place among the data is where it ended.
  for (const std::uint8_t b : in) {
    decoder_.Feed({&b, 1}, data, events);
    at.resize(events.size(), data.size());
  }
  for (std::size_t i = 0; i < events.size(); ++i) {
    const t::Event& e = events[i];
    if (e.kind == t::Event::Kind::kSubnegotiation) {
      if (e.option != t::kComPort || e.payload.empty()) continue;
      ComPortRequest r{e.payload.front(), 0, t::Bytes(e.payload.begin() + 1, e.payload.end()), at[i]};
      for (std::size_t i = 0; i < r.payload.size() && i < 4; ++i) r.value = (r.value << 8) | r.payload[i];
      requests.push_back(std::move(r));
      continue;
    }
    std::uint8_t verb = 0;
    if (e.verb == t::kWill) verb = Agreed(e.option) ? t::kDo : t::kDont;
    // The station sends com-port answers; it never asks the client to control a port.
    else if (e.verb == t::kDo)
      verb = Agreed(e.option) && e.option != t::kComPort ? t::kWill : t::kWont;
    if (e.verb == t::kWill && e.option == t::kComPort) comPort_ = true;
    if (e.verb == t::kWont && e.option == t::kComPort) comPort_ = false;
    // Each answer once: two ends that both answer every answer would never stop.
    if (verb == 0 || !said_.insert({verb, e.option}).second) continue;
    const t::Bytes n = t::Negotiation(verb, e.option);
    answers.insert(answers.end(), n.begin(), n.end());
  }
}

t::Bytes ComPortAnswer(std::uint8_t command, std::span<const std::uint8_t> value) {
  return t::ComPort(static_cast<std::uint8_t>(command + t::kServerOffset), value);
}

t::Bytes RateAnswer(std::uint32_t baud) {
  const std::uint8_t value[4] = {static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
                                 static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)};
  return ComPortAnswer(t::kSetBaudRate, value);
}

}  // namespace korvane::station::service
