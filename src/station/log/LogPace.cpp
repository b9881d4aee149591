#include "station/log/LogPace.h"

#include <algorithm>

namespace korvane::station {

bool LogPace::Pass(int kind, Clock::time_point now) {
  auto [it, first] = states_.try_emplace(kind);
  State& s = it->second;
  if (first || (s.held == 0 && now - s.last >= period_)) {
    s.last = now;
    return true;
  }
  ++s.held;
  return false;
}

std::vector<LogPace::Held> LogPace::Due(Clock::time_point now) {
  std::vector<Held> due;
  for (auto& [kind, s] : states_)
    if (s.held > 0 && now - s.last >= period_) {
      due.push_back({kind, s.held});
      s.held = 0;
      s.last = now;
    }
  return due;
}

LogPace::Clock::time_point LogPace::NextDue() const {
  auto next = Clock::time_point::max();
  for (const auto& [kind, s] : states_)
    if (s.held > 0) next = std::min(next, s.last + period_);
  return next;
}

}  // namespace korvane::station
