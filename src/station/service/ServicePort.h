#pragma once
// The station's service port: RFC 2217 (Telnet with com-port control) or raw TCP
// clients reach the modules over the shared line. Each client's request frames are
// checked and queued, sent in turn between the station's own exchanges, and the reply
// goes back to that client. A rate change (the module's baud command, SET-BAUDRATE) is
// granted to a lone client only: the station pauses its engine and the client holds
// the line until it sets 4800 again or goes (then the station brings the module back
// and sets 4800 itself). Runs on the event loop; no client can stall it.
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "station/log/LogPace.h"
#include "station/service/LeftFast.h"
#include "station/service/ModuleReturn.h"
#include "station/service/RateChanges.h"
#include "station/service/RequestFrames.h"
#include "station/service/ServiceMarks.h"
#include "station/service/SharedLine.h"
#include "station/service/TelnetServerSide.h"

namespace korvane::station {
class StationLog;
}

namespace korvane::station::service {

struct ServicePortSetup {
  std::string host;
  int port = 0;
  std::vector<std::pair<QHostAddress, int>> allow;  // subnets clients may come from (none: any)
  bool readOnly = false;
  int maxClients = 2;
  std::chrono::milliseconds idle{300000};
  std::chrono::milliseconds exclusiveMax{600000};
  // How long a module takes to switch its rate after its baud command, and to acknowledge it.
  std::chrono::milliseconds moduleSwitch{3000};
  std::chrono::milliseconds moduleAcknowledge{500};
  // A logger stream at the station's rate is over after this long without a byte (the
  // readout's own end: three seconds without a frame).
  std::chrono::milliseconds streamEnd{3000};
  // Where the module a client left at its fast rate is kept across a kill (none: memory).
  std::string leftFastFile;
  std::string signature;  // the SIGNATURE answer: "korvane-station <name> <prefix>"
};

// Whether a request may go out on a read-only port: reads, live values, the logger's
// readout and the rate change; no write (group 3) and no command that changes the module.
bool ReadOnlyAllows(const link::Frame& request);

class ServicePort : public QObject, public GuestDesk {
  Q_OBJECT

 public:
  ServicePort(ServicePortSetup setup, StationLog& log, QObject* parent = nullptr);
  ~ServicePort() override;

  // False with *error ("service port: cannot listen on 127.0.0.1:4001: the address is in
  // use ...") when the address cannot be had.
  bool Start(std::string* error);
  // Why the address cannot be listened on now, tried and given back at once; empty when
  // it can. *inUse: because another program (or this station, running) holds it.
  static std::string ListenProblem(const std::string& host, int port, bool* inUse);
  // Before the station polls a line it opened: a module an earlier run left at its fast
  // rate (killed while a client held it there) is brought back to 4800 baud.
  void ReturnLeftModule();
  // The station stops: every client is closed (the log says what each did) and a
  // module a client holds at its fast rate is brought back before the line closes.
  void Stop();
  // The line the link was given; a new one replaces it.
  void Attach(SharedLine* line);
  // The station's engine has paused for the client that asked to hold the line alone
  // (or cannot: the line is away).
  void Granted();
  void Refused();

  bool InService(std::uint8_t address) const;
  // The port it listens on (the one asked for, or the system's choice for 0).
  quint16 serverPort() const { return server_.serverPort(); }
  bool exclusive() const { return line_ && line_->exclusiveClient().has_value(); }
  int clients() const { return static_cast<int>(clients_.size()); }

  // GuestDesk
  bool HasRequest() const override;
  std::optional<GuestRequest> TakeRequest() override;
  void Replied(int client, const QByteArray& bytes) override;
  void Streamed(int client, const QByteArray& bytes) override;
  void LineGone(const QString& reason) override;

 signals:
  // A lone client asks for the line: pause the engine, then call Granted().
  void exclusiveWanted();
  // The line is the station's again, at 4800 baud: resume the engine.
  void exclusiveEnded();
  // The line is held alone (true) or shared again (false).
  void exclusiveChanged(bool on);

 private:
  struct Client {
    int id = 0;
    QTcpSocket* socket = nullptr;
    std::string peer;
    enum class Mode { kUnknown, kTelnet, kRaw } mode = Mode::kUnknown;
    TelnetServerSide telnet;
    RequestFrames frames;
    std::deque<link::Frame> queue;
    bool discardReply = false;
    int rate = 0;  // the last rate it set
    RateChanges rates{link::kSlowBaud};
    QElapsedTimer since;
    QTimer* idle = nullptr;  // sends nothing for setup_.idle: closed
    bool closing = false;
    std::uint64_t exchanges = 0, writes = 0, refused = 0, overflow = 0, anyRefused = 0;
  };
  // What a lone client asked for before the engine paused.
  struct Pending {
    int client = 0;
    std::optional<int> rate;           // SET-BAUDRATE
    std::optional<link::Frame> frame;  // the baud command
  };

  void OnConnection();
  void OnReadable(Client& c);
  void OnGone(int id, const std::string& why);
  void Close(Client& c, const std::string& why);
  void HandleFrame(Client& c, const link::Frame& frame);
  void HandleComPort(Client& c, const ComPortRequest& r);
  void SetRateFor(Client& c, std::uint32_t rate);
  void Send(Client& c, const QByteArray& data);
  void SendTelnet(Client& c, const link::telnet::Bytes& bytes);
  void ForwardExclusive(Client& c, const link::Frame& frame);
  void EndExclusive();
  void BringBack();
  void SwitchBack();
  // The module's return, run to its end in place (the engine does not poll meanwhile).
  // Nothing when the line went away meanwhile.
  std::optional<int> ReturnInPlace(std::uint8_t address);
  void AbandonReturn();
  void Returned(std::uint8_t address, int rate);
  // The line is held alone at the station's rate with no module switched: a logger
  // stream's readout, over when the line is quiet.
  bool HeldForStream() const;
  void Refuse(QTcpSocket* socket, int kind, const std::string& text);
  void SayHeldRefusals();
  void Remember(bool ok, const std::string& error);
  std::string Summary(const Client& c) const;
  Client* Find(int id);
  bool Allowed(const QHostAddress& peer) const;

  ServicePortSetup setup_;
  StationLog& log_;
  QTcpServer server_;
  QPointer<SharedLine> line_;
  std::map<int, std::unique_ptr<Client>> clients_;
  int nextId_ = 1;
  int lastServed_ = 0;
  std::optional<int> inFlight_;  // the client whose request is on the line
  std::optional<Pending> pending_;
  // A module the lone client switched to its fast rate and has not switched back.
  LeftFast left_;
  std::unique_ptr<ModuleReturn> return_;
  bool bringingBack_ = false;
  bool stopping_ = false;
  QTimer exclusiveTimer_;
  QTimer streamEnd_;
  // Refused connections are said at most once a second each kind; then how many more.
  LogPace refusals_;
  QTimer refusalsDue_;
  QElapsedTimer exclusiveClock_;
  QElapsedTimer streamClock_;  // since the last byte of the line while held alone
  ServiceMarks marks_;
};

}  // namespace korvane::station::service
