// The kernel's termios, not the C library's: the two differ in layout on some machines,
// so this file includes no <termios.h> (and builds on its own, outside any batch).
#include "link/TtyWake.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace korvane::link {

static_assert(sizeof(termios) <= 64, "the kernel's line settings fit the buffer");

bool TtyWake::Load(int fd) { return ::ioctl(fd, TCGETS, reinterpret_cast<termios*>(settings_)) == 0; }

bool TtyWake::Set(int fd, std::size_t count) {
  auto* tio = reinterpret_cast<termios*>(settings_);
  tio->c_cc[VMIN] = static_cast<cc_t>(count < 1 ? 1 : count > 255 ? 255 : count);
  tio->c_cc[VTIME] = 0;
  return ::ioctl(fd, TCSETS, tio) == 0;
}

}  // namespace korvane::link
