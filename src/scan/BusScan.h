#pragma once
// Finds the modules on the line: reads the type at addresses 0..31 with the short
// scan time-out, and for each module that answers its device kind and identity; with
// display, also the display unit at 0x80 at its 19200 baud. The module object is left
// as it was, so the scan changes nothing the other flows rely on. QtCore only.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Language.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::scan {

inline constexpr int kLastModuleAddress = 31;

struct ScanHit {
  std::uint8_t address = 0;
  int wireType = 0;      // parameter 28 as sent (1-based)
  int deviceKind = -1;   // parameter 29; -1 when it did not answer
  std::string identity;  // parameter 26; empty when it did not answer
};

struct ScanResult {
  std::vector<ScanHit> found;
  bool cancelled = false;
  bool lineLost = false;
};

// The port must be open. Shows a progress window with a cancel button.
ScanResult ScanBus(link::Link& link, platform::Ui& ui, Language language, bool display = false);

// "address: 5  type: 1 pH  kind: 4  identity: A123" ("kind: -" and an empty identity
// when the module did not tell them).
std::string ScanLine(const ScanHit& hit, Language language);

}  // namespace korvane::scan
