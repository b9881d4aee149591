#pragma once
// At most one log line a second of each kind: a storm of the same event (fifty Modbus
// clients pushing each other out) writes its first line, and once the second is over
// one more that says how many lines like it were held back.
#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

namespace korvane::station {

class LogPace {
 public:
  using Clock = std::chrono::steady_clock;

  explicit LogPace(Clock::duration period = std::chrono::seconds(1)) : period_(period) {}

  // True when a line of this kind may be written now; otherwise it is counted.
  bool Pass(int kind, Clock::time_point now);

  struct Held {
    int kind;
    std::uint64_t count;
  };
  // The kinds whose period is over with lines held back, to be said now (each then
  // counts as written).
  std::vector<Held> Due(Clock::time_point now);
  // When Due has something next; Clock::time_point::max() when nothing is held back.
  Clock::time_point NextDue() const;

 private:
  struct State {
    Clock::time_point last{};
    std::uint64_t held = 0;
  };
  const Clock::duration period_;
  std::map<int, State> states_;
};

}  // namespace korvane::station
