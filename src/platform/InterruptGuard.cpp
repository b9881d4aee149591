#include "platform/InterruptGuard.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace korvane::platform {

namespace {
int interruptPipe[2] = {-1, -1};  // written by the signal handler only

void OnInterruptSignal(int) {
  const char c = 1;
  [[maybe_unused]] ssize_t n = ::write(interruptPipe[1], &c, 1);
}
}  // namespace

struct InterruptGuard::Impl {
  std::unique_ptr<QSocketNotifier> notifier;
  struct sigaction oldInt {};
  struct sigaction oldTerm {};
};

InterruptGuard::InterruptGuard(std::function<void()> onInterrupt) : impl_(std::make_unique<Impl>()) {
  if (interruptPipe[0] < 0 && ::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  impl_->notifier = std::make_unique<QSocketNotifier>(interruptPipe[0], QSocketNotifier::Read);
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, [cb = std::move(onInterrupt)] {
    char buf[16];
    while (::read(interruptPipe[0], buf, sizeof buf) > 0) {
    }
    cb();
  });
  struct sigaction sa {};
  sa.sa_handler = OnInterruptSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, &impl_->oldInt);
  sigaction(SIGTERM, &sa, &impl_->oldTerm);
}

InterruptGuard::~InterruptGuard() {
  sigaction(SIGINT, &impl_->oldInt, nullptr);
  sigaction(SIGTERM, &impl_->oldTerm, nullptr);
}

}  // namespace korvane::platform
