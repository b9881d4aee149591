#pragma once
// What opens the module logger dialog of a series: the dialog on the desktop, a
// script in the tests. The dialog's buttons reach the module through LoggerActions.
#include <string>

#include "platform/Language.h"

namespace korvane::logger {

class LoggerLauncher {
 public:
  virtual ~LoggerLauncher() = default;
  // series: "QX7100" or "PB70,PD70,PF70".
  virtual void OpenLogger(const std::string& series, Language language) = 0;
};

}  // namespace korvane::logger
