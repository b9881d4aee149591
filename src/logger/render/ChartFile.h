#pragma once
// The module logger's chart as a file (ChartPicture.h): a PDF page (A4 landscape) or a PNG picture,
// chosen by the name's extension. The old file is replaced only by a complete new one.
#include <string>
#include <vector>

#include "logger/LoggerRecords.h"
#include "platform/Language.h"

namespace korvane::logger {

// True for names ending in .pdf or .png (any case).
bool IsChartFileName(const std::string& path);

// Draws the records as the logger dialog's chart does and saves the drawing; false with
// *error (in the language) when it cannot be saved.
bool SaveChartFile(const std::string& path, const std::vector<LongRecord>& table, const std::string& valueName,
                   const std::string& identity, std::string* error, Language language);

}  // namespace korvane::logger
