#include "link/Link.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "link/ReplyRules.h"
#include "platform/NumberText.h"
#include "platform/Reasons.h"
#include "platform/Ui.h"
#include "types/Texts.h"

namespace korvane::link {

Link::Link(platform::Ui& ui, PortResolver resolver, LinkTimings timings, platform::Clock clock, QObject* parent)
    : QObject(parent),
      ui_(ui),
      resolver_(std::move(resolver)),
      timings_(timings),
      clock_(std::move(clock)),
      serial_(std::make_unique<SerialLine>(ui)) {
  connect(serial_.get(), &SerialLine::bytesReceived, this, &Link::OnBytes);
  connect(serial_.get(), &SerialLine::lineLost, this, &Link::OnLineLost);
}

Link::~Link() { serial_->Close(); }

void Link::SendFrame(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                     const Data4& data) {
  lastSent_ = BuildFrame(address, group, length, parameter, data);
  ++sendCount_;
  receiver_.Reset();
  emit frameSent(lastSent_);
  if (loopback_)
    loopback_(lastSent_);
  else
    serial_->QueueWrite(lastSent_.data(), lastSent_.size());
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

bool Link::WaitUntil(std::chrono::milliseconds span, bool forReply) {
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
  if (lineLost_) return false;
  const bool answered = WaitUntil(timeout, true);
  if (!answered && !lineLost_) emit replyTimedOut(lastSent_, static_cast<int>(timeout.count()));
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

bool Link::OpenPort(int language) {
  if (portOpen_) return true;
  openFailure_.clear();
  openLanguage_ = language;
  const int com = portIndex_ + 1;
  if (loopback_) {
    lineLost_ = false;
    receiver_.Reset();
    portOpen_ = true;
    return true;
  }
  const std::string device = !deviceOverride_.empty() ? deviceOverride_ : (resolver_ ? resolver_(com) : std::string());
  bool ok = false;
  if (device.empty()) {
    openFailure_ = platform::FormatReason(platform::reasons::kNoDeviceForCom, language, com);
  } else if (baud_ != 4800 && baud_ != 19200 && baud_ != 38400) {
    openFailure_ = platform::FormatReason(platform::reasons::kBadBaud, language, baud_);
  } else {
    serial_->setLanguage(language);
    ok = serial_->ConfigureLine(device, com, baud_);
    if (!ok) openFailure_ = serial_->openError();
  }
  if (!ok) {
    // A device given by path is named by it; a COM number as the user knows it.
    std::string text = !deviceOverride_.empty() ? deviceOverride_ + " kann nicht geöffnet werden."
                                                : platform::StringPrintf("COM %d kann nicht geöffnet werden.", com);
    if (!openFailure_.empty()) text += "\n\n" + openFailure_;
    ui_.Message(text);
    return false;
  }
  QThread::msleep(static_cast<unsigned long>(timings_.openSettle.count()));
  lineLost_ = false;
  receiver_.Reset();
  serial_->StartWorker();
  portOpen_ = true;
  return true;
}

void Link::ClosePort() {
  serial_->StopWorker();
  portOpen_ = false;
}

void Link::StopWorker() { serial_->StopWorker(); }

void Link::ChangeBaudRate(std::uint8_t address, int selector) {
  const bool fast = selector == 1 || selector == 2;
  const int rate = selector == 1 ? 38400 : selector == 2 ? 19200 : 4800;
  Send(address, kBaudChange, ByteData(fast ? 1 : 0));
  WaitSeconds(3);
  baud_ = rate;
  portOpen_ = false;
  serial_->StopWorker();
  WaitSeconds(2);
  OpenPort(openLanguage_);
  WaitSeconds(2);
}

bool Link::WriteByteAndStore(const FlowContext& context, std::uint8_t value) {
  if (!Write(context.address, kDisplayStoredByte, ByteData(value))) {
    ui_.Message(types::kCommError(context.language));
    return false;
  }
  Request(context.address, kStoreByte, ByteData(value));
  return true;
}

void Link::SendCommand72(std::uint8_t address) {
  Send(address, kCommand72, ByteData(0));
  WaitSeconds(1);
}

bool Link::Count(WriteReport& report, bool answered, std::uint8_t group, std::uint8_t number) const {
  if (lineLost_) {
    report.lineLost = true;
    return false;
  }
  if (!answered && ReplyClearsPending(group, number)) ++report.unanswered;
  return true;
}

WriteReport Link::WriteCalibrationSet(const FlowContext& context) {
  WriteReport report;
  ui_.ProgressOpen(types::kTransferCaption(0), types::kTransferText(context.language), 0, 5);
  for (std::size_t i = 0; i < kCalibrationValues.size(); ++i) {
    const Parameter p = kCalibrationValues[i];
    if (!Count(report, Write(context.address, p, FloatData(module_.calibration[i])), kWrite, p.number)) break;
    ui_.ProgressSet(static_cast<int>(i) + 1);
  }
  // The store command carries the previous frame's bytes; the module ignores them.
  if (!report.lineLost) {
    Count(report, Request(context.address, kStoreSettings, FrameData(lastSent_)), kStoreSettings.group,
          kStoreSettings.number);
    ui_.ProgressSet(5);
  }
  ui_.ProgressClose();
  return report;
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
  emit replyReceived(receiver_.frame());
  if (e.liveChannel) emit liveValue(e.liveChannel);
  // The chain goes on at the address of the request just answered.
  if (e.nextRequest) SendFrame(FrameAddress(lastSent_), kValues, 4, e.nextRequest);
  if (e.chainEnd) emit chainEnded();
  if (e.clearsPending) SetPendingCleared();
}

void Link::OnLineLost(const QString& reason) {
  // The device is gone: end a wait at once and let the next OpenPort try again.
  lineLost_ = true;
  openFailure_ = reason.toStdString();
  serial_->Close();
  portOpen_ = false;
  if (replyLoop_) replyLoop_->quit();
  emit lineLost(reason);
}

}  // namespace korvane::link
