#pragma once
// Where the user sees what a bus scan found and picks a module: the scan dialog on
// the desktop, a script in the tests.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Language.h"
#include "scan/BusScan.h"

namespace korvane::scan {

struct ScanChoice {
  std::optional<int> address;            // one module for the main window
  std::vector<std::uint8_t> busModules;  // or these, for the bus view ("Bus..." in the list)
  // or the history of this module ("Historie…" in the list; the module's bytes)
  std::optional<std::string> historyOf;
};

class ScanDialogs {
 public:
  virtual ~ScanDialogs() = default;
  // The module the user picked, or the whole bus; nothing when closed without either.
  virtual ScanChoice ChooseModule(const ScanResult& result, Language language) = 0;
};

}  // namespace korvane::scan
