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
  // How long a module takes to switch its rate after its baud command.
  std::chrono::milliseconds moduleSwitch{3000};
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

  bool Start(std::string* error);
  // The line the link was given; a new one replaces it.
  void Attach(SharedLine* line);
  // The station's engine has paused for the client that asked to hold the line alone
  // (or cannot: the line is away).
  void Granted();
  void Refused();

  bool InService(std::uint8_t address) const;
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
    QElapsedTimer since;
    QTimer* idle = nullptr;  // sends nothing for setup_.idle: closed
    bool closing = false;
    std::uint64_t exchanges = 0, writes = 0, rateChanges = 0, refused = 0, overflow = 0, anyRefused = 0;
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
  std::optional<std::uint8_t> fastModule_;
  int fastRate_ = 0;
  bool bringingBack_ = false;
  QTimer exclusiveTimer_;
  QElapsedTimer exclusiveClock_;
  QElapsedTimer streamClock_;  // since the last byte of the line while held alone
  ServiceMarks marks_;
};

}  // namespace korvane::station::service
