#include "station/service/ServicePort.h"

#include <algorithm>

#include "link/KeepAlive.h"
#include "link/Protocol.h"
#include "platform/NumberText.h"
#include "station/log/StationLog.h"
#include "station/service/ServicePortDetail.h"

namespace korvane::station::service {
namespace t = link::telnet;
using detail::Duration;
using detail::IsBaudCommand;
namespace {

// A client waits for a reply (or gives up on it) before its next request: one more while
// one is queued or on the line is dropped, and a client that keeps sending them floods.
constexpr std::size_t kMaxOutstanding = 1;
constexpr std::uint64_t kFloodLimit = 200;
// Replies a client does not read: beyond this it is closed.
constexpr qint64 kMaxUnread = 64 * 1024;
constexpr std::uint8_t kAnyModule = 255;
enum Refusal { kNotAllowed, kFull };

// What the line may carry only for a client alone: the module's baud command to its fast
// rate (it then leaves 4800) and the logger readout (the module's stream fills the line
// for seconds).
bool NeedsTheLineAlone(const link::Frame& f) {
  if (IsBaudCommand(f)) return link::FrameData(f)[0] != 0;
  return link::FrameGroup(f) == link::kLoggerRecord.group && link::FrameParameter(f) == link::kLoggerRecord.number;
}

}  // namespace

bool ReadOnlyAllows(const link::Frame& f) {
  const std::uint8_t p = link::FrameParameter(f);
  switch (link::FrameGroup(f)) {
    case link::kRead: return true;
    case link::kWrite: return false;
    // Values, the logger's readout steps and records, its fill, date and time; not the
    // store, the adjust modes, an output set, the type's confirmation.
    case link::kValues:
      return (p >= 1 && p <= 6) || p == 52 || p == 54 || p == 55 || p == 56 || p == 58 || p == 59 || p == 60 ||
             p == 61 || p == 62;
    // The rate change and the end of a logger transfer (command 72, the readout's last
    // step); not the logger's clearing or the clock.
    case link::kSystem: return p == link::kBaudChange.number || p == link::kCommand72.number;
    default: return false;
  }
}

ServicePort::ServicePort(ServicePortSetup setup, StationLog& log, QObject* parent)
    : QObject(parent), setup_(std::move(setup)), log_(log), left_(setup_.leftFastFile) {
  connect(&server_, &QTcpServer::newConnection, this, &ServicePort::OnConnection);
  exclusiveTimer_.setSingleShot(true);
  exclusiveTimer_.setTimerType(Qt::PreciseTimer);
  connect(&exclusiveTimer_, &QTimer::timeout, this, [this] {
    if (!line_ || !line_->exclusiveClient()) return;
    if (Client* c = Find(*line_->exclusiveClient()))
      Close(*c, "held the line alone longer than " + Duration(setup_.exclusiveMax.count()));
  });
  streamEnd_.setSingleShot(true);
  connect(&streamEnd_, &QTimer::timeout, this, [this] {
    if (!HeldForStream()) return;
    log_.Info("service port: the logger stream is over");
    EndExclusive();
  });
  refusalsDue_.setSingleShot(true);
  connect(&refusalsDue_, &QTimer::timeout, this, &ServicePort::SayHeldRefusals);
  left_.Load();
}

ServicePort::~ServicePort() {
  if (line_) line_->SetDesk(nullptr);
  // The station stops: each client's connection ends cleanly, and the log says what it did.
  for (auto& [id, c] : clients_) {
    c->socket->disconnect(this);
    if (c->closing) continue;
    c->socket->disconnectFromHost();
    log_.Info("service port: client " + c->peer + " closed: the station stops " + Summary(*c));
  }
}

namespace {
std::string ListenReason(const QTcpServer& server) {
  switch (server.serverError()) {
    case QAbstractSocket::AddressInUseError:
      return "the address is in use (another program, or another station, listens on it)";
    case QAbstractSocket::SocketAddressNotAvailableError: return "the address is not one of this machine's";
    case QAbstractSocket::SocketAccessError:
      return "Permission denied (a port below 1024 needs the capability CAP_NET_BIND_SERVICE)";
    default: return server.errorString().toStdString();
  }
}
}  // namespace

bool ServicePort::Start(std::string* error) {
  const QHostAddress address(QString::fromStdString(setup_.host));
  if (!server_.listen(address, static_cast<quint16>(setup_.port))) {
    *error = "service port: cannot listen on " + setup_.host + ":" + std::to_string(setup_.port) + ": " +
             ListenReason(server_);
    return false;
  }
  log_.Info("service port: listening on " + setup_.host + ":" + std::to_string(setup_.port) +
            (setup_.readOnly ? " (read only)" : ""));
  return true;
}

std::string ServicePort::ListenProblem(const std::string& host, int port, bool* inUse) {
  QTcpServer server;
  *inUse = false;
  if (server.listen(QHostAddress(QString::fromStdString(host)), static_cast<quint16>(port))) return {};
  *inUse = server.serverError() == QAbstractSocket::AddressInUseError;
  return ListenReason(server);
}

void ServicePort::Attach(SharedLine* line) {
  if (line_) line_->SetDesk(nullptr);
  line_ = line;
  if (line_) line_->SetDesk(this);
}

bool ServicePort::Allowed(const QHostAddress& peer) const {
  // Without a list the port listens on loopback only (the settings' check sees to it).
  if (setup_.allow.empty()) return true;
  for (const auto& [net, bits] : setup_.allow)
    if (peer.isInSubnet(net, bits)) return true;
  return false;
}

ServicePort::Client* ServicePort::Find(int id) {
  const auto it = clients_.find(id);
  return it == clients_.end() || it->second->closing ? nullptr : it->second.get();
}

void ServicePort::OnConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    QHostAddress address = socket->peerAddress();
    if (const auto v4 = address.toIPv4Address(nullptr); address.protocol() == QAbstractSocket::IPv6Protocol && v4)
      address = QHostAddress(v4);
    const std::string peer = address.toString().toStdString() + ":" + std::to_string(socket->peerPort());
    if (!Allowed(address)) {
      Refuse(socket, kNotAllowed, "service port: refused " + peer + ": not in allow");
      continue;
    }
    if (static_cast<int>(clients_.size()) >= setup_.maxClients) {
      Refuse(socket, kFull,
             "service port: refused " + peer + ": " + std::to_string(setup_.maxClients) +
                 " clients are connected (max_clients)");
      continue;
    }
    auto c = std::make_unique<Client>();
    c->id = nextId_++;
    c->socket = socket;
    c->peer = peer;
    c->rate = line_ ? line_->stationRate() : link::kSlowBaud;
    c->rates = RateChanges(c->rate);
    c->since.start();
    c->idle = new QTimer(this);
    c->idle->setSingleShot(true);
    c->idle->setTimerType(Qt::PreciseTimer);
    c->idle->setInterval(setup_.idle);
    socket->setParent(this);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    link::KeepAlive(socket->socketDescriptor());
    const int id = c->id;
    connect(socket, &QTcpSocket::readyRead, this, [this, id] {
      if (Client* k = Find(id)) OnReadable(*k);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, id] { OnGone(id, "closed the connection"); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, id](QAbstractSocket::SocketError e) {
      if (e != QAbstractSocket::RemoteHostClosedError) {
        if (Client* k = Find(id)) OnGone(id, "connection failed: " + k->socket->errorString().toStdString());
      }
    });
    connect(c->idle, &QTimer::timeout, this, [this, id] {
      if (Client* k = Find(id)) Close(*k, "sent nothing for " + Duration(setup_.idle.count()));
    });
    c->idle->start();
    log_.Info("service port: client " + peer + " connected");
    clients_.emplace(id, std::move(c));
  }
}

