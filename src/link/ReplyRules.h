#pragma once
// Which valid replies end a wait, and what each stores in the module object.
#include <cstdint>

#include "link/ModuleState.h"
#include "link/Frame.h"

namespace korvane::link {

// True when a valid reply of this group and parameter clears the reply-pending flag.
// Group 0 replies 1..5 also clear it, after the live chain has sent its next request.
bool ReplyClearsPending(std::uint8_t group, std::uint8_t parameter);

// True for the parameters that groups 2 and 3 know (the parameter table).
bool IsKnownParameter(std::uint8_t parameter);

// The live chain: the request that follows a reply to value request 1..5 (order
// 1 -> 2 -> 5 -> 4 -> 3 -> 6); 0 for 6 (end of chain) and for anything else.
std::uint8_t NextLiveRequest(std::uint8_t parameter);

// What a valid reply did.
struct ReplyEffect {
  bool clearsPending = false;
  int liveChannel = 0;           // 1..6 when a live value was stored
  std::uint8_t nextRequest = 0;  // live chain: next value request to send
  bool chainEnd = false;         // temperature reply
};

// Stores a valid reply in the module object and tells what follows.
ReplyEffect DispatchReply(const Frame& reply, ModuleState& module);

}  // namespace korvane::link
