#pragma once
// What the link talks over: a serial port, a line over the network, or an in-process
// pair wired to simulated devices (tests, benchmarks). Received bytes and the loss of the
// line arrive as signals on the owner's thread. A line never talks to the user: it tells
// why through openError() and lineLost, in the language of its open.
#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <string>

#include "link/Frame.h"
#include "platform/Language.h"

namespace korvane::link {

// Where and how a line opens.
struct LineSettings {
  std::string device;                     // the device path or network line the port maps to
  int baud = 0;                           // one of the line rates
  Language language = Language::kGerman;  // of the failure reason and of a later loss
  // How long a network line waits for its server to negotiate or confirm a rate (the
  // connect itself waits at most 3 s).
  std::chrono::milliseconds answerTimeout{3000};
};

class Line : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Opens the line and starts delivering received bytes; false when it cannot be
  // opened, with the reason in openError().
  virtual bool Open(const LineSettings& settings) = 0;
  virtual std::string openError() const = 0;
  // Hands one frame to the line; what the line received before is not part of its reply.
  virtual void Transmit(const Frame& frame) = 0;
  // Changes the rate of the open line in place; false, with the reason in openError(),
  // when the line cannot (a raw network line, a server that does not confirm it).
  virtual bool SetRate(int baud) = 0;
  // Stops delivering; the next Open starts afresh.
  virtual void Stop() = 0;
  // Releases the device (stopping first).
  virtual void Close() = 0;
  // What the far end of a network line says it is (its RFC 2217 SIGNATURE); "" when
  // it said nothing or the line is no network line.
  virtual std::string farEnd() const { return {}; }

 signals:
  // Received bytes, in arrival order.
  void bytesReceived(const QByteArray& bytes);
  // The device went away (unplugged adapter, closed simulator).
  void lineLost(const QString& reason);
};

// A line inside the process: frames go to the handler, replies are handed back with
// Deliver and a hang-up with HangUp. Opening it opens no device.
class InProcessLine : public Line {
  Q_OBJECT

 public:
  using Handler = std::function<void(const Frame&)>;
  explicit InProcessLine(Handler handler, QObject* parent = nullptr) : Line(parent), handler_(std::move(handler)) {}

  bool Open(const LineSettings& settings) override {
    rate_ = settings.baud;
    return true;
  }
  std::string openError() const override { return {}; }
  void Transmit(const Frame& frame) override {
    if (handler_) handler_(frame);
  }
  bool SetRate(int baud) override {
    rate_ = baud;
    return true;
  }
  // The rate the PC side was opened at or changed to last.
  int rate() const { return rate_; }
  void Stop() override {}
  void Close() override {}

  void Deliver(const QByteArray& bytes) { emit bytesReceived(bytes); }
  void HangUp(const QString& reason) { emit lineLost(reason); }

 private:
  Handler handler_;
  int rate_ = 0;
};

}  // namespace korvane::link
