#pragma once
// Where the user sees what a bus scan found and picks a module: the scan dialog on
// the desktop, a script in the tests.
#include <optional>

#include "scan/BusScan.h"

namespace korvane::scan {

class ScanDialogs {
 public:
  virtual ~ScanDialogs() = default;
  // The address of the module the user picked; nullopt when closed without one.
  virtual std::optional<int> ChooseModule(const ScanResult& result, int language) = 0;
};

}  // namespace korvane::scan
