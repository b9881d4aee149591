#pragma once
// The link routines every flow shares: frames out, replies in, the reply-pending
// handshake, the waits, opening and closing the port and the baud change. A facade over
// the line's owner (LineOwner), who holds the line (LineHolder), request and reply
// (Exchange), the module object (ModuleState) and the rate search. Runs on the
// user-interface thread, where its line delivers what it receives.
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "link/Exchange.h"
#include "link/FarStation.h"
#include "link/FlowContext.h"
#include "link/Frame.h"
#include "link/Line.h"
#include "link/LineFactory.h"
#include "link/LineHolder.h"
#include "link/LineLease.h"
#include "link/LineOwner.h"
#include "link/ModuleState.h"
#include "link/Protocol.h"
#include "link/WriteReport.h"
#include "platform/Clock.h"
#include "platform/Language.h"

class QEventLoop;

namespace korvane::link {

// All waits and pauses of the link and the flows; tests shrink them.
struct LinkTimings {
  std::chrono::milliseconds replyTimeout{3000};  // WaitForReply
  std::chrono::milliseconds second{1000};        // one second of WaitSeconds
  std::chrono::milliseconds openSettle{200};     // pause after opening the port
  std::chrono::milliseconds scanTimeout{300};    // per address of a bus scan
  std::chrono::milliseconds rateProbe{1000};     // per rate the module is looked for at
  // Timings for tests: the ratios stay, the waits shrink.
  static LinkTimings Fast() {
    return {std::chrono::milliseconds(400), std::chrono::milliseconds(20), std::chrono::milliseconds(1),
            std::chrono::milliseconds(40), std::chrono::milliseconds(130)};
  }
};

class Link : public QObject {
  Q_OBJECT

 public:
  // Over the line the device's name calls for (serial device, rfc2217://, socket://),
  // chosen again when the port maps to another kind of line.
  explicit Link(PortResolver resolver, LinkTimings timings = {}, platform::Clock clock = platform::SystemClock(),
                QObject* parent = nullptr);
  // Over lines of the given factory.
  Link(LineFactory factory, PortResolver resolver, LinkTimings timings = {},
       platform::Clock clock = platform::SystemClock(), QObject* parent = nullptr);
  // Over the given line only (an in-process pair in tests and benchmarks).
  Link(std::unique_ptr<Line> line, PortResolver resolver, LinkTimings timings = {},
       platform::Clock clock = platform::SystemClock(), QObject* parent = nullptr);
  ~Link() override;

  // --- link state -------------------------------------------------------------
  ModuleState& module() { return module_; }
  const ModuleState& module() const { return module_; }
  int portIndex() const { return owner_.portIndex(); }  // COM number - 1
  void setPortIndex(int index) { owner_.setPortIndex(index); }
  int baudRate() const { return owner_.baud(); }
  // The PC side's rate for the next OpenPort. Set while a flow holds the line, it is the
  // flow's own choice (a device that listens at another rate): no rate search then.
  void setBaudRate(int baud);
  // When a flow's request gets no answer at the line's rate, the module is looked for at
  // the other rates and set back to 4800 baud (the desktop program and the command line
  // turn it on); see LinkRateSearch.cpp.
  void setRateSearch(bool on) { rateSearch_ = on; }
  bool rateSearch() const { return rateSearch_; }
  bool portOpen() const { return owner_.open(); }
  // The device went away since the port was opened; openFailure() tells why.
  bool isLineLost() const { return owner_.lost(); }
  // A device path or network line used instead of the COM mapping (--device).
  void setDeviceOverride(const std::string& device) { owner_.setDeviceOverride(device); }
  // The device the port maps to now (the override, else the COM number's).
  std::string device() const { return owner_.device(); }
  // The line's rate is fixed at its far end (socket://): a flow that must change it is
  // refused before it sends anything, with rateFixedMessage() for the user.
  bool rateFixed() const;
  std::string rateFixedMessage(Language language) const;
  const LinkTimings& timings() const { return timings_; }
  // Why the last OpenPort failed ("" when it did not).
  const std::string& openFailure() const { return owner_.failure(); }
  // What the user is told when a request went unanswered: the communication error and
  // why — the line's loss, or the device on which nothing answered.
  std::string commErrorMessage(Language language) const;
  // What the user is told about the last OpenPort that failed: the port (by its COM
  // number, or the device given instead) and why, in the language of the open.
  const std::string& openMessage() const { return owner_.message(); }
  // The rate the module was switched to by a baud change and not switched back from
  // when the line went away (0: none); commErrorMessage says so.
  int lostAtRate() const { return lostAtRate_; }
  // Set by a damaged frame; the live poll consumes it.
  bool badFrame() const { return exchange_.badFrame(); }
  void clearBadFrame() { exchange_.clearBadFrame(); }
  const Frame& lastSent() const { return exchange_.lastSent(); }
  // The last valid reply (for replies the module object keeps no field for).
  const Frame& lastReply() const { return exchange_.lastReply(); }
  // Whether a valid reply came from the address since the line was last taken (without
  // a lease: since the port opened): a flow's record names a module only if it answered.
  bool answeredInFlow(std::uint8_t address) const { return exchange_.answered(address); }

