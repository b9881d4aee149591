// The programs over a real ser2net in front of the simulator's pseudo-terminal: with
// com-port control (rfc2217://) every flow runs as on the direct line, the rate changes
// included; over raw TCP (socket://) what needs another rate is refused before anything
// is sent; a server that dies mid-flow is the lost line.
#include <QFile>

#include <string>

#include "cli_runner.h"
#include "pty_fixture.h"
#include "support/LocalSer2Net.h"

namespace korvane::test {
namespace {

class NetworkLine : public LinkOverPty {
 protected:
  void SetUp() override {
    LinkOverPty::SetUp();
    if (Program("ser2net").isEmpty()) GTEST_SKIP() << "ser2net is not installed (scripts/setup installs it)";
    ASSERT_TRUE(ser2net.Start(server.slavePath(), dir.path())) << ser2net.error();
    server.setPacing(true);
    server.onFrame = [this](bool in, const std::vector<std::uint8_t>& bytes, const std::string&) {
      if (in && bytes.size() == link::kFrameSize) {
        ++requests;
        maxBaud = std::max(maxBaud, server.clientBaud());
        if (bytes[2] == link::kLoggerRecord.group && bytes[4] == link::kLoggerRecord.number) streaming = true;
      }
    };
  }

  CliResult Cli(const std::string& device, QStringList args) {
    QStringList all{"--settings", dir.path(), "--lang", "en"};
    all << (device.empty() ? QStringList{"--port", "1"} : QStringList{"--device", QString::fromStdString(device)});
    return RunCli(all + args, env);
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

  LocalSer2Net ser2net;
  int requests = 0;
  int maxBaud = 0;
  bool streaming = false;
  QProcessEnvironment env = [] {
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("KORVANE_SECOND_MS", "50");
    return e;
  }();
};

TEST_F(NetworkLine, LoggerReadOverRfc2217IsTheDirectOneAtTheFastRate) {
  const QString direct = dir.filePath("direct.txt"), remote = dir.filePath("remote.txt");
  const CliResult d = Cli("", {"logger-read", "-o", direct});
  ASSERT_EQ(d.exitCode, 0) << d.err;
  maxBaud = 0;
  const CliResult r = Cli(ser2net.rfc2217(), {"logger-read", "-o", remote});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, d.out);
  EXPECT_EQ(Read(remote), Read(direct));
  EXPECT_EQ(maxBaud, link::kMediumBaud);  // the module's stream rate, set through the server
  EXPECT_EQ(server.clientBaud(), link::kSlowBaud);  // and back
}

TEST_F(NetworkLine, ConfigurationReadOverRawTcpIsTheDirectOne) {
  server.setPacing(false);  // many short exchanges: the pace proves nothing here
  const QString direct = dir.filePath("direct.qx4"), remote = dir.filePath("remote.qx4");
  const CliResult d = Cli("", {"config-read", "-o", direct});
  ASSERT_EQ(d.exitCode, 0) << d.err;
  const CliResult r = Cli(ser2net.raw(), {"config-read", "-o", remote});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Read(remote), Read(direct));
}

TEST_F(NetworkLine, RateChangesAreRefusedOverRawTcpBeforeAnythingIsSent) {
  const QString file = dir.filePath("out");
  for (const QStringList& args : {QStringList{"logger-read", "-o", file}, QStringList{"logger-read", "--display", "-o", file},
                                  QStringList{"display-read", "-o", file}, QStringList{"logger-info"}}) {
    SCOPED_TRACE(args.join(' ').toStdString());
    Write(file, "earlier");
    requests = 0;
    const CliResult r = Cli(ser2net.raw(), args);
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_NE(r.err.find("rfc2217://"), std::string::npos) << r.err;
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(Read(file), "earlier");
  }
}

TEST_F(NetworkLine, ServerKilledMidReadoutIsTheLostLine) {
  amp->FillLogger(400);
  const QString file = dir.filePath("remote.txt");
  QProcess cli;
  cli.setProcessEnvironment(env);
  cli.start(CliBinary(), {"--settings", dir.path(), "--lang", "en", "--device", QString::fromStdString(ser2net.rfc2217()),
                          "logger-read", "-o", file});
  ASSERT_TRUE(WaitFor([&] { return streaming; }, 15000));
  WaitFor([] { return false; }, 300);  // some records on their way
  ser2net.Kill();
  ASSERT_TRUE(WaitFor([&] { return cli.state() == QProcess::NotRunning; }, 15000));
  const std::string err = cli.readAllStandardError().toStdString();
  EXPECT_EQ(cli.exitCode(), 1) << err;
  EXPECT_NE(err.find("connection to " + ser2net.rfc2217() + " was broken off"), std::string::npos) << err;
  // Whole records only: every line after the header has as many fields as the first.
  const QList<QByteArray> lines = Read(file).split('\n');
  ASSERT_GT(lines.size(), 2);
  const auto fields = lines[1].count('\t');
  for (qsizetype i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].count('\t'), fields) << i;
  EXPECT_LT(lines.size() - 1, 400);
}

}  // namespace
}  // namespace korvane::test
