#include "station/modbus/ModbusServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/NumberText.h"
#include "station/config/HostPort.h"
#include "station/modbus/RegisterStore.h"
#include "station/modbus/RequestFrame.h"

namespace korvane::station {

using Clock = std::chrono::steady_clock;

struct ModbusServer::Connection {
  int fd = -1;
  std::string peer;
  std::vector<std::uint8_t> received;
  Clock::time_point lastRequest;  // or the accept
  std::string closeReason;        // set: close it; logged when it is not empty
  bool closing = false;
};

namespace {

constexpr int kBacklog = 16;
constexpr std::size_t kReadChunk = 1024;  // per wake-up and connection, so one client cannot hog the thread

std::string PeerText(const sockaddr_storage& a) {
  char text[INET6_ADDRSTRLEN] = "?";
  int port = 0;
  if (a.ss_family == AF_INET) {
    const auto& v4 = reinterpret_cast<const sockaddr_in&>(a);
    ::inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    port = ntohs(v4.sin_port);
  } else if (a.ss_family == AF_INET6) {
    const auto& v6 = reinterpret_cast<const sockaddr_in6&>(a);
    ::inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
    port = ntohs(v6.sin6_port);
  }
  return HostPortText(text, port);
}

long long Seconds(Clock::duration d) { return std::chrono::duration_cast<std::chrono::seconds>(d).count(); }

}  // namespace

ModbusServerSetup MakeModbusServerSetup(const ModbusSettings& s) {
  ModbusServerSetup setup;
  setup.host = s.host.value_or("");
  setup.port = s.port;
  setup.unit = s.unit;
  setup.floatOrder = s.floatOrder;
  setup.maxConnections = s.maxConnections;
  return setup;
}

ModbusServer::ModbusServer(ModbusServerSetup setup, const RegisterStore& store, Report report)
    : setup_(std::move(setup)), store_(store), report_(std::move(report)) {
  mapping_.nb_registers = mapping_.nb_input_registers = kMapRegisters;
  mapping_.tab_registers = mapping_.tab_input_registers = table_.data();
}

ModbusServer::~ModbusServer() { Stop(); }

std::string ModbusServer::Address() const { return HostPortText(setup_.host, setup_.port); }

bool ModbusServer::Start(std::string* error) {
  auto fail = [&](const std::string& what) {
    *error = "Modbus TCP: cannot listen on " + Address() + ": " + what;
    Stop();
    return false;
  };
  // The listening socket is our own: libmodbus's listen resolves names and reports a
  // bad address as a refused connection; its context only builds the replies here.
  context_ = modbus_new_tcp_pi(setup_.host.c_str(), std::to_string(setup_.port).c_str());
  if (!context_) return fail(modbus_strerror(errno));
  sockaddr_storage address{};
  socklen_t length = 0;
  if (setup_.host.find(':') == std::string::npos) {
    auto& v4 = reinterpret_cast<sockaddr_in&>(address);
    v4.sin_family = AF_INET;
    v4.sin_port = htons(static_cast<std::uint16_t>(setup_.port));
    if (::inet_pton(AF_INET, setup_.host.c_str(), &v4.sin_addr) != 1) return fail("not an IPv4 address");
    length = sizeof v4;
  } else {
    auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(static_cast<std::uint16_t>(setup_.port));
    if (::inet_pton(AF_INET6, setup_.host.c_str(), &v6.sin6_addr) != 1) return fail("not an IPv6 address");
    length = sizeof v6;
  }
  listen_ = ::socket(address.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listen_ < 0) return fail(std::strerror(errno));
  const int on = 1;
  ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  if (::bind(listen_, reinterpret_cast<sockaddr*>(&address), length) != 0) {
    const int e = errno;
    return fail(std::strerror(e) + std::string(e == EACCES && setup_.port < 1024
                                                   ? " (a port below 1024 needs the capability CAP_NET_BIND_SERVICE)"
                                                   : ""));
  }
  if (::listen(listen_, kBacklog) != 0) return fail(std::strerror(errno));
  wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wake_ < 0) return fail(std::strerror(errno));
  thread_ = std::thread(&ModbusServer::Serve, this);
  return true;
}

void ModbusServer::Stop() {
  if (thread_.joinable()) {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(wake_, &one, sizeof one);
    thread_.join();
  }
  for (int* fd : {&listen_, &wake_})
    if (*fd >= 0) {
      ::close(*fd);
      *fd = -1;
    }
  if (context_) {
    modbus_free(context_);  // its socket is never one of ours to close
    context_ = nullptr;
  }
}