  // The Korvane station whose service port the open line leads through; nothing for
  // any other line.
  std::optional<FarStation> farStation() const { return owner_.farStation(); }

  // --- who has the line ----------------------------------------------------------
  // The line for a flow's run; an empty lease, counted as refused, while another flow
  // holds it. The holder may take it again for a step of its own (a nested lease) from
  // its own code, never from inside one of its waits: whatever runs there is someone else.
  LineLease TakeLine();
  // The line for a flow that keeps it across returns to the event loop (the live
  // measurement): nothing nests into it.
  LineLease HoldLine();
  bool lineHeld() const { return holder_.held(); }
  // Requests and leases refused because another flow held the line; none was sent.
  int refusedRequests() const { return holder_.refused(); }
  // Runs a flow's own event loop as one of the link's waits: what it dispatches is not
  // the flow's work, so it may neither send nor take the line while the flow holds it.
  void RunNested(QEventLoop& loop);
  // How a wait for the end of a stream ended.
  enum class QuietEnd { kQuiet, kStopped, kLineLost };
  // Waits, as one of the link's waits, until a stream falls quiet: progress() unchanged
  // for gap. Looks every tenth of the gap (at most 100 ms): stop() ends the wait at once,
  // and so does a lost line.
  QuietEnd WaitUntilQuiet(std::chrono::milliseconds gap, const std::function<int()>& progress,
                          const std::function<bool()>& stop);

  // --- routines ---------------------------------------------------------------
  // Sends nothing (and counts the request as refused) while another flow holds the line.
  void SendFrame(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                 const Data4& data = {});
  // The named requests: a parameter read (group 2) or write (group 3), a command of
  // group 0 or 1, each followed by WaitForReply; true when a reply ended the wait.
  bool Read(std::uint8_t address, Parameter p);
  // A read with its own reply time-out (the bus scan asks silent addresses).
  bool Read(std::uint8_t address, Parameter p, std::chrono::milliseconds timeout);
  bool Write(std::uint8_t address, Parameter p, const Data4& data);
  bool Request(std::uint8_t address, Command c, const Data4& data = {});
  // A command whose reply is not waited for.
  void Send(std::uint8_t address, Command c, const Data4& data = {});
  // The live chain's next value request after one that went unanswered: it belongs to
  // the flow whose request started the chain, as the replies' own next requests do.
  void ContinueChain(std::uint8_t address, std::uint8_t valueRequest);
  // True when a recognised reply arrived within the reply time-out; false at once when
  // the request was refused.
  bool WaitForReply();
  bool WaitForReply(std::chrono::milliseconds timeout);
  // Keeps the user interface alive for n seconds.
  void WaitSeconds(int n);
  // Opens the configured port unless it is open on the device the port maps to now;
  // false when it cannot be opened, with openMessage() for the user. The message and
  // the reasons (of the failure, of a later loss) are in language.
  bool OpenPort(Language language);
  // Stops the line reading and clears the open flag: the next OpenPort opens afresh.
  void ClosePort();
  // Stops the line reading but leaves the open flag (exit path).
  void StopReading();
  // Switches module and PC together (a selector: slow, fast or medium on the PC side).
  // A port that does not open again is handed to reopenFailed with openMessage() at once.
  void ChangeBaudRate(std::uint8_t address, int selector,
                      const std::function<void(const std::string&)>& reopenFailed = {});
  // Counts one request of a write sequence into the report: a missing reply where the
  // reply rules expect one, or the line gone. False when the line is gone.
  bool Count(WriteReport& report, bool answered, std::uint8_t group, std::uint8_t number) const;

