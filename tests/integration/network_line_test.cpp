// The programs over a real ser2net in front of the simulator's pseudo-terminal: with
// com-port control (rfc2217://) every flow runs as on the direct line, the rate changes
// included; over raw TCP (socket://) what needs another rate is refused before anything
// is sent; a server that dies mid-flow is the lost line.
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

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
    // A logger stream ends after three seconds without a frame: at 100 ms a second, a
    // loaded machine (sanitizers, the suite in parallel) pausing a process for 150 ms
    // cannot end a readout early.
    e.insert("KORVANE_SECOND_MS", "100");
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
  EXPECT_EQ(maxBaud, link::kMediumBaud);            // the module's stream rate, set through the server
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
  for (const QStringList& args :
       {QStringList{"logger-read", "-o", file}, QStringList{"logger-read", "--display", "-o", file},
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

// A server that answers every connection with the given bytes, once it has read some.
class ScriptedServer {
 public:
  explicit ScriptedServer(QByteArray answer, bool flood = false) : answer_(std::move(answer)), flood_(flood) {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
          s->readAll();
          if (!answer_.isEmpty()) s->write(answer_);
          if (flood_) QTimer::singleShot(1, s, [s] { s->write(QByteArray(4096, '\x02')); });
        });
        if (flood_) {
          auto* t = new QTimer(s);
          QObject::connect(t, &QTimer::timeout, s, [s] {
            if (s->bytesToWrite() < 65536) s->write(QByteArray(4096, '\x5A'));
          });
          t->start(1);
        }
      }
    });
  }
  int port() const { return server_.serverPort(); }

 private:
  QTcpServer server_;
  QByteArray answer_;
  bool flood_;
};

TEST_F(NetworkLine, ServersThatMisbehaveEndWithAClearMessage) {
  ScriptedServer silent{QByteArray()};
  // Agrees to com-port control, then answers every rate with 9600.
  ScriptedServer otherRate(QByteArray("\xFF\xFD\x2C\xFF\xFA\x2C\x65\x00\x00\x25\x80\xFF\xF0", 13));
  ScriptedServer flood(QByteArray(), true);
  const auto at = [](const char* scheme, int port) {
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(port);
  };
  const struct {
    std::string device;
    int exit;
    const char* says;
  } cases[] = {
      {at("rfc2217", silent.port()), 3, "does not answer the Telnet negotiation"},
      {ser2net.plainTelnet(), 3, "refuses com-port control"},
      {at("rfc2217", otherRate.port()), 3, "asked for 4800 baud, the server set 9600 baud"},
      {at("socket", flood.port()), 1, "Error data communication"},
  };
  env.insert("KORVANE_REPLY_TIMEOUT_MS", "300");
  const QString file = dir.filePath("read.qx4");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.device);
    Write(file, "earlier");
    const CliResult r = Cli(c.device, {"config-read", "-o", file});
    EXPECT_EQ(r.exitCode, c.exit) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_LT(r.elapsedMs, 8000);
    EXPECT_EQ(Read(file), "earlier");
  }
}

TEST_F(NetworkLine, ServerKilledMidReadoutIsTheLostLine) {
  amp->FillLogger(400);
  const QString file = dir.filePath("remote.txt");
  QProcess cli;
  cli.setProcessEnvironment(env);
  cli.start(CliBinary(), {"--settings", dir.path(), "--lang", "en", "--device",
                          QString::fromStdString(ser2net.rfc2217()), "logger-read", "-o", file});
  ASSERT_TRUE(WaitFor([&] { return streaming; }, 15000));
  WaitFor([] { return false; }, 300);  // some records on their way
  ser2net.Kill();
  ASSERT_TRUE(WaitFor([&] { return cli.state() == QProcess::NotRunning; }, 15000));
  const std::string err = cli.readAllStandardError().toStdString();
  EXPECT_EQ(cli.exitCode(), 1) << err;
  EXPECT_NE(err.find("connection to " + ser2net.rfc2217() + " was broken off"), std::string::npos) << err;
  // The module was switched to its fast rate and nobody switched it back.
  EXPECT_NE(err.find("it may still be at that rate"), std::string::npos) << err;
  // Whole records only: every line after the header has as many fields as the first.
  const QList<QByteArray> lines = Read(file).split('\n');
  ASSERT_GT(lines.size(), 2);
  const auto fields = lines[1].count('\t');
  for (qsizetype i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].count('\t'), fields) << i;
  EXPECT_LT(lines.size() - 1, 400);
}

// The server back, the next command finds the module at 19200 baud, where the cut-off
// readout left it, and sets it back to 4800.
TEST_F(NetworkLine, TheNextCommandFindsAModuleACutOffReadoutLeftFast) {
  amp->SetBaud(19200);
  QProcessEnvironment e = env;
  e.insert("KORVANE_REPLY_TIMEOUT_MS", "1500");
  const CliResult r = RunCli(
      {"--settings", dir.path(), "--lang", "en", "--device", QString::fromStdString(ser2net.rfc2217()), "info"}, e);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "Module answered at 19200 baud; set back to 4800.\n");
  EXPECT_EQ(amp->baud(), 4800);
  EXPECT_EQ(server.clientBaud(), 4800);
}

}  // namespace
}  // namespace korvane::test
