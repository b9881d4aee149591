#include "display/DisplaySettings.h"

namespace korvane::display {

int PositionChoice(std::uint8_t value, std::uint8_t mode) {
  // Mode 0 switches the position off whatever value it names.
  if (mode == 0) return kNoDisplay;
  return value + 1;
}

PositionWire PositionToWire(int choice) {
  if (choice <= kNoDisplay) return {0, 0};
  const auto value = static_cast<std::uint8_t>(choice - 1);
  const std::uint8_t mode = choice == 7 ? 2 : choice == 8 ? 3 : 1;
  return {value, mode};
}

}  // namespace korvane::display
