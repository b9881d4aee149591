#pragma once
// The names of the type selection list, one per catalogue type index 0..30.
#include <array>

#include "platform/TextPair.h"

namespace korvane::parametrization {

inline constexpr int kTypeCount = 31;
// The entry that parametrizes a display module, which talks at 19200 baud.
inline constexpr int kDisplayModuleType = 19;

const std::array<platform::TextPair, kTypeCount>& TypeNames();

}  // namespace korvane::parametrization
