#pragma once
// The wake-up threshold of a terminal line (VMIN with VTIME 0): poll reports the line
// readable only once that many bytes wait. Kept as the kernel's own copy of the line's
// settings, so changing it costs one system call (the C library's tcsetattr reads the
// settings back, and more).
#include <cstddef>

namespace korvane::link {

class TtyWake {
 public:
  // Takes the line's current settings; false when fd is no terminal.
  bool Load(int fd);
  // Sets the threshold (1..255) on the loaded settings; false when the line refused.
  bool Set(int fd, std::size_t count);

 private:
  alignas(8) unsigned char settings_[64] = {};
};

}  // namespace korvane::link
