#pragma once
// The link routines every flow shares: frames out, replies in, the reply-pending
// handshake, the waits, opening and closing the port and the baud change. Runs on
// the user-interface thread; received bytes arrive from the serial worker.
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "link/ModuleState.h"
#include "link/SerialLine.h"
#include "link/Frame.h"
#include "link/FrameReceiver.h"
#include "platform/Clock.h"

class QEventLoop;

namespace korvane::platform {
class Ui;
}

namespace korvane::link {

// All waits and pauses of the link and the flows; tests shrink them.
struct LinkTimings {
  std::chrono::milliseconds replyTimeout{3000};  // WaitForReply
  std::chrono::milliseconds second{1000};        // one second of WaitSeconds
  std::chrono::milliseconds openSettle{200};     // pause after opening the port
  // Timings for tests: the ratios stay, the waits shrink.
  static LinkTimings Fast() { return {std::chrono::milliseconds(400), std::chrono::milliseconds(20), std::chrono::milliseconds(1)}; }
};

// Maps a COM number to a device path ("" when there is none).
using PortResolver = std::function<std::string(int comNumber)>;

class Link : public QObject {
  Q_OBJECT

 public:
  Link(platform::Ui& ui, PortResolver resolver, LinkTimings timings = {},
       platform::Clock clock = platform::SystemClock(), QObject* parent = nullptr);
  ~Link() override;

  // --- link state -------------------------------------------------------------
  ModuleState& module() { return module_; }
  const ModuleState& module() const { return module_; }
  std::uint8_t address() const { return address_; }
  void setAddress(std::uint8_t a) { address_ = a; }
  int portIndex() const { return portIndex_; }  // COM number - 1
  void setPortIndex(int index) { portIndex_ = index; }
  int baudRate() const { return baud_; }
  void setBaudRate(int baud) { baud_ = baud; }
  int language() const { return language_; }
  void setLanguage(int language) { language_ = language; }
  bool portOpen() const { return portOpen_; }
  // A device path used instead of the COM mapping (command line --device).
  void setDeviceOverride(const std::string& device) { deviceOverride_ = device; }
  const LinkTimings& timings() const { return timings_; }
  // Why the last OpenPort failed ("" when it did not).
  const std::string& openFailure() const { return openFailure_; }
  // Set by a damaged frame; the live poll consumes it.
  bool badFrame() const { return badFrame_; }
  void clearBadFrame() { badFrame_ = false; }
  const Frame& lastSent() const { return lastSent_; }

  // --- routines ---------------------------------------------------------------
  void SendFrame(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                 const Data4& data = {});
  // True when a recognised reply arrived within the reply time-out.
  bool WaitForReply();
  // Keeps the user interface alive for n seconds.
  void WaitSeconds(int n);
  // Opens the configured port unless it is open; false (after telling the user) when
  // it cannot be opened.
  bool OpenPort();
  // Stops the worker and clears the open flag: the next OpenPort opens afresh.
  void ClosePort();
  // Stops the worker but leaves the open flag (exit path).
  void StopWorker();
  // Switches module and PC together: 0 = 4800, 1 = 38400, 2 = 19200 baud on the PC side.
  void ChangeBaudRate(int selector);
  void WriteByteAndStore(std::uint8_t address, std::uint8_t value);
  void SendCommand72(std::uint8_t address);
  // Writes calibration values 1..4 (parameters 32, 33, 34, 37) and the store command.
  void WriteCalibrationSet();

  // One received byte (normally from the serial worker).
  void OnSerialByte(std::uint8_t byte);
  void OnBytes(const QByteArray& bytes);
  // The device went away: ends a wait at once; the next OpenPort opens afresh.
  void OnLineLost(const QString& reason);

  // Replaces the serial port by an in-process line (tests, benchmarks): frames go to
  // send, replies come back through OnBytes. OpenPort then opens no device.
  void setLoopback(std::function<void(const Frame&)> send) { loopback_ = std::move(send); }

  // --- hooks of the owner -------------------------------------------------------
  // A live value 1..6 was stored (before the next request goes out).
  std::function<void(int channel)> onLiveValue;
  // The temperature reply ended a chain.
  std::function<void()> onChainEnd;
  // A watchdog notice arrived; the text is the dated "WD-RESET" line.
  std::function<void(const std::string&)> onWatchdog;
  // Every frame sent, for logs and tests.
  std::function<void(const Frame&)> onFrameSent;

  SerialLine& serialPort() { return *serial_; }

 private:
  void SetPendingCleared();
  bool WaitUntil(std::chrono::milliseconds span, bool forReply);

  platform::Ui& ui_;
  PortResolver resolver_;
  LinkTimings timings_;
  platform::Clock clock_;
  std::unique_ptr<SerialLine> serial_;
  ModuleState module_;
  FrameReceiver receiver_;
  Frame lastSent_{};
  std::uint8_t address_ = 0;
  int portIndex_ = 0;
  int baud_ = 4800;
  int language_ = 0;
  bool portOpen_ = false;
  bool replyPending_ = false;
  bool badFrame_ = false;
  bool lineLost_ = false;
  std::string deviceOverride_;
  std::string openFailure_;
  QEventLoop* replyLoop_ = nullptr;
  std::function<void(const Frame&)> loopback_;
};

}  // namespace korvane::link