  // One received byte (normally from the line).
  void OnSerialByte(std::uint8_t byte);
  void OnBytes(const QByteArray& bytes);
  // The device went away: ends a wait at once, tells the owners (lineLost); the next
  // OpenPort opens afresh.
  void OnLineLost(const QString& reason);

  Line& line() { return owner_.line(); }

 signals:
  // The line was taken (true) or freed (false); windows enable their flow controls from it.
  void lineHeldChanged(bool held);
  // A live value 1..6 was stored (before the next request of the chain goes out).
  void liveValue(int channel);
  // The temperature reply ended a chain.
  void chainEnded();
  // A watchdog notice arrived; the text is the dated "WD-RESET" line.
  void watchdogNotice(const std::string& text);
  // The device went away or hung up; the reason is the serial line's.
  void lineLost(const QString& reason);
  // Every frame sent, for logs and tests.
  void frameSent(const link::Frame& frame);
  // Every valid reply, after the module object took it (logger streams read it whole).
  void replyReceived(const link::Frame& frame);
  // Eleven received bytes that failed start, end or check byte.
  void frameDamaged(const link::Frame& bytes);
  // A wait for the reply to request ended without one after timeoutMs.
  void replyTimedOut(const link::Frame& request, int timeoutMs);
  // The module answered at found baud, not at the line's rate: it and the line are back
  // at 4800 baud (RateRecoveredText tells the user).
  void rateRecovered(int found);

 private:
  friend class LineLease;
  LineLease Lease(bool standing);
  void ReleaseLine();
  void Attach(Line& line);
  void Transmit(std::uint8_t address, std::uint8_t group, std::uint8_t length, std::uint8_t parameter,
                const Data4& data, bool chainContinuation);
  bool WaitUntil(std::chrono::milliseconds span, bool forReply);
  // The PC side to rate, in place or by opening the port afresh; false when the port is
  // not open afterwards.
  bool UseRate(int rate);
  // The rate search (LinkRateSearch.cpp): whether an unanswered request may start it,
  // the search with the request sent again, and the return of a module a baud change
  // left at its fast rate once a later flow reaches it there.
  bool MaySearchRate(std::chrono::milliseconds timeout) const;
  bool SearchRateAndRetry();
  void ReturnSwitchedModule();

  LinkTimings timings_;
  platform::Clock clock_;
  LineOwner owner_;
  LineHolder holder_;
  Exchange exchange_;
  ModuleState module_;
  // The rate search: on, running, done for this flow; a reply came at the line's rate
  // since the port opened, the rate changed or the flow began; the flow chose its rate.
  bool rateSearch_ = false;
  bool searching_ = false;
  bool rateSearched_ = false;
  bool rateAnswered_ = false;
  bool flowChoseRate_ = false;
  // The module a baud change put at its fast rate (rate 0: none) and the taking of the
  // line that did it; the rate it was at when the line went away.
  int switchedRate_ = 0;
  std::uint8_t switchedAddress_ = 0;
  std::uint64_t switchedGeneration_ = 0;
  int lostAtRate_ = 0;
};

}  // namespace korvane::link
