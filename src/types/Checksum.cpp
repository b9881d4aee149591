#include "types/Checksum.h"

namespace korvane::types {

std::uint32_t SignedByteSum(std::string_view bytes) {
  std::uint32_t sum = 0;
  for (char c : bytes) sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
  return sum;
}

}  // namespace korvane::types
