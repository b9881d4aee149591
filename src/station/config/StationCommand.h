#pragma once
// The station's command line: --config FILE is read first, then every other option
// overrides its key; defaults fill what neither gives.
#include <optional>
#include <string>
#include <vector>

#include "station/config/StationSettings.h"

namespace korvane::station {

struct StationCommand {
  StationSettings settings;
  std::string configFile;  // --config, empty without one
  bool check = false;      // --check: validate and exit
  bool once = false;       // --once: one cycle, then exit
  bool help = false;       // --help: the usage text, nothing else checked
  bool version = false;    // --version: the program's name and version, nothing else checked
};

// args without the program name. Nothing, with *error, for a bad option, an INI file
// that cannot be read or holds a bad line (named "FILE:LINE: ..."), or settings that do
// not fit together (naming where the key was set).
std::optional<StationCommand> ParseStationCommand(const std::vector<std::string>& args,
                                                  const StationEnvironment& environment, std::string* error);

// Takes an INI text into settings: unknown sections and keys, a key given twice, device
// and port (or addresses and scan) both given, and bad values are errors naming
// "name:LINE". folder: where relative paths in the file are taken from.
bool ApplyIni(const std::string& text, const std::string& name, const std::string& folder, StationSettings& settings,
              std::string* error);

// The usage text for --help.
std::string StationUsage();

}  // namespace korvane::station
