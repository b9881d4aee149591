// The link's rates: the baud change of module and PC together, and the rate search: a
// module left at another rate (a logger readout whose line went away, a settings file
// that kept a fast rate) is found and set back to 4800 baud by whichever flow reaches it
// first, desktop or command line alike.
#include "link/Link.h"

namespace korvane::link {
namespace {

// The rates tried, in this order; the line's own rate was tried by the flow.
constexpr int kSearchedRates[] = {kSlowBaud, kMediumBaud, kFastBaud};

}  // namespace

void Link::ChangeBaudRate(std::uint8_t address, int selector,
                          const std::function<void(const std::string&)>& reopenFailed) {
  const bool fast = selector == kSelectFast || selector == kSelectMedium;
  const int rate = SelectedRate(selector);
  Send(address, kBaudChange, ByteData(fast ? 1 : 0));
  if (holder_.held()) flowChoseRate_ = true;
  // Remembered until the module is switched back: a line lost meanwhile leaves it fast.
  switchedRate_ = fast ? rate : 0;
  switchedAddress_ = address;
  switchedGeneration_ = holder_.generation();
  WaitSeconds(3);
  owner_.setBaud(rate);
  WaitSeconds(2);
  if (!UseRate(rate) && !owner_.lost() && reopenFailed) reopenFailed(owner_.message());
  WaitSeconds(2);
}

bool Link::UseRate(int rate) {
  owner_.setBaud(rate);
  rateAnswered_ = false;
  if (owner_.lost()) return false;
  // The line changes its rate in place; one that cannot is opened afresh.
  if (owner_.SetRateInPlace(rate)) {
    exchange_.ResetReceiver();
    return true;
  }
  owner_.Close();
  return OpenPort(owner_.language());
}

bool Link::MaySearchRate(std::chrono::milliseconds timeout) const {
  // Only a flow's ordinary wait (not a scan's short one), once per flow, before anything
  // answered at this rate, never at a rate the flow chose for a device that listens
  // there, and not for the display unit, whose rate is its own.
  return rateSearch_ && !searching_ && !rateSearched_ && !rateAnswered_ && !flowChoseRate_ && owner_.open() &&
         !owner_.lost() && timeout == timings_.replyTimeout && FrameAddress(exchange_.lastSent()) != kDisplayAddress &&
         !rateFixed();
}

bool Link::SearchRateAndRetry() {
  searching_ = true;
  rateSearched_ = true;
  const Frame request = exchange_.lastSent();
  const std::uint8_t address = FrameAddress(request);
  const int configured = owner_.baud();
  int found = 0;
  // One harmless request per rate: the module's type.
  for (int rate : kSearchedRates) {
    if (rate == configured) continue;
    if (!UseRate(rate)) break;
    if (Read(address, kType, timings_.rateProbe)) {
      found = rate;
      break;
    }
    if (owner_.lost()) break;
  }
  if (found == 0) {
    // Nowhere: the flow tells its communication error, at the rate it began with.
    if (!owner_.lost()) UseRate(configured);
    searching_ = false;
    return false;
  }
  // The module goes back to its slow rate with the baud command, and the PC with it.
  if (found != kSlowBaud) ChangeBaudRate(address, kSelectSlow);
  searching_ = false;
  if (!owner_.open() || owner_.lost()) return false;
  emit rateRecovered(found);
  // The flow's request again, at 4800 baud.
  Transmit(address, FrameGroup(request), FrameLength(request), FrameParameter(request), FrameData(request), false);
  exchange_.Expect();
  return WaitUntil(timings_.replyTimeout, true);
}

void Link::ReturnSwitchedModule() {
  // A later flow reached the module at the fast rate a baud change left it at (the line
  // went away before the change back): back to 4800 baud before the flow goes on.
  if (!rateSearch_ || searching_ || switchedRate_ == 0 || owner_.baud() != switchedRate_ ||
      holder_.generation() == switchedGeneration_ || FrameAddress(exchange_.lastReply()) != switchedAddress_)
    return;
  const int rate = switchedRate_;
  searching_ = true;
  ChangeBaudRate(switchedAddress_, kSelectSlow);
  searching_ = false;
  if (owner_.open() && !owner_.lost()) emit rateRecovered(rate);
}

}  // namespace korvane::link
