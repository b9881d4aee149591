#include "station/service/SharedLine.h"

namespace korvane::station::service {

SharedLine::SharedLine(std::unique_ptr<link::Line> inner, SharedLineTimings timings, QObject* parent)
    : link::Line(parent), inner_(std::move(inner)), timings_(timings) {
  guestTimer_.setSingleShot(true);
  guestTimer_.setTimerType(Qt::PreciseTimer);
  ownTimer_.setSingleShot(true);
  ownTimer_.setTimerType(Qt::PreciseTimer);
  connect(&guestTimer_, &QTimer::timeout, this, &SharedLine::EndGuestTurn);
  connect(&ownTimer_, &QTimer::timeout, this, [this] {
    turns_.ownInFlight = false;
    Pump();
  });
  connect(inner_.get(), &link::Line::bytesReceived, this, &SharedLine::OnInnerBytes);
  connect(inner_.get(), &link::Line::lineLost, this, &SharedLine::OnInnerLost);
}

SharedLine::~SharedLine() { inner_->disconnect(this); }

bool SharedLine::Open(const link::LineSettings& settings) {
  open_ = inner_->Open(settings);
  if (open_) rate_ = stationRate_ = settings.baud;
  turns_ = {};
  return open_;
}

bool SharedLine::SetRate(int baud) {
  const bool ok = inner_->SetRate(baud);
  if (ok) rate_ = baud;
  return ok;
}

bool SharedLine::SetLineRate(int baud) { return SetRate(baud); }

void SharedLine::Stop() {
  open_ = false;
  inner_->Stop();
  if (turns_.guestInFlight) EndGuestTurn();
}

void SharedLine::Close() {
  open_ = false;
  inner_->Close();
  if (turns_.guestInFlight) EndGuestTurn();
}

void SharedLine::Transmit(const link::Frame& frame) {
  // The station never speaks while a client holds the line alone (its engine paused).
  if (exclusive_) return;
  pendingOwn_ = frame;
  turns_.ownWaiting = true;
  Pump();
}

void SharedLine::SendOwn() {
  turns_.ownWaiting = false;
  turns_.ownInFlight = true;
  turns_.lastWasGuest = false;
  ownBytes_ = 0;
  ownTimer_.start(timings_.ownReply);
  inner_->Transmit(pendingOwn_);
}

void SharedLine::Pump() {
  if (exclusive_) return;
  turns_.guestWaiting = open_ && desk_ && desk_->HasRequest();
  switch (NextTurn(turns_)) {
    case Turn::kNone: return;
    case Turn::kOwn: SendOwn(); return;
    case Turn::kGuest: break;
  }
  const std::optional<GuestRequest> request = desk_->TakeRequest();
  if (!request) {
    if (turns_.ownWaiting) SendOwn();
    return;
  }
  turns_.guestInFlight = true;
  turns_.lastWasGuest = true;
  turns_.ownInFlight = false;
  ownTimer_.stop();
  guestClient_ = request->client;
  guestReply_.clear();
  guestTimer_.start(timings_.guestReply);
  inner_->Transmit(request->frame);
}

void SharedLine::EndGuestTurn() {
  if (!turns_.guestInFlight) return;
  guestTimer_.stop();
  turns_.guestInFlight = false;
  const QByteArray reply = guestReply_.left(static_cast<qsizetype>(link::kFrameSize));
  guestReply_.clear();
  if (desk_) desk_->Replied(guestClient_, reply);
  Pump();
}

void SharedLine::OnInnerBytes(const QByteArray& bytes) {
  if (exclusive_) {
    if (desk_) desk_->Streamed(*exclusive_, bytes);
    return;
  }
  if (turns_.guestInFlight) {
    guestReply_ += bytes;
    if (guestReply_.size() >= static_cast<qsizetype>(link::kFrameSize)) EndGuestTurn();
    return;
  }
  if (turns_.ownInFlight) {
    ownBytes_ += static_cast<int>(bytes.size());
    if (ownBytes_ >= static_cast<int>(link::kFrameSize)) {
      turns_.ownInFlight = false;
      ownTimer_.stop();
    }
  }
  emit bytesReceived(bytes);
  // The link may have sent its next request from inside the delivery; if not, a
  // client's request may use the gap.
  Pump();
}

void SharedLine::OnInnerLost(const QString& reason) {
  open_ = false;
  if (turns_.guestInFlight) EndGuestTurn();
  turns_ = {};
  if (desk_) desk_->LineGone(reason);
  emit lineLost(reason);
}

void SharedLine::BeginExclusive(int client) {
  exclusive_ = client;
  guestTimer_.stop();
  ownTimer_.stop();
  turns_ = {};
}

void SharedLine::EndExclusive() {
  exclusive_.reset();
  turns_ = {};
  Pump();
}

void SharedLine::TransmitExclusive(const link::Frame& frame) {
  if (exclusive_ && open_) inner_->Transmit(frame);
}

}  // namespace korvane::station::service
