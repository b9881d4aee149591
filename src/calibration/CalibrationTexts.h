#pragma once
// The wording of the calibration procedures, German and English.
#include "types/Texts.h"

namespace korvane::calibration {

using types::TextPair;

inline constexpr TextPair kFirstPoint{"Sensor in 1. Pufferlösung tauchen.", "Put sensor in 1. buffer solution."};
inline constexpr TextPair kSecondPoint{"Sensor in 2. Pufferlösung tauchen.", "Put sensor in 2. buffer solution."};
inline constexpr TextPair kSinglePoint{"Sensor in Pufferlösung tauchen.", "Put sensor in buffer solution."};
inline constexpr TextPair kWaitStable{"Warten, bis der Messwert stabil ist. Dann OK drücken.",
                                      "Wait until the value is stable. Than press OK button."};
inline constexpr TextPair kBufferPrompt{"Aktuellen Pufferwert eingeben.", "Input current buffer value."};
inline constexpr TextPair kPressurePrompt{"Aktuellen Luftdruck eingeben.", "Input current air pressure."};
inline constexpr TextPair kCalibrationError{"Kalibrierfehler!", "Calibration error!"};
inline constexpr TextPair kSave{"Speichern", "Save"};
inline constexpr TextPair kExit{"Beenden", "Exit"};
inline constexpr TextPair kOxygen{"Sauerstoff", "Oxygen"};
inline constexpr TextPair kChlorine{"Chlor", "chlorien"};
inline constexpr TextPair kAirPressure{"Luftdruck", "Air pressure"};
inline constexpr const char* kPh = "pH";
inline constexpr const char* kPressureUnit = "hPa";

}  // namespace korvane::calibration
