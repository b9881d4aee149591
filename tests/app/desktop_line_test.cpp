// The desktop program's command line, one row per rule: its options and their values,
// --help and --version over everything else, Qt's own options left to Qt, and every
// usage error's text.
#include <gtest/gtest.h>

#include "app/DesktopLine.h"

namespace korvane::app {
namespace {

TEST(DesktopLine, OptionsQtsOwnAndUsageErrors) {
  using platform::LineRequest;
  const struct Case {
    std::vector<std::string> args;
    const char* error;  // nullptr: read
    LineRequest request = LineRequest::kRun;
    std::vector<std::uint8_t> bus = {};
    const char* history = "";
  } cases[] = {
      {{}, nullptr},
      {{"--bus", "3,5-7"}, nullptr, LineRequest::kRun, {3, 5, 6, 7}},
      {{"--bus=0"}, nullptr, LineRequest::kRun, {0}},
      {{"--history", "none", "--bus", "1"}, nullptr, LineRequest::kRun, {1}, "none"},
      {{"--history", "/tmp/h.sqlite"}, nullptr, LineRequest::kRun, {}, "/tmp/h.sqlite"},
      {{"-platform", "offscreen", "-reverse", "--bus", "2"}, nullptr, LineRequest::kRun, {2}},
      {{"--bus", "99", "--help"}, nullptr, LineRequest::kHelp},
      {{"-h"}, nullptr, LineRequest::kHelp},
      {{"--version", "--bogus"}, nullptr, LineRequest::kVersion},
      {{"--bogus"}, "unknown option --bogus"},
      {{"-bus", "1", "-x"}, "unknown option --x"},
      {{"extra"}, "unknown argument \"extra\""},
      {{"--bus"}, "--bus needs a value"},
      {{"--bus", "32"}, "--bus needs addresses 0..31 such as 0,3,5-7: "},
      {{"--bus", "1", "--bus", "2"}, "--bus is given more than once"},
      {{"--history", ""}, "--history needs a file, a postgresql:// URL or none"},
      {{"--history", "postgresql://"}, "--history: names no database"},
  };
  for (const Case& c : cases) {
    std::string trace;
    for (const std::string& a : c.args) trace += a + " ";
    SCOPED_TRACE(trace);
    std::string error;
    const auto line = ReadDesktopLine(c.args, &error);
    if (c.error) {
      EXPECT_FALSE(line);
      EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
      continue;
    }
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->request, c.request);
    if (c.request != LineRequest::kRun) continue;
    EXPECT_EQ(line->bus.value_or(std::vector<std::uint8_t>{}), c.bus);
    EXPECT_EQ(line->bus.has_value(), !c.bus.empty());
    EXPECT_EQ(line->history, c.history);
  }
}

}  // namespace
}  // namespace korvane::app
