#pragma once
// A display unit's configuration as its dialog shows it: eight display positions, two
// virtual channels, which positions drive the outputs and relays, logger and serial
// output, the contrast, and the outputs and relays of the outputs dialog. Lists are
// held as their list index; float fields as the text shown. Pure C++.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Language.h"

namespace korvane::display {

// Position list: 0 = "keine Anzeige", 1..5 measured value 1..5, 6 temperature,
// 7 virtual 1, 8 virtual 2.
inline constexpr int kNoDisplay = 0;
inline constexpr int kPositionChoices = 9;
inline constexpr int kOperandChoices = 6;    // measured value 1..5, temperature
inline constexpr int kOperationChoices = 4;  // wire value = index + 1
inline constexpr int kOutputChoices = 8;     // position 1..8

struct Position {
  int address = 0;
  int choice = kNoDisplay;
};

struct VirtualChannel {
  int address1 = 0;
  int operand1 = 0;
  int address2 = 0;
  int operand2 = 0;
  int operation = 0;
};

struct DisplayOutputs {
  // DAC 0 / DAC 1 lower and upper value, relay 0 / 1 limit and hysteresis: texts.
  std::string dac0Lower = "0.00", dac0Upper = "0.00", dac1Lower = "0.00", dac1Upper = "0.00";
  int outputKind = 0;    // 0 = voltage, 1 = current
  int currentRange = 0;  // 0 = 0..20 mA, 1 = 4..20 mA
  std::string relay0Limit = "0.00", relay0Hysteresis = "0.00", relay1Limit = "0.00", relay1Hysteresis = "0.00";
  int relay0Maximum = 0;  // 0 = acts at the minimum, 1 = at the maximum
  int relay1Maximum = 0;
  // Read from the unit, or loaded from a file (then written before the configuration).
  bool known = false;
  bool pending = false;
};

struct DisplaySettings {
  Language language = Language::kGerman;
  std::string firmwareText;  // "Firmware V%.2f", shown only
  int contrast = 10;         // shown; the unit holds contrast + link::kContrastOffset
  std::array<Position, 8> positions{};
  std::array<VirtualChannel, 2> virtuals{};
  int dac0Position = 0, dac1Position = 0, relay0Position = 0, relay1Position = 0;
  bool loggerEnabled = false;
  bool serialEnabled = false;
  int serialInterval = 10;  // seconds
  int loggerInterval = 1;   // minutes
  DisplayOutputs outputs;
};

// Position choice from the unit's value index and mode, and back.
int PositionChoice(std::uint8_t value, std::uint8_t mode);
struct PositionWire {
  std::uint8_t value;
  std::uint8_t mode;
};
PositionWire PositionToWire(int choice);

}  // namespace korvane::display
