#pragma once
// The station's settings as one table: INI section and key, the command-line option
// that overrides it, and how its value text is taken in.
#include <span>
#include <string>

#include "station/config/StationSettings.h"

namespace korvane::station {

struct StationKey {
  const char* section;
  const char* key;
  const char* option;     // "--baud"
  const char* valueName;  // "RATE", for the usage text
  const char* help;
  // Sets the value from its text: empty, or what is wrong with it. Relative paths are
  // taken from folder.
  std::string (*apply)(StationSettings& settings, const std::string& value, const std::string& folder);
};

std::span<const StationKey> StationKeys();

}  // namespace korvane::station