void ServicePort::Refuse(QTcpSocket* socket, int kind, const std::string& text) {
  socket->abort();
  socket->deleteLater();
  // A storm of them (a scanner, a client retrying in a loop) must not flood the journal.
  const auto now = LogPace::Clock::now();
  if (refusals_.Pass(kind, now)) log_.Warning(text);
  if (!refusalsDue_.isActive() && refusals_.NextDue() != LogPace::Clock::time_point::max())
    refusalsDue_.start(std::chrono::duration_cast<std::chrono::milliseconds>(refusals_.NextDue() - now) +
                       std::chrono::milliseconds(1));
}

void ServicePort::SayHeldRefusals() {
  const auto now = LogPace::Clock::now();
  for (const LogPace::Held& held : refusals_.Due(now))
    log_.Warning(platform::StringPrintf("service port: refused %llu more connections in the last second: %s",
                                        static_cast<unsigned long long>(held.count),
                                        held.kind == kNotAllowed ? "not in allow" : "max_clients reached"));
  if (refusals_.NextDue() != LogPace::Clock::time_point::max())
    refusalsDue_.start(std::chrono::duration_cast<std::chrono::milliseconds>(refusals_.NextDue() - now) +
                       std::chrono::milliseconds(1));
}

void ServicePort::OnReadable(Client& c) {
  const QByteArray in = c.socket->readAll();
  if (in.isEmpty()) return;
  c.idle->start();
  const std::span<const std::uint8_t> bytes{reinterpret_cast<const std::uint8_t*>(in.constData()),
                                            static_cast<std::size_t>(in.size())};
  // A Telnet client speaks first, with IAC; a raw client's first byte starts a frame.
  if (c.mode == Client::Mode::kUnknown) c.mode = bytes.front() == t::kIac ? Client::Mode::kTelnet : Client::Mode::kRaw;
  t::Bytes data;
  std::vector<ComPortRequest> requests;
  if (c.mode == Client::Mode::kTelnet) {
    t::Bytes answers;
    const bool comPortBefore = c.telnet.comPort();
    c.telnet.Feed(bytes, data, answers, requests);
    if (!c.telnet.comPort() || comPortBefore) {
      if (!answers.empty()) SendTelnet(c, answers);
    } else {
      // Agreed to com-port control: say what is at this end of the line.
      t::Bytes signature = answers;
      const t::Bytes s = ComPortAnswer(
          kSignature, {reinterpret_cast<const std::uint8_t*>(setup_.signature.data()), setup_.signature.size()});
      signature.insert(signature.end(), s.begin(), s.end());
      SendTelnet(c, signature);
    }
  } else {
    data.assign(bytes.begin(), bytes.end());
  }
  // Frames and com-port commands in the order the client sent them: a baud command
  // before a SET-BAUDRATE goes out at the rate it was sent at.
  const int id = c.id;
  std::size_t done = 0;
  auto framesUpTo = [&](std::size_t end) {
    std::vector<link::Frame> frames;
    c.frames.Feed({data.data() + done, end - done}, frames);
    done = end;
    for (const link::Frame& f : frames) {
      HandleFrame(c, f);
      if (!Find(id)) return false;
    }
    return true;
  };
  for (const ComPortRequest& r : requests) {
    if (!framesUpTo(std::min(r.at, data.size()))) return;
    HandleComPort(c, r);
    if (!Find(id)) return;
  }
  if (!framesUpTo(data.size())) return;
  if (line_) line_->Offer();
}

