#pragma once
// The station's line shared with service clients: the station's link talks over it as
// over any line, and between its exchanges a client's request goes out (TurnRule) and
// the reply goes back to that client. While a client holds the line alone, its
// requests go out as they come and everything received is its. The bus engine and the
// link know nothing of it.
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

#include "link/Line.h"
#include "link/Protocol.h"
#include "station/service/TurnRule.h"

namespace korvane::station::service {

struct GuestRequest {
  int client = 0;
  link::Frame frame{};
};

// Where the clients' requests wait and their replies go (the service port).
class GuestDesk {
 public:
  virtual ~GuestDesk() = default;
  virtual bool HasRequest() const = 0;
  // The next request in turn, taken off its client's queue.
  virtual std::optional<GuestRequest> TakeRequest() = 0;
  // The bytes that came back for it: a whole reply, or what came before the time-out.
  virtual void Replied(int client, const QByteArray& bytes) = 0;
  // Bytes received while the client holds the line alone.
  virtual void Streamed(int client, const QByteArray& bytes) = 0;
  // The line went away: every client gets it.
  virtual void LineGone(const QString& reason) = 0;
};

struct SharedLineTimings {
  // A client's request waits this long for its reply. The station's own request may
  // wait behind it, so it stays well inside the bus engine's reply time-out.
  std::chrono::milliseconds guestReply{150};
  // The station's own exchange without a whole reply is taken as over after this.
  std::chrono::milliseconds ownReply{300};
};

class SharedLine : public link::Line {
  Q_OBJECT

 public:
  SharedLine(std::unique_ptr<link::Line> inner, SharedLineTimings timings, QObject* parent = nullptr);
  ~SharedLine() override;

  void SetDesk(GuestDesk* desk) { desk_ = desk; }
  // A client's request was queued: it goes out now if the line is free.
  void Offer() { Pump(); }

  // The client holds the line alone (the station's engine has paused): its requests
  // go out at once and all received bytes are its.
  void BeginExclusive(int client);
  void EndExclusive();
  std::optional<int> exclusiveClient() const { return exclusive_; }
  void TransmitExclusive(const link::Frame& frame);
  // The rate of the line while a client holds it (and back to the station's after).
  bool SetLineRate(int baud);
  int lineRate() const { return rate_; }
  // The rate the station opened the line at (4800 on a module bus), which it polls at.
  int stationRate() const { return stationRate_; }
  bool isOpen() const { return open_; }

  bool Open(const link::LineSettings& settings) override;
  std::string openError() const override { return inner_->openError(); }
  void Transmit(const link::Frame& frame) override;
  bool SetRate(int baud) override;
  void Stop() override;
  void Close() override;

 private:
  void Pump();
  void OnInnerBytes(const QByteArray& bytes);
  void OnInnerLost(const QString& reason);
  void EndGuestTurn();
  void SendOwn();

  std::unique_ptr<link::Line> inner_;
  SharedLineTimings timings_;
  GuestDesk* desk_ = nullptr;
  LineTurns turns_;
  link::Frame pendingOwn_{};
  int ownBytes_ = 0;
  int guestClient_ = 0;
  QByteArray guestReply_;
  QTimer guestTimer_;
  QTimer ownTimer_;
  std::optional<int> exclusive_;
  bool open_ = false;
  int rate_ = 0;
  int stationRate_ = link::kSlowBaud;
};

}  // namespace korvane::station::service
