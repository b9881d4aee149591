#pragma once
// The desktop program's command line: its one table of options and what they ask for.
// Qt's own options (-platform NAME, -style NAME, -reverse, ...) are left to Qt.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ProgramLine.h"

namespace korvane::app {

struct DesktopLine {
  platform::LineRequest request = platform::LineRequest::kRun;
  std::optional<std::vector<std::uint8_t>> bus;  // --bus LIST: the bus view on these modules, started
  std::string history;                           // --history WHERE ("" the default file)
};

const platform::ProgramLineSpec& DesktopLineSpec();

// args without the program's name, Qt's own options included. Nothing, with *error (the
// usage error's text), for a line that asks for something the program cannot do.
std::optional<DesktopLine> ReadDesktopLine(const std::vector<std::string>& args, std::string* error);

}  // namespace korvane::app
