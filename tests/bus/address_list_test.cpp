#include <gtest/gtest.h>

#include "bus/AddressList.h"

namespace korvane::bus {
namespace {

struct Row {
  const char* text;
  std::vector<std::uint8_t> addresses;  // expected when error is empty
  const char* error;                    // part of the message naming the value
};

TEST(AddressList, ParsesListsAndRangesAndNamesTheBadValue) {
  const Row rows[] = {
      {"0", {0}, ""},
      {"0,3,5-7", {0, 3, 5, 6, 7}, ""},
      {" 31 , 2 - 4 ", {31, 2, 3, 4}, ""},
      {"0-31", {}, ""},  // all 32, checked below
      {"", {}, "empty"},
      {"  ", {}, "empty"},
      {"1,,2", {}, "empty item"},
      {"3,", {}, "empty item"},
      {"32", {}, "\"32\""},
      {"-1", {}, "\"-1\""},
      {"5-40", {}, "\"5-40\""},
      {"7-5", {}, "\"7-5\" runs backwards"},
      {"x", {}, "\"x\""},
      {"1.5", {}, "\"1.5\""},
      {"+3", {}, "\"+3\""},
      {"3,5-7,6", {}, "address 6 is listed twice"},
      {"4,4", {}, "address 4 is listed twice"},
  };
  for (const Row& row : rows) {
    std::string error;
    const auto list = ParseAddressList(row.text, &error);
    if (std::string(row.error).empty()) {
      ASSERT_TRUE(list) << row.text << ": " << error;
      if (std::string(row.text) == "0-31")
        EXPECT_EQ(list->size(), 32u);
      else
        EXPECT_EQ(*list, row.addresses) << row.text;
      EXPECT_EQ(*ParseAddressList(AddressListText(*list), nullptr), *list) << row.text;
    } else {
      EXPECT_FALSE(list) << row.text;
      EXPECT_NE(error.find(row.error), std::string::npos) << row.text << ": " << error;
    }
  }
  EXPECT_EQ(AddressListText({0, 3, 5, 6, 7, 9, 10}), "0,3,5-7,9,10");
}

}  // namespace
}  // namespace korvane::bus
