#pragma once
// The wording of the calibration procedures, German and English.
#include "platform/CommonTexts.h"
#include "types/Texts.h"

namespace korvane::calibration {

using types::Text;

inline constexpr Text kFirstPoint{"calibration",
                                  QT_TRANSLATE_NOOP("calibration", "Sensor in 1. Pufferlösung tauchen.")};
inline constexpr Text kSecondPoint{"calibration",
                                   QT_TRANSLATE_NOOP("calibration", "Sensor in 2. Pufferlösung tauchen.")};
inline constexpr Text kSinglePoint{"calibration", QT_TRANSLATE_NOOP("calibration", "Sensor in Pufferlösung tauchen.")};
//: English keeps "Than press OK button." byte for byte: users, files and tests know it so.
inline constexpr Text kWaitStable{
    "calibration", QT_TRANSLATE_NOOP("calibration", "Warten, bis der Messwert stabil ist. Dann OK drücken.")};
inline constexpr Text kBufferPrompt{"calibration", QT_TRANSLATE_NOOP("calibration", "Aktuellen Pufferwert eingeben.")};
inline constexpr Text kPressurePrompt{"calibration", QT_TRANSLATE_NOOP("calibration", "Aktuellen Luftdruck eingeben.")};
inline constexpr Text kCalibrationError{"calibration", QT_TRANSLATE_NOOP("calibration", "Kalibrierfehler!")};
using platform::kSave;
inline constexpr Text kExit{"calibration", QT_TRANSLATE_NOOP("calibration", "Beenden")};
inline constexpr Text kOxygen{"calibration", QT_TRANSLATE_NOOP("calibration", "Sauerstoff")};
//: English keeps "chlorien" byte for byte: users, files and tests know it so.
inline constexpr Text kChlorine{"calibration", QT_TRANSLATE_NOOP("calibration", "Chlor")};
inline constexpr Text kAirPressure{"calibration", QT_TRANSLATE_NOOP("calibration", "Luftdruck")};
inline constexpr const char* kPh = "pH";
inline constexpr const char* kPressureUnit = "hPa";

}  // namespace korvane::calibration
