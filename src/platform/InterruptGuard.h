#pragma once
// Ctrl-C (SIGINT) and SIGTERM as a callback in the Qt event loop, while the guard lives:
// the command line cancels its flow with it, the station stops cleanly.
#include <functional>
#include <memory>

namespace korvane::platform {

class InterruptGuard {
 public:
  explicit InterruptGuard(std::function<void()> onInterrupt);
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace korvane::platform
