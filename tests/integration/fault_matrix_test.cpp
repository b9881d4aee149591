// Every korvane-cli command against the simulated line with every fault it can have:
// the exit status, a message on stderr, no earlier output file changed, and an end in
// bounded time. The table is what each command does under each fault (docs/development.md).
#include <QFile>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "DisplayUnit.h"
#include "cli_runner.h"
#include "pty_fixture.h"

namespace korvane::test {
namespace {

using sim::Fault;

struct FaultCase {
  const char* name;
  Fault fault;
  bool midWrite;  // aimed at the write of the output kind, in the middle of a write sequence
};

const FaultCase kFaults[] = {
    {"no-reply", Fault::kNoReply, false},   {"bad-check", Fault::kBadCheck, false},
    {"bad-end", Fault::kBadEnd, false},     {"watchdog", Fault::kWatchdog, false},
    {"stray", Fault::kStrayBytes, false},   {"late", Fault::kLate, false},
    {"hangup", Fault::kHangUp, false},      {"write no-reply", Fault::kNoReply, true},
    {"write hangup", Fault::kHangUp, true},
};

struct CommandCase {
  const char* name;
  // "OUT" stands for the command's output file, "IN" for a setup file, "DISPLAY" for a
  // display file.
  std::vector<const char*> args;
  const char* output;  // the file the command writes, nullptr for none
  // Exit status per fault, in the order of kFaults.
  std::vector<int> exits;
};

// Names the row in test logs instead of dumping its bytes.
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

// A fault on every request ends each command with 1 (no answer, or the line lost); a
// write sequence that breaks off does too, and concerns only config-write and
// display-write (whose outputs include the output kind).
const CommandCase kCommands[] = {
    {"info", {"info"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"live", {"live", "--count", "2", "--poll", "300"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"config-read", {"config-read", "-o", "OUT"}, "read.qx4", {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"config-write", {"config-write", "IN"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {"config-print", {"config-print", "-o", "OUT"}, "print.pdf", {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"config-diff", {"config-diff", "IN"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"logger-read", {"logger-read", "-o", "OUT"}, "logger.txt", {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"logger-read --display", {"logger-read", "--display", "-o", "OUT"}, "unit.txt", {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"live --record",
     {"live", "--count", "2", "--poll", "300", "--record", "OUT"},
     "rec.txt",
     {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"logger-clear", {"logger-clear", "--yes"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"clock-set", {"clock-set"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"logger-info", {"logger-info"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"display-read", {"display-read", "-o", "OUT"}, "read.rw8", {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"display-write", {"display-write", "DISPLAY"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {"display-contrast", {"display-contrast", "7"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"param-report", {"param-report", "-o", "OUT"}, "report.pdf", {1, 1, 1, 1, 1, 1, 1, 0, 0}},
    {"scan", {"scan"}, nullptr, {1, 1, 1, 1, 1, 1, 1, 0, 0}},
};

class FaultMatrix : public LinkOverPty, public ::testing::WithParamInterface<CommandCase> {
 protected:
  void SetUp() override {
    bus.Add(std::make_shared<sim::DisplayUnit>());
    LinkOverPty::SetUp();
  }
  QStringList Args(const CommandCase& c) const {
    QStringList args{"--settings", dir.path(), "--port", "1"};
    for (const char* a : c.args) {
      const QString arg = QString::fromUtf8(a);
      args << (arg == "OUT"       ? dir.filePath(c.output)
               : arg == "IN"      ? dir.filePath("setup.qx4")
               : arg == "DISPLAY" ? dir.filePath("display.rw8")
                                  : arg);
    }
    return args;
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
  }
  static void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }

  QProcessEnvironment env = [] {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("KORVANE_REPLY_TIMEOUT_MS", "300");
    e.insert("KORVANE_SECOND_MS", "50");
    return e;
  }();
};

TEST_P(FaultMatrix, EachFault) {
  const CommandCase& c = GetParam();
  ASSERT_EQ(c.exits.size(), std::size(kFaults));
  // A setup file read from the healthy module, for config-write.
  const CliResult made =
      RunCli({"--settings", dir.path(), "--port", "1", "config-read", "-o", dir.filePath("setup.qx4")}, env);
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const QByteArray setup = Read(dir.filePath("setup.qx4"));
  // A display file read from the healthy display unit, for display-write.
  const CliResult displayMade =
      RunCli({"--settings", dir.path(), "--port", "1", "display-read", "-o", dir.filePath("display.rw8")}, env);
  ASSERT_EQ(displayMade.exitCode, 0) << displayMade.err;
  const QByteArray display = Read(dir.filePath("display.rw8"));
  bus.SetLateDelayMs(600);  // later than the reply time-out

  for (std::size_t i = 0; i < std::size(kFaults); ++i) {
    const FaultCase& f = kFaults[i];
    SCOPED_TRACE(std::string(c.name) + " / " + f.name);
    if (!server.isOpen()) {
      ASSERT_TRUE(server.Reopen()) << server.error();
    }
    bus.ClearFaults();
    if (f.midWrite)
      bus.FaultWhen(link::kWrite, link::kOutputKind.number, f.fault);
    else
      bus.SetFault(f.fault);
    if (c.output) Write(dir.filePath(c.output), "earlier");

    const CliResult r = RunCli(Args(c), env);
    EXPECT_EQ(r.exitCode, c.exits[i]) << r.err;
    EXPECT_LT(r.elapsedMs, 8000);
    if (r.exitCode != 0) {
      EXPECT_FALSE(r.err.empty());
      if (c.output) {
        EXPECT_EQ(Read(dir.filePath(c.output)), "earlier");
      }
    }
    EXPECT_EQ(Read(dir.filePath("setup.qx4")), setup);  // an input is never written
    EXPECT_EQ(Read(dir.filePath("display.rw8")), display);
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, FaultMatrix, ::testing::ValuesIn(kCommands),
                         [](const ::testing::TestParamInfo<CommandCase>& info) {
                           std::string name = info.param.name;
                           std::string id;
                           for (char ch : name)
                             if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '-') id += ch == '-' ? '_' : ch;
                           return id;
                         });

}  // namespace
}  // namespace korvane::test
