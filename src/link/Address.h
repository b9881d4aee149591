#pragma once
// The address field's up-down control runs over 0..255, but a module address is
// 0..31 or 255: positions 32..253 become 255 and 254 becomes 31, so stepping up
// from 31 gives 255 and stepping down from 255 gives 31.
namespace korvane::link {

constexpr int FoldAddressPosition(int position) {
  if (position >= 32 && position <= 253) return 255;
  if (position == 254) return 31;
  if (position < 0) return 0;
  if (position > 255) return 255;
  return position;
}

}  // namespace korvane::link