void ServicePort::HandleFrame(Client& c, const link::Frame& f) {
  const auto now = std::chrono::steady_clock::now();
  if (setup_.readOnly && !ReadOnlyAllows(f)) {
    ++c.refused;
    log_.Info(platform::StringPrintf("service port: %s: not sent (read only): group %u parameter %u to module %u",
                                     c.peer.c_str(), link::FrameGroup(f), link::FrameParameter(f),
                                     link::FrameAddress(f)));
    return;
  }
  if (link::FrameAddress(f) == kAnyModule) {
    // Every module on the bus answers it at once: the replies would run into the
    // station's next exchange.
    ++c.refused;
    if (c.anyRefused++ == 0)
      log_.Info("service port: " + c.peer + ": requests to address 255 (any module) are not sent on the shared bus");
    return;
  }
  marks_.Addressed(link::FrameAddress(f), now);
  if (line_ && line_->exclusiveClient() == c.id) {
    ForwardExclusive(c, f);
    return;
  }
  if (NeedsTheLineAlone(f)) {
    // Only for a client alone, with the engine paused.
    if (clients_.size() > 1 || pending_ || exclusive()) {
      ++c.refused;
      log_.Info("service port: " + c.peer + ": " + (IsBaudCommand(f) ? "baud command" : "logger readout") +
                " to module " + std::to_string(link::FrameAddress(f)) + " not sent: another client is connected");
      return;
    }
    pending_ = Pending{c.id, std::nullopt, f};
    emit exclusiveWanted();
    return;
  }
  if (c.queue.size() + (inFlight_ == c.id ? 1 : 0) >= kMaxOutstanding) {
    if (++c.overflow >= kFloodLimit) Close(c, "sends requests without waiting for their replies");
    return;
  }
  c.queue.push_back(f);
}

void ServicePort::HandleComPort(Client& c, const ComPortRequest& r) {
  switch (r.command) {
    case t::kSetBaudRate: SetRateFor(c, r.value); return;
    case t::kPurgeData:
      // The client's own stream: its queued requests and a reply on its way.
      c.queue.clear();
      c.frames.Clear();
      if (inFlight_ == c.id) c.discardReply = true;
      break;
    case t::kSetDataSize:
    case t::kSetParity:
    case t::kSetStopSize: {
      // The line is 8-N-1; an ask (0) or any setting is answered with it.
      const std::uint8_t value = r.command == t::kSetDataSize ? 8 : 1;
      SendTelnet(c, ComPortAnswer(r.command, {&value, 1}));
      return;
    }
    case kSignature: {
      SendTelnet(c, ComPortAnswer(kSignature, {reinterpret_cast<const std::uint8_t*>(setup_.signature.data()),
                                               setup_.signature.size()}));
      return;
    }
    default: break;
  }
  // Modem lines, flow control, masks: the client's own; confirmed as asked.
  SendTelnet(c, ComPortAnswer(r.command, r.payload));
}

bool ServicePort::HasRequest() const {
  return std::any_of(clients_.begin(), clients_.end(), [](const auto& e) { return !e.second->queue.empty(); });
}

