#include "link/Link.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>

#include "link/DeviceName.h"
#include "link/LinkTexts.h"
#include "link/ReplyRules.h"
#include "platform/Reasons.h"

namespace korvane::link {

Link::Link(PortResolver resolver, LinkTimings timings, platform::Clock clock, QObject* parent)
    : Link(LineFactory(&MakeLine), std::move(resolver), timings, std::move(clock), parent) {}

Link::Link(LineFactory factory, PortResolver resolver, LinkTimings timings, platform::Clock clock, QObject* parent)
    : Link(factory(std::string()), std::move(resolver), timings, std::move(clock), parent) {
  owner_.setFactory(std::move(factory));
}

Link::Link(std::unique_ptr<Line> line, PortResolver resolver, LinkTimings timings, platform::Clock clock,
           QObject* parent)
    : QObject(parent),
      timings_(timings),
      clock_(std::move(clock)),
      owner_(std::move(line), std::move(resolver), this, [this](Line& l) { Attach(l); }) {}

Link::~Link() { owner_.line().Close(); }

void Link::Attach(Line& line) {
  connect(&line, &Line::bytesReceived, this, &Link::OnBytes);
  connect(&line, &Line::lineLost, this, &Link::OnLineLost);
}

bool Link::rateFixed() const { return KindOf(device()) == LineKind::kRawTcp; }

std::string Link::rateFixedMessage(Language language) const {
  return platform::FormatReason(platform::reasons::kRateFixed, language, device());
}

std::string Link::commErrorMessage(Language language) const {
  return CommErrorText(language,
                       {exchange_.refused(), owner_.lost(), owner_.failure(), lostAtRate_, owner_.usedDevice()});
}

void Link::setBaudRate(int baud) {
  owner_.setBaud(baud);
  if (holder_.held()) flowChoseRate_ = true;
}

LineLease Link::TakeLine() { return Lease(false); }

LineLease Link::HoldLine() { return Lease(true); }

LineLease Link::Lease(bool standing) {
  switch (holder_.Take(standing)) {
    case LineHolder::Taken::kRefused: return LineLease();
    case LineHolder::Taken::kNested: return LineLease(this);
    case LineHolder::Taken::kFresh: break;
  }
  // A new flow: its first unanswered request may look for the module's rate.
  rateAnswered_ = false;
  rateSearched_ = false;
  exchange_.ForgetAnswers();
  emit lineHeldChanged(true);
  return LineLease(this);
}

void Link::ReleaseLine() {
  if (!holder_.Release()) return;
  flowChoseRate_ = false;
  emit lineHeldChanged(false);
}

void Link::RunNested(QEventLoop& loop) {
  const LineHolder::Waiting scope(holder_);
  loop.exec();
}

Link::QuietEnd Link::WaitUntilQuiet(std::chrono::milliseconds gap, const std::function<int()>& progress,
                                    const std::function<bool()>& stop) {
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(std::max<int>(
      1, static_cast<int>(std::min<std::chrono::milliseconds>(gap / 10, std::chrono::milliseconds(100)).count())));
  QElapsedTimer sinceProgress;
  sinceProgress.start();
  int seen = progress();
  QuietEnd end = QuietEnd::kQuiet;
  connect(&tick, &QTimer::timeout, &loop, [&] {
    if (stop()) {
      end = QuietEnd::kStopped;
    } else if (owner_.lost()) {
      end = QuietEnd::kLineLost;
    } else if (const int now = progress(); now != seen) {
      seen = now;
      sinceProgress.restart();
      return;
    } else if (sinceProgress.elapsed() < gap.count()) {
      return;
    }
    loop.quit();
  });
  tick.start();
  RunNested(loop);
  return end;
}

void Link::SendFrame(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                     const Data4& data) {
  Transmit(address, group, length, parameter, data, false);
}

void Link::Transmit(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                    const Data4& data, bool chainContinuation) {
  if (!holder_.MaySend(chainContinuation)) {
    // Another flow has the line: this request would land in the middle of its exchange.
    holder_.Refuse();
    exchange_.Refused();
    return;
  }
  holder_.Sent();
  const Frame& sent = exchange_.Sent(BuildFrame(address, group, length, parameter, data));
  emit frameSent(sent);
  owner_.line().Transmit(sent);
}

bool Link::Read(std::uint8_t address, Parameter p) { return Read(address, p, timings_.replyTimeout); }

bool Link::Read(std::uint8_t address, Parameter p, std::chrono::milliseconds timeout) {
  SendFrame(address, kRead, p.length, p.number);
  return WaitForReply(timeout);
}

bool Link::Write(std::uint8_t address, Parameter p, const Data4& data) {
  SendFrame(address, kWrite, p.length, p.number, data);
  return WaitForReply();
}

bool Link::Request(std::uint8_t address, Command c, const Data4& data) {
  Send(address, c, data);
  return WaitForReply();
}

void Link::Send(std::uint8_t address, Command c, const Data4& data) {
  SendFrame(address, c.group, c.length, c.number, data);
}

void Link::ContinueChain(std::uint8_t address, std::uint8_t valueRequest) {
  Transmit(address, kValues, 4, valueRequest, {}, true);
}

bool Link::WaitUntil(std::chrono::milliseconds span, bool forReply) {
  const LineHolder::Waiting scope(holder_);
  return exchange_.Wait(span, forReply, [this] { return owner_.lost(); });
}

bool Link::WaitForReply() { return WaitForReply(timings_.replyTimeout); }

bool Link::WaitForReply(std::chrono::milliseconds timeout) {
  exchange_.Expect();
  if (owner_.lost() || exchange_.refused()) return false;
  bool answered = WaitUntil(timeout, true);
  if (!answered && !owner_.lost()) {
    emit replyTimedOut(exchange_.lastSent(), static_cast<int>(timeout.count()));
    if (MaySearchRate(timeout)) answered = SearchRateAndRetry();
  } else if (answered) {
    ReturnSwitchedModule();
  }
  return answered;
}

void Link::WaitSeconds(int n) {
  if (n <= 0) return;
  WaitUntil(timings_.second * n, false);
}

bool Link::OpenPort(Language language) {
  switch (owner_.Open(language, timings_.replyTimeout, timings_.openSettle)) {
    case LineOwner::Opened::kAlready: return true;
    case LineOwner::Opened::kFailed: return false;
    case LineOwner::Opened::kAfresh: break;
  }
  lostAtRate_ = 0;
  rateAnswered_ = false;
  if (!holder_.held()) exchange_.ForgetAnswers();
  exchange_.ResetReceiver();
  return true;
}

void Link::ClosePort() { owner_.Close(); }

void Link::StopReading() { owner_.line().Stop(); }

bool Link::Count(WriteReport& report, bool answered, std::uint8_t group, std::uint8_t number) const {
  if (owner_.lost()) {
    report.lineLost = true;
    return false;
  }
  if (!ReplyClearsPending(group, number)) return true;
  ++(answered ? report.acknowledged : report.unanswered);
  return true;
}

void Link::OnBytes(const QByteArray& bytes) {
  const std::uint64_t sends = exchange_.sends();
  for (char c : bytes) {
    OnSerialByte(static_cast<std::uint8_t>(c));
    // A request went out (the live chain's next one): the rest of this delivery came
    // before it and belongs to no reply still awaited.
    if (exchange_.sends() != sends) return;
  }
}

void Link::OnSerialByte(std::uint8_t byte) {
  switch (exchange_.Feed(byte)) {
    case FrameReceiver::Result::kNone: return;
    case FrameReceiver::Result::kWatchdog: emit watchdogNotice(WatchdogText(clock_())); return;
    case FrameReceiver::Result::kBadFrame: emit frameDamaged(exchange_.received()); return;
    case FrameReceiver::Result::kFrame: break;
  }
  const ReplyEffect e = DispatchReply(exchange_.received(), module_);
  exchange_.TakeReply();
  rateAnswered_ = true;
  emit replyReceived(exchange_.received());
  if (e.liveChannel) emit liveValue(e.liveChannel);
  // The chain goes on at the address of the request just answered, and only from the
  // answer to it: a late reply of another module (the bus engine has moved on) or of an
  // earlier step asks for nothing no flow wanted.
  if (e.nextRequest && exchange_.AnswersLast())
    Transmit(FrameAddress(exchange_.lastSent()), kValues, 4, e.nextRequest, {}, true);
  if (e.chainEnd) emit chainEnded();
  if (e.clearsPending) exchange_.Answered();
}

void Link::OnLineLost(const QString& reason) {
  // The device is gone: end a wait at once and let the next OpenPort try again.
  lostAtRate_ = switchedRate_;
  owner_.Lost(reason);
  exchange_.Interrupt();
  emit lineLost(reason);
}

}  // namespace korvane::link
