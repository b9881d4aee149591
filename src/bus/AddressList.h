#pragma once
// The modules of a bus as the user lists them: "0,3,5-7". Shared by the command line
// of korvane-cli and the station's configuration.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::bus {

// The addresses in the order given, ranges expanded; each 0..31 and listed once.
// Blanks around items are allowed. Nothing, with *error naming the bad value, for an
// empty list or item, a value outside 0..31, a backwards range or a repeated address.
std::optional<std::vector<std::uint8_t>> ParseAddressList(std::string_view text, std::string* error);

// The list written back in the same form, ranges of three or more joined: "0,3,5-7".
std::string AddressListText(const std::vector<std::uint8_t>& addresses);

}  // namespace korvane::bus
