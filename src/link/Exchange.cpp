#include "link/Exchange.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace korvane::link {
namespace {

// A request to 255 is answered by whichever module listens, under its own address.
constexpr std::uint8_t kAnyModule = 255;

}  // namespace

const Frame& Exchange::Sent(const Frame& request) {
  refused_ = false;
  lastSent_ = request;
  ++sends_;
  receiver_.Reset();
  return lastSent_;
}

FrameReceiver::Result Exchange::Feed(std::uint8_t byte) {
  const FrameReceiver::Result result = receiver_.Feed(byte);
  if (result == FrameReceiver::Result::kBadFrame) badFrame_ = true;
  return result;
}

void Exchange::TakeReply() {
  lastReply_ = receiver_.frame();
  answered_.set(FrameAddress(lastReply_));
}

bool Exchange::AnswersLast() const {
  const Frame& reply = receiver_.frame();
  const std::uint8_t asked = FrameAddress(lastSent_);
  return FrameGroup(reply) == FrameGroup(lastSent_) && FrameParameter(reply) == FrameParameter(lastSent_) &&
         (asked == kAnyModule || FrameAddress(reply) == asked);
}

void Exchange::Answered() {
  pending_ = false;
  if (replyLoop_) replyLoop_->quit();
}

void Exchange::Interrupt() {
  if (replyLoop_) replyLoop_->quit();
}

bool Exchange::Wait(std::chrono::milliseconds span, bool forReply, const std::function<bool()>& lost) {
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QEventLoop* outer = replyLoop_;
  if (forReply) replyLoop_ = &loop;
  QElapsedTimer elapsed;  // monotonic
  elapsed.start();
  const auto total = span.count();
  while (true) {
    if (forReply && (!pending_ || lost())) break;
    const qint64 left = total - elapsed.elapsed();
    if (left <= 0) break;
    deadline.start(static_cast<int>(left));
    loop.exec();
  }
  if (forReply) replyLoop_ = outer;
  return !forReply || !pending_;
}

}  // namespace korvane::link
