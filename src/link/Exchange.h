#pragma once
// Request and reply on the line: the request last sent, the reply being received and
// the last one taken, the addresses that answered, whether a reply is still awaited, and
// the wait for it.
#include <bitset>
#include <chrono>
#include <cstdint>
#include <functional>

#include "link/Frame.h"
#include "link/FrameReceiver.h"

class QEventLoop;

namespace korvane::link {

class Exchange {
 public:
  // A request goes out: the next byte starts its reply.
  const Frame& Sent(const Frame& request);
  // A request was refused (another flow holds the line): nothing awaits its reply.
  void Refused() { refused_ = true; }
  bool refused() const { return refused_; }
  std::uint64_t sends() const { return sends_; }
  const Frame& lastSent() const { return lastSent_; }
  const Frame& lastReply() const { return lastReply_; }

  // Feeds one received byte; a damaged frame is remembered for the live poll.
  FrameReceiver::Result Feed(std::uint8_t byte);
  const Frame& received() const { return receiver_.frame(); }
  void ResetReceiver() { receiver_.Reset(); }
  bool badFrame() const { return badFrame_; }
  void clearBadFrame() { badFrame_ = false; }
  // The frame just received is the last reply; its address answered.
  void TakeReply();
  // Whether the frame just received answers the request last sent (a request to 255 is
  // answered under the address of whichever module listens).
  bool AnswersLast() const;
  bool answered(std::uint8_t address) const { return answered_.test(address); }
  void ForgetAnswers() { answered_.reset(); }

  void Expect() { pending_ = true; }
  bool pending() const { return pending_; }
  // A reply ended the wait.
  void Answered();
  // Ends a wait for a reply at once (the line went away).
  void Interrupt();
  // Waits for span, or until a reply came or lost() when forReply; true unless a reply
  // was awaited and did not come.
  bool Wait(std::chrono::milliseconds span, bool forReply, const std::function<bool()>& lost);

 private:
  FrameReceiver receiver_;
  Frame lastSent_{};
  Frame lastReply_{};
  std::uint64_t sends_ = 0;
  bool refused_ = false;
  bool pending_ = false;
  bool badFrame_ = false;
  QEventLoop* replyLoop_ = nullptr;
  std::bitset<256> answered_;
};

}  // namespace korvane::link
