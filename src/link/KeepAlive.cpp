#include "link/KeepAlive.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace korvane::link {

void KeepAlive(qintptr fd) {
  const int idle = 10, interval = 5, count = 3, on = 1;
  ::setsockopt(static_cast<int>(fd), SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
  ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
  ::setsockopt(static_cast<int>(fd), IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
}

}  // namespace korvane::link
