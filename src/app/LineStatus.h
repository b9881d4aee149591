#pragma once
// What the main window's bottom line tells: the port and what it maps to, the line's
// rate, the module last seen and, when the history knows it, that its calibration is
// due. One field per fact, so another fact is one more field.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Language.h"

namespace korvane::history {
struct CalibrationIntervals;
struct KnownModule;
}  // namespace korvane::history

namespace korvane::app {

// A module as a flow met it on the line.
struct SeenModule {
  std::string identity;  // Windows-1252 bytes of parameter 26
  int typeIndex = -1;    // -1: not told
  int address = 0;
};

struct LineStatus {
  int comNumber = 1;
  std::string device;  // what the port maps to; "" when nothing
  int baud = 0;
  std::optional<SeenModule> module;
  std::string calibrationDue;  // "Kalibrierung fällig seit 03.03.2026"; "" when not due or not known
  std::string station;         // the Korvane station the line leads through; "" when none

  // The known facts in their order: "COM5 → rfc2217://10.0.0.7:4001", "über Station
  // werk-2" (a station's service port), "4800 Baud",
  // "Modul A123 (pH, Adresse 0)", the calibration due.
  std::vector<std::string> Parts(Language language) const;
};

// "Kalibrierung fällig seit <date>" / "calibration due since <date>" for a module the
// history knows whose calibration interval has passed (or that was never calibrated);
// "" otherwise.
std::string CalibrationDueText(const history::KnownModule& module, const history::CalibrationIntervals& intervals,
                               std::int64_t nowMs, Language language);

}  // namespace korvane::app
