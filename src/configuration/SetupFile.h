#pragma once
// Setup files (".qx4"): the configuration settings as KEY==value lines, each ended by
// "\n\r", closed by a checksum line. Files are bytes: texts pass through unchanged.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "configuration/ConfigSettings.h"
#include "platform/Ui.h"

namespace korvane::configuration {

class SetupFile {
 public:
  enum Result { kOk = 1, kDataError = 2 };

  // The 35 lines from the settings (measurementType as the absolute type).
  static std::string BuildSetupText(const ConfigSettings& s);
  // Value of the first "key==" in text up to the next "\n\r"; "" when there is none.
  static std::string GetValue(const std::string& text, const std::string& key);
  // Applies the values found in text (calibration values 1..4 and the temperature
  // offset only withCalibration; empty values leave settings unchanged; integers keep
  // their low 8 bits; measurementType is taken as absolute type, offset 0), then checks
  // the checksum: kOk or kDataError. The values stay applied either way.
  static int ParseSetupText(const std::string& text, ConfigSettings& s, bool withCalibration);
  // A value with the checksum key in it cannot be saved: the file would fail its own
  // checksum on loading.
  static bool HoldsChecksumKey(const std::string& value);
  // Sum of the bytes taken as signed 8-bit numbers, wrapping in 32 bits.
  static std::uint32_t Checksum(std::string_view bytes);
};

// File dialog of save and load: extension "qx4", initial name "*.qx4".
platform::FileDialogSpec SetupFileDialogSpec();
// The path a chosen save name is written to: a name whose part before the last
// extension still holds ".qx4" (a.qx4.qx4) loses every ".qx4" and gets one appended.
std::string SetupFilePath(const std::string& chosen);

// Button "Speichern": asks for a file and writes the setup text, replacing an
// existing file atomically. False when cancelled or when the file could not be
// written (the user is told why).
bool SaveSetupFile(platform::Ui& ui, const ConfigSettings& s);

// Button "Öffnen": asks for a file, reads it whole, asks whether the calibration
// values come too, applies it. A file that cannot be read is reported and changes
// nothing. After kLoaded and kDataError the dialog runs SetupDialogControls.
enum class LoadResult { kCancelled, kUnreadable, kLoaded, kDataError };
// The file a load or comparison read: its path and bytes.
struct ChosenSetup {
  std::string path;
  std::string text;
};
// Asks for a setup file and reads it whole; nullopt when cancelled or when it cannot be
// read (the user was told why; *unreadable then).
std::optional<ChosenSetup> OpenSetupText(platform::Ui& ui, Language language, bool* unreadable = nullptr);
// loaded: the file that was read, also when its checksum failed.
LoadResult LoadSetupFile(platform::Ui& ui, ConfigSettings& s, ChosenSetup* loaded = nullptr);

}  // namespace korvane::configuration
