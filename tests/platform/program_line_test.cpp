// The command-line layer the four programs share: how a table's options are read, and
// the texts of --help, --version and a usage error.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/ProgramLine.h"
#include "platform/Version.h"

namespace korvane::platform {
namespace {

constexpr ProgramOption kOptions[] = {
    {"device", "PATH", "the line"},
    {"module", "KIND", "one more module", true},
    {"verbose", nullptr, "every frame"},
    {"fault", "KIND[:every|once]", "inject a fault:\nfor every request or once", true},
};
const ProgramLineSpec kSpec{"korvane-x", "[options]", "A program.", kOptions};

TEST(ProgramLine, ReadsTheTableAndNamesWhatIsWrong) {
  const struct Case {
    std::vector<std::string> args;
    const char* error;  // nullptr: read
    std::vector<std::string> device = {}, module = {};
    bool verbose = false;
    std::vector<std::string> positional = {};
    std::vector<std::pair<std::string, std::string>> inOrder = {};  // checked when given
  } cases[] = {
      {{"--device", "/dev/ttyS0", "--verbose"}, nullptr, {"/dev/ttyS0"}, {}, true},
      {{"--device=/dev/x", "rest"}, nullptr, {"/dev/x"}, {}, false, {"rest"}},
      {{"--module", "3:1", "--module", "5:3"}, nullptr, {}, {"3:1", "5:3"}},
      {{"-device", "a"}, nullptr, {"a"}},
      {{"--module", "3:1", "--fault", "late", "--verbose", "--module", "5:3"},
       nullptr,
       {},
       {"3:1", "5:3"},
       true,
       {},
       {{"module", "3:1"}, {"fault", "late"}, {"verbose", ""}, {"module", "5:3"}}},
      {{"--device", "a", "--device", "b"}, "--device is given more than once"},
      {{"--device"}, "--device needs a value"},
      {{"--devices", "a"}, "unknown option --devices"},
      {{"-vd"}, "unknown option --vd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    std::string error;
    const auto line = ParseProgramLine(kSpec, c.args, &error);
    if (c.error) {
      EXPECT_FALSE(line);
      EXPECT_EQ(error, c.error);
      continue;
    }
    ASSERT_TRUE(line) << error;
    EXPECT_EQ(line->request, LineRequest::kRun);
    EXPECT_EQ(line->isSet("device") ? line->values.at("device") : std::vector<std::string>{}, c.device);
    EXPECT_EQ(line->isSet("module") ? line->values.at("module") : std::vector<std::string>{}, c.module);
    EXPECT_EQ(line->isSet("verbose"), c.verbose);
    EXPECT_EQ(line->positional, c.positional);
    if (!c.inOrder.empty()) {
      EXPECT_EQ(line->inOrder, c.inOrder);
    }
  }
}

TEST(ProgramLine, HelpVersionAndUsageErrorTexts) {
  std::string error;
  EXPECT_EQ(ParseProgramLine(kSpec, {"--devices", "--version"}, &error)->request, LineRequest::kVersion);
  EXPECT_EQ(ParseProgramLine(kSpec, {"--version", "-h"}, &error)->request, LineRequest::kHelp);

  std::ostringstream out;
  EXPECT_EQ(AnswerHelpOrVersion(kSpec, LineRequest::kHelp, out), 0);
  EXPECT_EQ(out.str(),
            "Usage: korvane-x [options]\n"
            "A program.\n"
            "\n"
            "Options:\n"
            "  --device PATH  the line\n"
            "  --module KIND  one more module\n"
            "  --verbose      every frame\n"
            "  --fault KIND[:every|once]\n"
            "                 inject a fault:\n"
            "                 for every request or once\n"
            "  --help         prints this text and exits\n"
            "  --version      prints the program's name and version and exits\n");
  out.str("");
  EXPECT_EQ(AnswerHelpOrVersion(kSpec, LineRequest::kVersion, out), 0);
  EXPECT_EQ(out.str(), std::string("korvane-x ") + kVersion + "\n");

  std::ostringstream err;
  EXPECT_EQ(AnswerUsageError("korvane-x", "unknown option --devices", err), kExitUsageError);
  EXPECT_EQ(err.str(), "korvane-x: unknown option --devices (korvane-x --help lists the options)\n");
}

}  // namespace
}  // namespace korvane::platform
