#include "bus/AddressList.h"

#include <array>
#include <charconv>

namespace korvane::bus {
namespace {

constexpr int kLastAddress = 31;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// A whole decimal number 0..31, nothing else (no sign, no blanks inside).
std::optional<int> Address(std::string_view text) {
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < 0 || value > kLastAddress) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ParseAddressList(std::string_view text, std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<std::vector<std::uint8_t>> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (Trimmed(text).empty()) return fail("the address list is empty");
  std::vector<std::uint8_t> addresses;
  std::array<bool, kLastAddress + 1> seen{};
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view item = Trimmed(text.substr(start, comma - start));
    start = comma + 1;
    if (item.empty()) return fail("empty item in the address list \"" + std::string(text) + "\"");
    const std::size_t dash = item.find('-', 1);
    const auto first = Address(Trimmed(item.substr(0, dash)));
    const auto last = dash == std::string_view::npos ? first : Address(Trimmed(item.substr(dash + 1)));
    if (!first || !last) return fail("\"" + std::string(item) + "\" is not an address 0..31 or a range of them");
    if (*last < *first) return fail("\"" + std::string(item) + "\" runs backwards");
    for (int a = *first; a <= *last; ++a) {
      if (seen[static_cast<std::size_t>(a)]) return fail("address " + std::to_string(a) + " is listed twice");
      seen[static_cast<std::size_t>(a)] = true;
      addresses.push_back(static_cast<std::uint8_t>(a));
    }
  }
  return addresses;
}

std::string AddressListText(const std::vector<std::uint8_t>& addresses) {
  std::string text;
  for (std::size_t i = 0; i < addresses.size();) {
    std::size_t j = i;
    while (j + 1 < addresses.size() && addresses[j + 1] == addresses[j] + 1) ++j;
    if (!text.empty()) text += ',';
    text += std::to_string(addresses[i]);
    if (j >= i + 2) {
      text += '-' + std::to_string(addresses[j]);
      i = j + 1;
    } else {
      i += 1;
    }
  }
  return text;
}

}  // namespace korvane::bus
