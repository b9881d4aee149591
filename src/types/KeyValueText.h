#pragma once
// The KEY==value lines of the program's setup and display files, each ended by "\n\r",
// read in order without the closing checksum line. Pure C++.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane::types {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

KeyValues KeyValueLines(std::string_view text);

// The keys whose values differ between two line lists (a key one of them lacks counts
// with an empty value), in the order of first; then those only second has.
struct ValueChange {
  std::string key;
  std::string before;
  std::string after;
};
std::vector<ValueChange> ChangedValues(const KeyValues& before, const KeyValues& after);

}  // namespace korvane::types
