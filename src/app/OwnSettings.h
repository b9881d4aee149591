#pragma once
// The program's own settings beside config.ini, in "korvane.conf": what config.ini has
// no line for (the technician's name), one "key=value" line each, UTF-8. config.ini
// keeps its bytes for the installations that share it; this file is Korvane's alone.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/Language.h"

namespace korvane::app {

struct OwnSettings {
  std::map<std::string, std::string> values;

  std::optional<std::string> Get(const std::string& key) const;
  void Set(const std::string& key, const std::string& value) { values[key] = value; }
};

// The keys the program uses.
inline constexpr const char* kTechnicianKey = "technician";
// "folder.<kind>": the folder a kind of file was last saved to or opened from.
inline constexpr const char* kFolderKeyPrefix = "folder.";

std::string OwnSettingsPath(const std::string& settingsFolder);

// Lines "key=value" (blanks around the key ignored, the value as it stands); lines without
// "=" and those starting with "#" are skipped; the last of a key counts.
OwnSettings ParseOwnSettings(const std::string& text);
std::string FormatOwnSettings(const OwnSettings& s);

// Nothing (no file yet, or one that cannot be read: *problem then says why).
OwnSettings LoadOwnSettings(const std::string& settingsFolder, std::string* problem = nullptr);
// Replaces the file atomically, making the folder; false with *error.
bool SaveOwnSettings(const std::string& settingsFolder, const OwnSettings& s, std::string* error, Language language);
// Loads the file, lets change alter it and saves it when change returns true, all under
// a lock of the folder, so that two programs changing it at once keep each other's
// lines (SaveOwnSettings takes the same lock). False with *error.
bool UpdateOwnSettings(const std::string& settingsFolder, const std::function<bool(OwnSettings&)>& change,
                       std::string* error, Language language);

// A name the technician typed, as it is kept: blanks around it dropped; nothing when it
// is empty or holds a control character (a line break would end the line).
std::optional<std::string> TechnicianName(const std::string& typed);

// The technician the history records: the name kept in the settings, else the account's
// full name or login name. Never asked for; Setup and the history window change it.
std::string TechnicianOf(const OwnSettings& s);

}  // namespace korvane::app
