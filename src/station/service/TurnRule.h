#pragma once
// Who uses the shared line next: the station's own exchange or a service client's.
// Never in the middle of an exchange; at most one client exchange after each of the
// station's own, so neither side starves; a line the station leaves idle goes to the
// clients. Pure code.
namespace korvane::station::service {

struct LineTurns {
  bool ownInFlight = false;    // the station's request is out and its reply not yet in
  bool guestInFlight = false;  // a client's request is out and its reply not yet in
  bool ownWaiting = false;     // the station has a request to send
  bool guestWaiting = false;   // a client's request is queued
  bool lastWasGuest = false;   // the exchange that ended last was a client's
};

enum class Turn { kNone, kOwn, kGuest };

Turn NextTurn(const LineTurns& t);

}  // namespace korvane::station::service
