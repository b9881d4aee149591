#pragma once
// The buffer file (korvane-buffers.conf beside korvane.conf): the tables of the sets
// that have none built in, DIN 19267 and the user's own values, and of buffers the
// user wants to give a table of their own. One section per set, one buffer per line:
//
//   [din19267]
//   4.65: 0=4.67 10=4.66 20=4.65 25=4.65
//
// A buffer named like one of the set's built-in buffers replaces its table. A line that
// is not understood is named and skipped; the rest counts. Pure C++.
#include <string>
#include <vector>

#include "calibration/BufferTables.h"
#include "platform/Language.h"

namespace korvane::calibration {

inline constexpr const char* kBufferFileName = "korvane-buffers.conf";

// The built-in sets with the file's tables merged in; each line that is not understood
// adds a sentence naming it to *problems.
std::vector<BufferSet> BufferSetsWithFile(const std::string& text, std::vector<std::string>* problems,
                                          Language language);

}  // namespace korvane::calibration
