#pragma once
// The display unit's stored byte (its contrast).
#include <cstdint>

#include "link/FlowContext.h"

namespace korvane::link {
class Link;
}
namespace korvane::platform {
class Ui;
}

namespace korvane::display {

// Writes the byte as parameter 164 and stores it; a missing reply is shown to the user
// in the context's language. True when the byte was acknowledged.
bool WriteByteAndStore(link::Link& link, platform::Ui& ui, const link::FlowContext& context, std::uint8_t value);

}  // namespace korvane::display
