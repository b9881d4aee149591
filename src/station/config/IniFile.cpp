#include "station/config/IniFile.h"

namespace korvane::station {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The line without a comment that follows its text after a blank.
std::string_view WithoutComment(std::string_view line) {
  for (std::size_t i = 1; i < line.size(); ++i)
    if ((line[i] == '#' || line[i] == ';') && (line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
  return line;
}

}  // namespace

std::optional<std::vector<IniEntry>> ParseIni(std::string_view text, std::string* error) {
  std::vector<IniEntry> entries;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string section;
  int number = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    ++number;
    auto fail = [&](const std::string& why) -> std::optional<std::vector<IniEntry>> {
      if (error) *error = "line " + std::to_string(number) + ": " + why;
      return std::nullopt;
    };
    if (line.empty() || line.front() == '#' || line.front() == ';') continue;
    line = Trimmed(WithoutComment(line));
    if (line.front() == '[') {
      if (line.back() != ']' || line.size() < 3) return fail("a section is written [name]");
      section = std::string(Trimmed(line.substr(1, line.size() - 2)));
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return fail("\"" + std::string(line) + "\" is not key = value");
    const std::string key(Trimmed(line.substr(0, equals)));
    if (key.empty()) return fail("a value without its key");
    if (section.empty()) return fail("\"" + key + "\" stands before the first [section]");
    entries.push_back({section, key, std::string(Trimmed(line.substr(equals + 1))), number});
  }
  return entries;
}

}  // namespace korvane::station