std::optional<GuestRequest> ServicePort::TakeRequest() {
  if (clients_.empty()) return std::nullopt;
  // In turn: the first client with a request after the one served last.
  auto it = clients_.upper_bound(lastServed_);
  for (std::size_t n = 0; n < clients_.size(); ++n, ++it) {
    if (it == clients_.end()) it = clients_.begin();
    Client& c = *it->second;
    if (c.queue.empty()) continue;
    const link::Frame f = c.queue.front();
    c.queue.pop_front();
    lastServed_ = c.id;
    inFlight_ = c.id;
    c.discardReply = false;
    ++c.exchanges;
    if (link::FrameGroup(f) == link::kWrite) ++c.writes;
    return GuestRequest{c.id, f};
  }
  return std::nullopt;
}

void ServicePort::Replied(int client, const QByteArray& bytes) {
  if (inFlight_ == client) inFlight_.reset();
  Client* c = Find(client);
  if (!c) return;
  if (c->discardReply) {
    c->discardReply = false;
    return;
  }
  if (!bytes.isEmpty()) Send(*c, bytes);
}

void ServicePort::Streamed(int client, const QByteArray& bytes) {
  streamClock_.start();
  if (return_) return_->Heard(bytes);
  if (HeldForStream()) streamEnd_.start(setup_.streamEnd);
  if (Client* c = Find(client)) Send(*c, bytes);
}

void ServicePort::LineGone(const QString& reason) {
  // Each client meets the lost line as its own: its connection ends.
  std::vector<int> ids;
  for (const auto& [id, c] : clients_) ids.push_back(id);
  for (int id : ids)
    if (Client* c = Find(id)) Close(*c, "the station's line went away (" + reason.toStdString() + ")");
  pending_.reset();
  // A module left fast stays in left_: it is brought back when the line is there again.
  AbandonReturn();
  if (line_ && line_->exclusiveClient()) {
    line_->EndExclusive();
    marks_.Exclusive(false, std::chrono::steady_clock::now());
    bringingBack_ = false;
    exclusiveTimer_.stop();
    streamEnd_.stop();
    emit exclusiveChanged(false);
    emit exclusiveEnded();
  }
}

void ServicePort::Send(Client& c, const QByteArray& data) {
  if (c.mode == Client::Mode::kTelnet) {
    SendTelnet(
        c, t::Escape({reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())}));
    return;
  }
  c.socket->write(data);
  if (c.socket->bytesToWrite() > kMaxUnread) Close(c, "does not read its replies");
}

void ServicePort::SendTelnet(Client& c, const t::Bytes& bytes) {
  c.socket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  if (c.socket->bytesToWrite() > kMaxUnread) Close(c, "does not read its replies");
}

void ServicePort::Close(Client& c, const std::string& why) {
  if (c.closing) return;
  // Whoever called may still hold the client: it goes with the event loop.
  c.closing = true;
  c.queue.clear();
  c.idle->stop();
  c.socket->disconnect(this);
  c.socket->disconnectFromHost();
  QTimer::singleShot(0, this, [this, id = c.id, why] { OnGone(id, why); });
}

void ServicePort::OnGone(int id, const std::string& why) {
  const auto it = clients_.find(id);
  if (it == clients_.end()) return;
  std::unique_ptr<Client> c = std::move(it->second);
  clients_.erase(it);
  c->socket->disconnect(this);
  c->socket->deleteLater();
  // The timer's own signal may be what runs now: it goes with the event loop.
  c->idle->disconnect(this);
  c->idle->stop();
  c->idle->deleteLater();
  if (inFlight_ == id) inFlight_.reset();
  log_.Info("service port: client " + c->peer + " " + why + " " + Summary(*c));
  if (pending_ && pending_->client == id) pending_.reset();
  if (line_ && line_->exclusiveClient() == id && !stopping_) BringBack();
}

std::string ServicePort::Summary(const Client& c) const {
  std::string what = platform::StringPrintf(
      "after %s: %llu exchanges, %llu writes, %llu rate changes", Duration(c.since.elapsed()).c_str(),
      static_cast<unsigned long long>(c.exchanges), static_cast<unsigned long long>(c.writes),
      static_cast<unsigned long long>(c.rates.count()));
  if (c.refused) what += ", " + std::to_string(c.refused) + " requests not sent";
  if (c.frames.dropped()) what += ", " + std::to_string(c.frames.dropped()) + " bytes that were no frame dropped";
  if (c.overflow) what += ", " + std::to_string(c.overflow) + " requests sent before the last one's reply dropped";
  return what;
}

bool ServicePort::InService(std::uint8_t address) const {
  return marks_.InService(address, std::chrono::steady_clock::now());
}

}  // namespace korvane::station::service
