#pragma once
// The line's owner: the device the port maps to, the line for it (made again when the
// device's kind changes), opening it, its rate, and the line going away. Why the last
// open failed is kept for the user, in the language of that open.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/FarStation.h"
#include "link/Line.h"
#include "link/LineFactory.h"
#include "link/Protocol.h"
#include "platform/Language.h"

class QObject;
class QString;

namespace korvane::link {

// Maps a COM number to a device path ("" when there is none).
using PortResolver = std::function<std::string(int comNumber)>;

class LineOwner {
 public:
  // listener hears every line the owner uses: attach connects it to a new line.
  using Attach = std::function<void(Line&)>;
  LineOwner(std::unique_ptr<Line> line, PortResolver resolver, QObject* listener, Attach attach);
  // A factory makes the line again when the port maps to another kind of device.
  void setFactory(LineFactory factory) { factory_ = std::move(factory); }

  int portIndex() const { return portIndex_; }
  void setPortIndex(int index) { portIndex_ = index; }
  int baud() const { return baud_; }
  void setBaud(int baud) { baud_ = baud; }
  void setDeviceOverride(const std::string& device) { deviceOverride_ = device; }
  std::string device() const;
  // The device the open port is on, else the one it maps to.
  std::string usedDevice() const { return openDevice_.empty() ? device() : openDevice_; }
  bool open() const { return open_; }
  bool lost() const { return lost_; }
  const std::string& failure() const { return failure_; }
  const std::string& message() const { return message_; }
  Language language() const { return language_; }
  std::optional<FarStation> farStation() const;
  Line& line() { return *line_; }

  enum class Opened { kAlready, kAfresh, kFailed };
  // Opens the port unless it is open on the device it maps to now; a serial device is
  // given settle to start listening; the line waits replyTimeout for whole replies.
  Opened Open(Language language, std::chrono::milliseconds replyTimeout, std::chrono::milliseconds settle);
  // Stops the line reading and clears the open flag: the next Open opens afresh.
  void Close();
  // The rate changed in place; false when the line is not open or cannot.
  bool SetRateInPlace(int rate) { return open_ && line_->SetRate(rate); }
  // The device went away for reason: closed, and the next Open tries again.
  void Lost(const QString& reason);

 private:
  void UseLine(std::unique_ptr<Line> line);

  LineFactory factory_;     // empty: the one line given
  std::string lineDevice_;  // the device name the factory made the line for
  PortResolver resolver_;
  QObject* listener_;
  Attach attach_;
  std::unique_ptr<Line> line_;
  int portIndex_ = 0;
  int baud_ = kSlowBaud;
  bool open_ = false;
  bool lost_ = false;
  std::string deviceOverride_;
  std::string openDevice_;  // the device the open port is on, links followed
  std::string failure_;
  std::string message_;
  Language language_ = Language::kGerman;  // of the last Open, for the reopen after a baud change
};

}  // namespace korvane::link
