// The link's rate search: a module left at another rate (a logger readout whose line
// went away, a settings file that kept a fast rate) is found and set back to 4800 baud
// by whichever flow reaches it first, desktop or command line alike.
#include "link/Link.h"

namespace korvane::link {
namespace {

// The rates tried, in this order; the line's own rate was tried by the flow.
constexpr int kSearchedRates[] = {kSlowBaud, kMediumBaud, kFastBaud};

}  // namespace

bool Link::MaySearchRate(std::chrono::milliseconds timeout) const {
  // Only a flow's ordinary wait (not a scan's short one), once per flow, before anything
  // answered at this rate, never at a rate the flow chose for a device that listens
  // there, and not for the display unit, whose rate is its own.
  return rateSearch_ && !searching_ && !rateSearched_ && !rateAnswered_ && !flowChoseRate_ && portOpen_ && !lineLost_ &&
         timeout == timings_.replyTimeout && FrameAddress(lastSent_) != kDisplayAddress && !rateFixed();
}

bool Link::SearchRateAndRetry() {
  searching_ = true;
  rateSearched_ = true;
  const Frame request = lastSent_;
  const std::uint8_t address = FrameAddress(request);
  const int configured = baud_;
  int found = 0;
  // One harmless request per rate: the module's type.
  for (int rate : kSearchedRates) {
    if (rate == configured) continue;
    if (!UseRate(rate)) break;
    if (Read(address, kType, timings_.rateProbe)) {
      found = rate;
      break;
    }
    if (lineLost_) break;
  }
  if (found == 0) {
    // Nowhere: the flow tells its communication error, at the rate it began with.
    if (!lineLost_) UseRate(configured);
    searching_ = false;
    return false;
  }
  // The module goes back to its slow rate with the baud command, and the PC with it.
  if (found != kSlowBaud) ChangeBaudRate(address, kSelectSlow);
  searching_ = false;
  if (!portOpen_ || lineLost_) return false;
  emit rateRecovered(found);
  // The flow's request again, at 4800 baud.
  Transmit(address, FrameGroup(request), FrameLength(request), FrameParameter(request), FrameData(request), false);
  replyPending_ = true;
  return WaitUntil(timings_.replyTimeout, true);
}

void Link::ReturnSwitchedModule() {
  // A later flow reached the module at the fast rate a baud change left it at (the line
  // went away before the change back): back to 4800 baud before the flow goes on.
  if (!rateSearch_ || searching_ || switchedRate_ == 0 || baud_ != switchedRate_ ||
      lineGeneration_ == switchedGeneration_ || FrameAddress(lastReply_) != switchedAddress_)
    return;
  const int rate = switchedRate_;
  searching_ = true;
  ChangeBaudRate(switchedAddress_, kSelectSlow);
  searching_ = false;
  if (portOpen_ && !lineLost_) emit rateRecovered(rate);
}

}  // namespace korvane::link
