#pragma once
// The program's settings file "config.ini": port, baud rate, recording interval,
// language and the parametrization switch, read once at start and written at exit.
#include <string>

#include "measurement/Interval.h"
#include "link/Protocol.h"
#include "platform/Language.h"

namespace korvane::app {

struct AppSettings {
  int portIndex = 0;  // COM number - 1
  int baud = link::kSlowBaud;
  measurement::Interval interval;  // 00:01:00
  Language language = Language::kGerman;
  int parametrize = 0;
};

// Reads the lines up to the first empty one, joined without their line breaks, and takes
// each key's first occurrence. Values are read as integers without range checks; a
// missing key keeps its default, text that is no number gives 0.
AppSettings ParseSettingsText(const std::string& fileBytes);

// The file's full text, each line ending in LF CR.
std::string FormatSettingsText(const AppSettings& s);

std::string SettingsFilePath(const std::string& settingsFolder);

// Reads the settings file; when there is none (first start) creates the folder and an
// empty file. Defaults on any failure; never throws.
AppSettings LoadSettingsFile(const std::string& settingsFolder);

// Writes the settings file, replacing an existing one atomically and creating the folder.
// On failure returns false and, when error is given, a description.
bool SaveSettingsFile(const std::string& settingsFolder, const AppSettings& s, std::string* error);

}  // namespace korvane::app
