#pragma once
// The type selection list: one entry per catalogue type index 0..30, named as the
// type lists name them (types::TypeListName).

namespace korvane::parametrization {

inline constexpr int kTypeCount = 31;
// The entry that parametrizes a display module, which talks at 19200 baud.
inline constexpr int kDisplayModuleType = 19;

}  // namespace korvane::parametrization
