#include "types/KeyValueText.h"

#include <algorithm>

namespace korvane::types {
namespace {

constexpr std::string_view kLineEnd = "\n\r";
constexpr std::string_view kChecksumKey = "CECKSUMM";

const std::string* Find(const KeyValues& lines, const std::string& key) {
  const auto it = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return l.first == key; });
  return it == lines.end() ? nullptr : &it->second;
}

}  // namespace

KeyValues KeyValueLines(std::string_view text) {
  KeyValues lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(kLineEnd, at);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(at, end - at);
    at = end + kLineEnd.size();
    const std::size_t eq = line.find("==");
    if (eq == std::string_view::npos || line.substr(0, eq) == kChecksumKey) continue;
    lines.emplace_back(std::string(line.substr(0, eq)), std::string(line.substr(eq + 2)));
  }
  return lines;
}

std::vector<ValueChange> ChangedValues(const KeyValues& before, const KeyValues& after) {
  std::vector<ValueChange> changes;
  for (const auto& [key, value] : before) {
    const std::string* other = Find(after, key);
    const std::string now = other ? *other : std::string();
    if (now != value) changes.push_back({key, value, now});
  }
  for (const auto& [key, value] : after)
    if (!Find(before, key)) changes.push_back({key, std::string(), value});
  return changes;
}

}  // namespace korvane::types
