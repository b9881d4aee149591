#pragma once
// A module line behind a serial device server on the network: rfc2217://host:port
// (Telnet with com-port control, the rate set from here) or socket://host:port (raw
// TCP, the rate fixed at the server). Runs on the owner's thread; the open and a rate
// change wait for the server, at most the connect time-out each.
#include <QTcpSocket>

#include <chrono>
#include <functional>
#include <string>

#include "link/DeviceName.h"
#include "link/Line.h"
#include "link/Telnet.h"
#include "platform/Text.h"

namespace korvane::link {

class NetworkLine : public Line {
  Q_OBJECT

 public:
  explicit NetworkLine(QObject* parent = nullptr);
  ~NetworkLine() override;

  // Connects (or, connected to the same server already, only sets the rate); false with
  // the reason naming the server when it is not there, refuses or does not confirm.
  bool Open(const LineSettings& settings) override;
  std::string openError() const override { return openError_; }
  void Transmit(const Frame& frame) override;
  bool SetRate(int baud) override;
  void Stop() override { delivering_ = false; }
  void Close() override;
  std::string farEnd() const override { return signature_; }

 private:
  bool Connect(const DeviceName& name);
  bool Negotiate();
  // Reads what the server sends until done() holds or the time-out passes.
  bool WaitFor(const std::function<bool()>& done);
  void OnReadyRead();
  void Take(const QByteArray& bytes, bool deliver);
  void Send(const telnet::Bytes& bytes);
  void OnGone();
  std::string Reason(const platform::Text& text) const;

  QTcpSocket socket_;
  std::string device_;
  LineKind kind_ = LineKind::kRawTcp;
  Language language_ = Language::kGerman;
  std::string openError_;
  static constexpr std::chrono::milliseconds kConnectTimeout{3000};
  std::chrono::milliseconds timeout_{3000};  // of the negotiation and a rate change
  bool connected_ = false;
  bool delivering_ = false;
  bool waiting_ = false;  // inside WaitFor: loss is the open's failure, not a lost line

  telnet::Decoder decoder_;
  bool comPortAgreed_ = false;
  bool comPortRefused_ = false;
  bool rateAnswered_ = false;
  std::uint32_t rateAnswer_ = 0;
  int baud_ = 0;
  std::string signature_;
};

}  // namespace korvane::link
