#include "station/service/TurnRule.h"

namespace korvane::station::service {

Turn NextTurn(const LineTurns& t) {
  if (t.guestInFlight) return Turn::kNone;
  // The station's flow moving on ends its own exchange, answered or not.
  if (t.ownWaiting) return t.guestWaiting && !t.lastWasGuest ? Turn::kGuest : Turn::kOwn;
  if (t.ownInFlight) return Turn::kNone;
  return t.guestWaiting ? Turn::kGuest : Turn::kNone;
}

}  // namespace korvane::station::service
