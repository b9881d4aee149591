#pragma once
// One serial device, read and written on the owner's thread through QSerialPort.
// Received bytes reach the owner through bytesReceived as they are read; a write purges
// both directions first, so nothing of an earlier reply is handed on after it.
// Failures are told through openError() and lineLost, never to the user directly.
#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/Line.h"
#include "link/TtyWake.h"
#include "platform/Language.h"

namespace korvane::link {

class SerialLine : public Line {
  Q_OBJECT

 public:
  explicit SerialLine(QObject* parent = nullptr);
  ~SerialLine() override;

  // Opens device (exclusively: a second open, from any process, fails — also as root)
  // and sets 8-N-1 at baud with RTS inactive and no handshake, then purges both
  // directions and starts reading. Closes a device left open first. False when the
  // device cannot be opened or set up, with the reason in openError().
  bool ConfigureLine(const std::string& device, int baud);
  std::string openError() const override { return openError_; }
  // Language of openError() and of the lineLost reason, for the next ConfigureLine.
  void setLanguage(Language language) { language_ = language; }

  // The line's part.
  bool Open(const LineSettings& settings) override;
  // Purges both directions and writes the frame.
  void Transmit(const Frame& frame) override;
  // Sets the rate of the open device in place and purges both directions.
  bool SetRate(int baud) override;
  // Stops handing on bytes; the device stays held until Close or the next Open.
  void Stop() override;
  void Close() override;
  bool IsOpen() const { return port_ != nullptr; }
  // Reading (between Open and Stop).
  bool IsReading() const { return port_ && !stopped_; }

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  // Wakes the program only once `count` bytes are waiting (VMIN), so a frame whose
  // bytes come one character time apart is read in one go instead of byte by byte.
  void WakeAfter(std::size_t count);
  // Drops what either direction holds (also what was read and not yet handed on).
  void Purge();
  // Hands the held bytes on from the event loop.
  void Deliver();
  // The line failed (gone: the device went away; else the error): tells the owner and
  // closes the device.
  void Fail(bool gone, int error);
  void Lose(const std::string& why);
  // Why the line's settings could not be made, in the line's language.
  std::string SetupFailure(int error) const;
  // Milliseconds that count characters take on the line at its rate.
  int CharacterTimes(std::size_t count) const;

  // Bytes read and not yet handed on; past this a flooding line's bytes are dropped.
  static constexpr std::size_t kMaxHeld = 64 * 1024;

  std::unique_ptr<QSerialPort> port_;
  TtyWake wake_;
  std::size_t wakeAfter_ = 1;
  std::size_t partial_ = 0;  // bytes of the current frame read so far
  QByteArray held_;          // read, not yet handed on: the first part of a frame
  // One per write, purge, stop and open: a hand-on of an earlier one is dropped.
  std::uint64_t generation_ = 0;
  // Ends a wait for the rest of a frame that never comes (a short notice).
  QTimer rest_;
  int baud_ = 0;
  bool stopped_ = false;
  int spurious_ = 0;  // readiness without bytes in a row (a purge came between)
  std::string device_;
  std::string openError_;
  Language language_ = Language::kGerman;
};

}  // namespace korvane::link
