#pragma once
// What the link talks over: a serial port, or an in-process pair wired to simulated
// devices (tests, benchmarks). Received bytes and the loss of the line arrive as signals
// on the owner's thread.
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
  std::string device;                     // the device path the port maps to
  int com = 0;                            // the COM number as the user knows it
  int baud = 0;                           // one of the line rates
  Language language = Language::kGerman;  // of the failure reason and of a later loss
  std::chrono::milliseconds settle{};     // pause after opening a device
};

class Line : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Opens the line and starts delivering received bytes; false when it cannot be
  // opened, with the reason in openError().
  virtual bool Open(const LineSettings& settings) = 0;
  virtual std::string openError() const = 0;
  // Hands one frame to the line.
  virtual void Transmit(const Frame& frame) = 0;
  // Stops delivering; the next Open starts afresh.
  virtual void Stop() = 0;
  // Releases the device (stopping first).
  virtual void Close() = 0;

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

  bool Open(const LineSettings&) override { return true; }
  std::string openError() const override { return {}; }
  void Transmit(const Frame& frame) override {
    if (handler_) handler_(frame);
  }
  void Stop() override {}
  void Close() override {}

  void Deliver(const QByteArray& bytes) { emit bytesReceived(bytes); }
  void HangUp(const QString& reason) { emit lineLost(reason); }

 private:
  Handler handler_;
};

}  // namespace korvane::link
