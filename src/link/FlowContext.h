#pragma once
// What a flow works with besides the link: the address it talks to, the language it
// speaks and where it tells what it did. The main window owns one (its address field and
// language), the command line another; a flow that moves the module to a new address
// updates it.
#include <cstdint>

#include "platform/Language.h"

namespace korvane::link {

class FlowLog;

struct FlowContext {
  std::uint8_t address = 0;
  Language language = Language::kGerman;
  FlowLog* log = nullptr;  // nullptr: nothing is kept of what the flows do
};

}  // namespace korvane::link
