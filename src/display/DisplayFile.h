#pragma once
// Display files (".rw8"): a display unit's configuration as KEY==value lines in a fixed
// order, each ended by "\n\r", closed by the checksum line the setup files use.
// Windows-1252 bytes. Loading is all or nothing: a bad file names its first bad line.
#include <optional>
#include <string>

#include "display/DisplaySettings.h"
#include "platform/Language.h"
#include "platform/Ui.h"
#include "types/KeyValueText.h"

namespace korvane::display {

// A whole number text ("12", " -3 ") within [min, max]; nullopt otherwise.
std::optional<int> WholeNumber(const std::string& text, int min, int max);

std::string BuildDisplayText(const DisplaySettings& s);
// The file's lines (key, value): those of the configuration, of the outputs, or both.
types::KeyValues DisplayValues(const DisplaySettings& s, bool configuration, bool outputs);

struct DisplayFileError {
  int line = 0;        // 1-based; the line after the last one when something is missing
  std::string reason;  // in the language, UTF-8
};

// Parses text into *s only when every line is good; otherwise *s is untouched and the
// first bad line is returned. The outputs of a loaded file count as known and still to
// be written.
std::optional<DisplayFileError> ParseDisplayText(const std::string& text, DisplaySettings& s, Language language);

platform::FileDialogSpec DisplayFileDialogSpec();

// Writes the file atomically; false with *error (in the language) otherwise.
bool WriteDisplayFile(const std::string& path, const DisplaySettings& s, std::string* error);
// Reads and parses path into *s; otherwise the whole message for the user.
enum class FileRead { kOk, kUnreadable, kBad };
FileRead ReadDisplayFile(const std::string& path, DisplaySettings& s, std::string* message);

// "Speichern" and "Öffnen": ask for the file, write or read it, tell the user what
// failed. False when cancelled or failed (nothing applied then).
bool SaveDisplayFile(platform::Ui& ui, const DisplaySettings& s);
bool LoadDisplayFile(platform::Ui& ui, DisplaySettings& s);

}  // namespace korvane::display
