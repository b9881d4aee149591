#pragma once
// The lines of an INI text: "[section]", "key = value", blank lines and comments
// starting with '#' or ';'. A value runs to the end of its line, or to a '#' or ';'
// after a blank, where a comment starts. A UTF-8 byte-order mark before the first
// line is passed over.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::station {

struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
  int line = 0;  // 1-based
};

// The entries in file order, or nothing with *error ("line 7: ...") for a line that is
// neither of the forms above or a key before the first section.
std::optional<std::vector<IniEntry>> ParseIni(std::string_view text, std::string* error);

}  // namespace korvane::station
