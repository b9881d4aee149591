#pragma once
// What a flow works with besides the link: the address it talks to and the language
// it speaks. The main window owns one (its address field and language), the command
// line another; a flow that moves the module to a new address updates it.
#include <cstdint>

#include "platform/Language.h"

namespace korvane::link {

struct FlowContext {
  std::uint8_t address = 0;
  Language language = Language::kGerman;
};

}  // namespace korvane::link
