#include "link/Link.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "link/DeviceName.h"
#include "link/RateTexts.h"
#include "link/ReplyRules.h"
#include "platform/NumberText.h"
#include "platform/Reasons.h"
#include "platform/Texts.h"
#include "types/Texts.h"

namespace korvane::link {
namespace {

// A request to 255 is answered by whichever module listens, under its own address.
constexpr std::uint8_t kAnyModule = 255;

// A port that does not open, by its COM number or by the path given instead.
constexpr types::Text kCannotOpenCom{"link", QT_TRANSLATE_NOOP("link", "COM %1 kann nicht geöffnet werden.")};
constexpr types::Text kCannotOpenDevice{"link", QT_TRANSLATE_NOOP("link", "%1 kann nicht geöffnet werden.")};

// The device a path ends at, through any links: a ports link that now points elsewhere
// is another device, though its own path stayed the same.
std::string EndDevice(const std::string& path) {
  std::error_code error;
  const std::filesystem::path real = std::filesystem::canonical(path, error);
  return error ? path : real.string();
}

// Counts a wait (or a flow's own loop) in progress for the time it runs.
struct DepthScope {
  explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
  ~DepthScope() { --depth_; }
  DepthScope(const DepthScope&) = delete;
  DepthScope& operator=(const DepthScope&) = delete;
  int& depth_;
};

}  // namespace

Link::Link(PortResolver resolver, LinkTimings timings, platform::Clock clock, QObject* parent)
    : Link(LineFactory(&MakeLine), std::move(resolver), timings, std::move(clock), parent) {}

Link::Link(LineFactory factory, PortResolver resolver, LinkTimings timings, platform::Clock clock, QObject* parent)
    : Link(factory(std::string()), std::move(resolver), timings, std::move(clock), parent) {
  factory_ = std::move(factory);
}

Link::Link(std::unique_ptr<Line> line, PortResolver resolver, LinkTimings timings, platform::Clock clock,
           QObject* parent)
    : QObject(parent), resolver_(std::move(resolver)), timings_(timings), clock_(std::move(clock)) {
  UseLine(std::move(line));
}

Link::~Link() { line_->Close(); }

void Link::UseLine(std::unique_ptr<Line> line) {
  if (line_) {
    line_->Close();
    line_->disconnect(this);
    // It may be the sender of what runs now (a lost line's handler that opens again).
    line_.release()->deleteLater();
  }
  line_ = std::move(line);
  connect(line_.get(), &Line::bytesReceived, this, &Link::OnBytes);
  connect(line_.get(), &Line::lineLost, this, &Link::OnLineLost);
}

std::string Link::device() const {
  return !deviceOverride_.empty() ? deviceOverride_ : (resolver_ ? resolver_(portIndex_ + 1) : std::string());
}

bool Link::rateFixed() const { return KindOf(device()) == LineKind::kRawTcp; }

std::string Link::rateFixedMessage(Language language) const {
  return platform::FormatReason(platform::reasons::kRateFixed, language, device());
}

std::string Link::commErrorMessage(Language language) const {
  std::string text = Tr(language, types::kCommError);
  // A request refused because another flow held the line never reached the device.
  if (lastRefused_ && !lineLost_) return text;
  std::string why = lineLost_ ? openFailure_
                              : platform::FormatReason(platform::reasons::kNoAnswer, language,
                                                       openDevice_.empty() ? device() : openDevice_);
  // A module a baud change left at its fast rate when the line went away listens there still.
  if (lineLost_ && lostAtRate_ != 0) why += (why.empty() ? "" : "\n") + StillAtRateText(lostAtRate_, language);
  return why.empty() ? text : text + "\n" + why;
}

std::optional<FarStation> Link::farStation() const {
  if (!portOpen_ || lineLost_) return std::nullopt;
  return ParseStationSignature(line_->farEnd());
}

void Link::setBaudRate(int baud) {
  baud_ = baud;
  if (leases_ > 0) flowChoseRate_ = true;
}

LineLease Link::TakeLine() { return Lease(false); }

LineLease Link::HoldLine() { return Lease(true); }

LineLease Link::Lease(bool standing) {
  if (leases_ == 0) {
    leases_ = 1;
    standing_ = standing;
    holderDepth_ = waitDepth_;
    ++lineGeneration_;
    // A new flow: its first unanswered request may look for the module's rate.
    rateAnswered_ = false;
    rateSearched_ = false;
    answeredInFlow_.reset();
    emit lineHeldChanged(true);
    return LineLease(this);
  }
  // A step of the holder's own flow nests; a line kept across the event loop, or a
  // request from inside one of the holder's waits, belongs to someone else.
  if (!standing && !standing_ && waitDepth_ == holderDepth_) {
    ++leases_;
    return LineLease(this);
  }
  ++refused_;
  return LineLease();
}

void Link::ReleaseLine() {
  if (leases_ == 0 || --leases_ > 0) return;
  standing_ = false;
  flowChoseRate_ = false;
  emit lineHeldChanged(false);
}

bool Link::MaySend(bool chainContinuation) const {
  if (leases_ == 0) return true;
  if (chainContinuation) return sendGeneration_ == lineGeneration_;
  return waitDepth_ == holderDepth_;
}

void Link::RunNested(QEventLoop& loop) {
  const DepthScope scope(waitDepth_);
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
    } else if (lineLost_) {
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
  if (!MaySend(chainContinuation)) {
    // Another flow has the line: this request would land in the middle of its exchange.
    ++refused_;
    lastRefused_ = true;
    return;
  }
  lastRefused_ = false;
  sendGeneration_ = leases_ > 0 ? lineGeneration_ : 0;
  lastSent_ = BuildFrame(address, group, length, parameter, data);
  ++sendCount_;
  receiver_.Reset();
  emit frameSent(lastSent_);
  line_->Transmit(lastSent_);
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
  const DepthScope scope(waitDepth_);
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QEventLoop* outer = replyLoop_;
  if (forReply) replyLoop_ = &loop;
  QElapsedTimer elapsed;  // monotonic
  elapsed.start();
  const auto total = span.count();
  while (true) {
    if (forReply && (!replyPending_ || lineLost_)) break;
    const qint64 left = total - elapsed.elapsed();
    if (left <= 0) break;
    deadline.start(static_cast<int>(left));
    loop.exec();
  }
  if (forReply) replyLoop_ = outer;
  return !forReply || !replyPending_;
}

bool Link::WaitForReply() { return WaitForReply(timings_.replyTimeout); }

bool Link::WaitForReply(std::chrono::milliseconds timeout) {
  replyPending_ = true;
  if (lineLost_ || lastRefused_) return false;
  bool answered = WaitUntil(timeout, true);
  if (!answered && !lineLost_) {
    emit replyTimedOut(lastSent_, static_cast<int>(timeout.count()));
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

void Link::SetPendingCleared() {
  replyPending_ = false;
  if (replyLoop_) replyLoop_->quit();
}

bool Link::OpenPort(Language language) {
  const int com = portIndex_ + 1;
  // The COM number is resolved at every open: a ports link that went away and came
  // back is followed, never the device that stood in for it meanwhile.
  const std::string device = this->device();
  if (portOpen_) {
    if (EndDevice(device) == openDevice_) return true;
    ClosePort();
  }
  openFailure_.clear();
  openMessage_.clear();
  openLanguage_ = language;
  bool ok = false;
  if (device.empty()) {
    openFailure_ = platform::FormatReason(platform::reasons::kNoDeviceForCom, language, com);
  } else if (!IsLineRate(baud_)) {
    openFailure_ = platform::FormatReason(platform::reasons::kBadBaud, language, baud_);
  } else {
    if (factory_ && KindOf(device) != KindOf(lineDevice_)) {
      UseLine(factory_(device));
      lineDevice_ = device;
    }
    ok = line_->Open({device, baud_, language, timings_.replyTimeout});
    // A device that was just opened may need a moment before it listens.
    if (ok && KindOf(device) == LineKind::kSerial)
      QThread::msleep(static_cast<unsigned long>(timings_.openSettle.count()));
    if (!ok) openFailure_ = line_->openError();
    // The message says which device was tried, whatever the reason.
    if (!ok && openFailure_.find(device) == std::string::npos)
      openFailure_ = device + (openFailure_.empty() ? "" : ": " + openFailure_);
  }
  if (!ok) {
    // A device given by path is named by it; a COM number as the user knows it.
    std::string text = !deviceOverride_.empty() ? platform::Fill(Tr(language, kCannotOpenDevice), deviceOverride_)
                                                : platform::Fill(Tr(language, kCannotOpenCom), com);
    if (!openFailure_.empty()) text += "\n\n" + openFailure_;
    openMessage_ = std::move(text);
    return false;
  }
  openDevice_ = EndDevice(device);
  lineLost_ = false;
  lostAtRate_ = 0;
  rateAnswered_ = false;
  if (leases_ == 0) answeredInFlow_.reset();
  receiver_.Reset();
  portOpen_ = true;
  return true;
}

void Link::ClosePort() {
  line_->Stop();
  portOpen_ = false;
}

void Link::StopReading() { line_->Stop(); }

void Link::ChangeBaudRate(std::uint8_t address, int selector,
                          const std::function<void(const std::string&)>& reopenFailed) {
  const bool fast = selector == kSelectFast || selector == kSelectMedium;
  const int rate = SelectedRate(selector);
  Send(address, kBaudChange, ByteData(fast ? 1 : 0));
  if (leases_ > 0) flowChoseRate_ = true;
  // Remembered until the module is switched back: a line lost meanwhile leaves it fast.
  switchedRate_ = fast ? rate : 0;
  switchedAddress_ = address;
  switchedGeneration_ = lineGeneration_;
  WaitSeconds(3);
  baud_ = rate;
  WaitSeconds(2);
  if (!UseRate(rate) && !lineLost_ && reopenFailed) reopenFailed(openMessage_);
  WaitSeconds(2);
}

bool Link::UseRate(int rate) {
  baud_ = rate;
  rateAnswered_ = false;
  if (lineLost_) return false;
  // The line changes its rate in place; one that cannot is opened afresh.
  if (portOpen_ && line_->SetRate(rate)) {
    receiver_.Reset();
    return true;
  }
  portOpen_ = false;
  line_->Stop();
  return OpenPort(openLanguage_);
}

bool Link::Count(WriteReport& report, bool answered, std::uint8_t group, std::uint8_t number) const {
  if (lineLost_) {
    report.lineLost = true;
    return false;
  }
  if (!ReplyClearsPending(group, number)) return true;
  ++(answered ? report.acknowledged : report.unanswered);
  return true;
}

void Link::OnBytes(const QByteArray& bytes) {
  const std::uint64_t sends = sendCount_;
  for (char c : bytes) {
    OnSerialByte(static_cast<std::uint8_t>(c));
    // A request went out (the live chain's next one): the rest of this delivery came
    // before it and belongs to no reply still awaited.
    if (sendCount_ != sends) return;
  }
}

void Link::OnSerialByte(std::uint8_t byte) {
  switch (receiver_.Feed(byte)) {
    case FrameReceiver::Result::kNone: return;
    case FrameReceiver::Result::kWatchdog: emit watchdogNotice(WatchdogText(clock_())); return;
    case FrameReceiver::Result::kBadFrame:
      badFrame_ = true;
      emit frameDamaged(receiver_.frame());
      return;
    case FrameReceiver::Result::kFrame: break;
  }
  const ReplyEffect e = DispatchReply(receiver_.frame(), module_);
  lastReply_ = receiver_.frame();
  rateAnswered_ = true;
  answeredInFlow_.set(FrameAddress(lastReply_));
  emit replyReceived(receiver_.frame());
  if (e.liveChannel) emit liveValue(e.liveChannel);
  // The chain goes on at the address of the request just answered, and only from the
  // answer to it: a late reply of another module (the bus engine has moved on) or of an
  // earlier step asks for nothing no flow wanted.
  const Frame& reply = receiver_.frame();
  const std::uint8_t asked = FrameAddress(lastSent_);
  const bool answersLast = FrameGroup(reply) == FrameGroup(lastSent_) &&
                           FrameParameter(reply) == FrameParameter(lastSent_) &&
                           (asked == kAnyModule || FrameAddress(reply) == asked);
  if (e.nextRequest && answersLast) Transmit(asked, kValues, 4, e.nextRequest, {}, true);
  if (e.chainEnd) emit chainEnded();
  if (e.clearsPending) SetPendingCleared();
}

void Link::OnLineLost(const QString& reason) {
  // The device is gone: end a wait at once and let the next OpenPort try again.
  lineLost_ = true;
  lostAtRate_ = switchedRate_;
  openFailure_ = reason.toStdString();
  line_->Close();
  portOpen_ = false;
  if (replyLoop_) replyLoop_->quit();
  emit lineLost(reason);
}

}  // namespace korvane::link
