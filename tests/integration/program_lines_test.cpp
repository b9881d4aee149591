// The four programs answer their command lines alike: --help prints the usage (status 0),
// --version the program's name and the build's one version (status 0), and a usage error
// names the program and what is wrong, points to --help and ends with status 2, before
// anything is opened (the desktop program needs no display for any of them).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <string>

#include "platform/Language.h"
#include "platform/Version.h"

namespace korvane::test {
namespace {

struct Outcome {
  int status = -1;
  std::string out, err;
};

Outcome Start(const QString& binary, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  p.setProcessEnvironment(env);
  p.start(QDir(QCoreApplication::applicationDirPath()).filePath(binary), args);
  Outcome r;
  if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit) {
    p.kill();
    p.waitForFinished();
    return r;
  }
  r.status = p.exitCode();
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

TEST(ProgramLines, HelpVersionAndUsageErrorsAreAlikeInEveryProgram) {
  const struct {
    const char* program;
    const char* binary;  // beside the test programs' folder
  } programs[] = {
      {"korvane", "../apps/korvane/korvane"},
      {"korvane-cli", "../apps/korvane-cli/korvane-cli"},
      {"korvane-sim", "../sim/korvane-sim"},
      {"korvane-station", "../apps/korvane-station/korvane-station"},
  };
  for (const auto& p : programs) {
    SCOPED_TRACE(p.program);
    const std::string name = p.program;
    const Outcome help = Start(p.binary, {"--help"});
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.rfind("Usage: " + name + " ", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    // -h is --help, and both win over whatever else the line holds.
    const Outcome shortHelp = Start(p.binary, {"--no-such-option", "-h"});
    EXPECT_EQ(shortHelp.status, 0) << shortHelp.err;
    EXPECT_EQ(shortHelp.out, help.out);

    const Outcome version = Start(p.binary, {"--version", "--no-such-option"});
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, name + " " + platform::kVersion + "\n");

    for (const QStringList& bad : {QStringList{"--no-such-option"}, QStringList{"--no-such-option", "--x"}}) {
      const Outcome r = Start(p.binary, bad);
      EXPECT_EQ(r.status, 2) << r.err;
      EXPECT_EQ(r.err.rfind(name + ": ", 0), 0u) << r.err;
      EXPECT_NE(r.err.find("unknown option --no-such-option"), std::string::npos) << r.err;
      EXPECT_NE(r.err.find("(" + name + " --help lists the options)\n"), std::string::npos) << r.err;
      EXPECT_TRUE(r.out.empty()) << r.out;
    }
  }
}

// What each program's own table refuses, in the one wording and with status 2.
TEST(ProgramLines, EachProgramNamesWhatIsWrongWithItsLine) {
  const std::string langError = "--lang takes " + LanguageCodeList() + ", not \"xx\"";
  const struct {
    const char* program;
    const char* binary;
    QStringList args;
    const char* what;
  } rows[] = {
      {"korvane", "../apps/korvane/korvane", {"--bus"}, "--bus needs a value"},
      {"korvane-cli", "../apps/korvane-cli/korvane-cli", {}, "no command given"},
      {"korvane-cli",
       "../apps/korvane-cli/korvane-cli",
       {"--port", "0", "info"},
       "--port takes a whole number from 1 to 255, not \"0\""},
      {"korvane-cli", "../apps/korvane-cli/korvane-cli", {"info", "--lang", "xx"}, langError.c_str()},
      {"korvane-cli", "../apps/korvane-cli/korvane-cli", {"no-such-command"}, "unknown command \"no-such-command\""},
      {"korvane-sim", "../sim/korvane-sim", {"--type"}, "--type needs a value"},
      {"korvane-sim", "../sim/korvane-sim", {"--type", "1", "--type", "2"}, "--type is given more than once"},
      {"korvane-sim", "../sim/korvane-sim", {"--link", "/tmp/x", "stray"}, "unknown argument \"stray\""},
      {"korvane-sim", "../sim/korvane-sim", {"--baud", "9600"}, "--baud needs 4800, 19200 or 38400"},
      {"korvane-station", "../apps/korvane-station/korvane-station", {"--config"}, "--config needs a value"},
      {"korvane-station", "../apps/korvane-station/korvane-station", {"--once=yes"}, "--once takes no value"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.program) + " " + r.args.join(QLatin1Char(' ')).toStdString());
    const Outcome o = Start(r.binary, r.args);
    EXPECT_EQ(o.status, 2) << o.err;
    EXPECT_EQ(o.err, std::string(r.program) + ": " + r.what + " (" + r.program + " --help lists the options)\n");
    EXPECT_TRUE(o.out.empty()) << o.out;
  }
}

}  // namespace
}  // namespace korvane::test
