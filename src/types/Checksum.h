#pragma once
// The checksum of the setup and display files: the sum of the bytes taken as signed
// 8-bit numbers, wrapping in 32 bits. Pure C++.
#include <cstdint>
#include <string_view>

namespace korvane::types {

std::uint32_t SignedByteSum(std::string_view bytes);

}  // namespace korvane::types