void ModbusServer::Serve() {
  ::pthread_setname_np(::pthread_self(), "korvane-modbus");  // for top -H and the bench
  std::vector<Connection> connections;
  std::vector<pollfd> fds;
  while (true) {
    const auto now = Clock::now();
    fds.clear();
    fds.push_back({wake_, POLLIN, 0});
    const bool accepting = now >= acceptPausedUntil_;
    fds.push_back({accepting ? listen_ : -1, POLLIN, 0});
    auto next = std::min(accepting ? Clock::time_point::max() : acceptPausedUntil_, pace_.NextDue());
    for (const Connection& c : connections) {
      fds.push_back({c.fd, POLLIN, 0});
      next = std::min(next, c.lastRequest + setup_.idle);
    }
    int timeout = -1;
    if (next != Clock::time_point::max())
      timeout =
          static_cast<int>(std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(next - now).count()));
    if (::poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) {
      report_(LogLevel::kError, std::string("Modbus TCP: poll: ") + std::strerror(errno) + "; the server stops");
      break;
    }
    if (fds[0].revents) break;
    for (std::size_t i = 0; i < connections.size(); ++i)
      if (fds[i + 2].revents && !Receive(connections[i])) connections[i].closing = true;
    const auto later = Clock::now();
    for (Connection& c : connections)
      if (!c.closing && later - c.lastRequest >= setup_.idle) {
        c.closing = true;
        c.closeReason = platform::StringPrintf("no request for %lld s", Seconds(later - c.lastRequest));
      }
    std::erase_if(connections, [&](const Connection& c) {
      if (!c.closing) return false;
      if (!c.closeReason.empty())
        Say(kIdle, LogLevel::kInfo, "Modbus TCP: closed the connection from " + c.peer + ": " + c.closeReason);
      ::close(c.fd);
      return true;
    });
    if (fds[1].revents) AcceptAll(connections);
    SayHeld();
  }
  for (const Connection& c : connections) ::close(c.fd);
}

void ModbusServer::AcceptAll(std::vector<Connection>& connections) {
  while (true) {
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(listen_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
        report_(LogLevel::kWarning,
                std::string("Modbus TCP: cannot take a connection: ") + std::strerror(errno) + "; trying again in 1 s");
        acceptPausedUntil_ = Clock::now() + std::chrono::seconds(1);
      }
      return;  // EAGAIN: all taken
    }
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    Connection c;
    c.fd = fd;
    c.peer = PeerText(peer);
    c.lastRequest = Clock::now();
    if (static_cast<int>(connections.size()) >= setup_.maxConnections) {
      // A half-open connection left by a network blip must not lock the control system out.
      auto idlest =
          std::min_element(connections.begin(), connections.end(),
                           [](const Connection& a, const Connection& b) { return a.lastRequest < b.lastRequest; });
      Say(kPushedOut, LogLevel::kInfo,
          platform::StringPrintf("Modbus TCP: %d connections: closed the one from %s (no request for %lld s) for "
                                 "the new one from %s",
                                 setup_.maxConnections, idlest->peer.c_str(),
                                 Seconds(c.lastRequest - idlest->lastRequest), c.peer.c_str()));
      ::close(idlest->fd);
      connections.erase(idlest);
    }
    report_(LogLevel::kDebug, "Modbus TCP: connection from " + c.peer);
    connections.push_back(std::move(c));
  }
}

bool ModbusServer::Receive(Connection& c) {
  std::uint8_t chunk[kReadChunk];
  const ssize_t n = ::recv(c.fd, chunk, sizeof chunk, 0);
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return true;
  if (n <= 0) {
    report_(LogLevel::kDebug, "Modbus TCP: " + c.peer + " closed the connection");
    return false;
  }
  c.received.insert(c.received.end(), chunk, chunk + n);
  std::size_t used = 0;
  while (true) {
    const FrameCut cut = CutRequest(std::span(c.received).subspan(used));
    if (cut.kind == FrameCut::Kind::kIncomplete) break;
    if (cut.kind == FrameCut::Kind::kRefused) {
      Say(kRefused, LogLevel::kWarning, "Modbus TCP: closed the connection from " + c.peer + ": " + cut.reason);
      return false;
    }
    if (!Answer(c, c.received.data() + used, cut.size)) return false;
    used += cut.size;
    c.lastRequest = Clock::now();
  }
  c.received.erase(c.received.begin(), c.received.begin() + static_cast<std::ptrdiff_t>(used));
  return true;
}

void ModbusServer::Say(Closing kind, LogLevel level, const std::string& text) {
  if (pace_.Pass(kind, Clock::now())) report_(level, text);
}

void ModbusServer::SayHeld() {
  for (const LogPace::Held& held : pace_.Due(Clock::now())) {
    const unsigned long long n = held.count;
    switch (held.kind) {
      case kPushedOut:
        report_(LogLevel::kInfo,
                platform::StringPrintf(
                    "Modbus TCP: %llu more connections were closed for newer ones in the last second", n));
        break;
      case kIdle:
        report_(LogLevel::kInfo,
                platform::StringPrintf("Modbus TCP: %llu more connections were closed in the last second", n));
        break;
      default:
        report_(LogLevel::kWarning,
                platform::StringPrintf("Modbus TCP: %llu more connections were closed in the last second for bytes "
                                       "that are no Modbus TCP request",
                                       n));
    }
  }
}

bool ModbusServer::Answer(Connection& c, const std::uint8_t* request, std::size_t size) {
  const int unit = request[6], function = request[7];
  const int start = size >= 12 ? request[8] << 8 | request[9] : 0;
  const int count = size >= 12 ? request[10] << 8 | request[11] : 0;
  const int exception = RequestException(unit, function, start, count, setup_.unit);
  modbus_set_socket(context_, c.fd);
  int sent;
  if (exception != 0) {
    sent = modbus_reply_exception(context_, request, static_cast<unsigned>(exception));
  } else {
    store_.Read(start, count, setup_.floatOrder, table_.data() + start);
    sent = modbus_reply(context_, request, static_cast<int>(size), &mapping_);
  }
  modbus_set_socket(context_, -1);
  if (sent < 0) {
    // The socket does not block: a client that does not read its replies is dropped.
    c.closeReason = std::string("the reply could not be sent: ") + modbus_strerror(errno);
    return false;
  }
  return true;
}

}  // namespace korvane::station
