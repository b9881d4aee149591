#pragma once
// Text that came from a file or a module, as a message shows it: nothing in it can
// steer a terminal or flood a message box.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane::platform {

// The longest such text a message shows, in characters.
inline constexpr std::size_t kShownTextChars = 80;

// UTF-8 text with its control characters (C0, DEL, C1) and bytes that are no UTF-8
// shown as "\xNN", cut after maxChars characters with "..." in place of the rest.
std::string ShownText(std::string_view text, std::size_t maxChars = kShownTextChars);

}  // namespace korvane::platform
