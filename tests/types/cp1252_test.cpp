#include <gtest/gtest.h>

#include <string>

#include "types/Cp1252.h"

namespace korvane::types {
namespace {

TEST(Cp1252, ProgramCharactersAreSingleBytes) {
  struct Case {
    const char* utf8;
    const char* cp1252;
  } cases[] = {
      {"20\xC2\xB0"
       "C",
       "20\xB0"
       "C"},                               // °
      {"200\xC2\xB5S/cm", "200\xB5S/cm"},  // µ
      {"Tr\xC3\xBC"
       "bung",
       "Tr\xFC"
       "bung"},                                      // ü
      {"Ger\xC3\xA4teadresse", "Ger\xE4teadresse"},  // ä
      {"\xC3\x96l \xC3\x9F", "\xD6l \xDF"},          // Ö, ß
      {"\xE2\x82\xAC 5", "\x80 5"},                  // € from the 0x80 row
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},    // curly quotes
      {"plain ASCII\r\n", "plain ASCII\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(ToWindows1252(c.utf8), c.cp1252);
    EXPECT_EQ(FromWindows1252(c.cp1252), c.utf8);
  }
}

TEST(Cp1252, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(ToWindows1252("a\xE2\x86\x92"
                          "b"),
            "a?b");                                   // arrow
  EXPECT_EQ(ToWindows1252("\xF0\x9F\x98\x80"), "?");  // four-byte emoji
}

TEST(Cp1252, InvalidUtf8BytesAreKept) {
  // A lone Windows-1252 byte (already converted text) passes through unchanged,
  // including a truncated sequence at the end.
  EXPECT_EQ(ToWindows1252("Tr\xFC"
                          "bung"),
            "Tr\xFC"
            "bung");
  EXPECT_EQ(ToWindows1252("x\xC3"), "x\xC3");
  EXPECT_EQ(ToWindows1252("\xC0\xAF"), "\xC0\xAF");  // overlong form is not decoded
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToWindows1252(FromWindows1252(all)), all);
}

}  // namespace
}  // namespace korvane::types
