// korvane-cli logger-read killed with SIGKILL while it writes the export's header: the
// file is the earlier one or begins with the whole header, never a part of it.
#include <QFile>
#include <QProcess>

#include <string>

#include "cli_runner.h"
#include "pty_fixture.h"

namespace korvane::test {
namespace {

using ExportKill = LinkOverPty;

QByteArray Contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

TEST_F(ExportKill, KilledDuringTheHeaderLeavesTheEarlierFileOrTheWholeHeader) {
  const QString file = dir.filePath("logger.txt");
  const QStringList args{"--settings", dir.path(), "--port", "1", "logger-read", "-o", file};
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("KORVANE_REPLY_TIMEOUT_MS", "300");
  env.insert("KORVANE_SECOND_MS", "50");
  const CliResult whole = RunCli(args, env);
  ASSERT_EQ(whole.exitCode, 0) << whole.err;
  const QByteArray full = Contents(file);
  const QByteArray header = full.left(full.indexOf('\n'));
  ASSERT_TRUE(header.startsWith("date\ttime\t") && header.contains("device:")) << header.toStdString();

  // The header follows the replies to the two channel name requests: the kill comes
  // after the first of them, at delays that cover the moments around its write.
  bool named = false;
  server.onFrame = [&](bool in, const std::vector<std::uint8_t>& bytes, const std::string&) {
    if (in && bytes.size() == link::kFrameSize && bytes[2] == link::kValues && bytes[4] == link::kChannelName.number)
      named = true;
  };
  int earlier = 0, headed = 0;
  for (int delayMs : {0, 1, 2, 3, 4, 6, 8, 11, 15, 20}) {
    SCOPED_TRACE(delayMs);
    {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write("earlier");
    }
    named = false;
    amp->SetBaud(4800);  // a kill after the header may leave the module at its fast rate
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(CliBinary(), args);
    ASSERT_TRUE(p.waitForStarted(5000));
    ASSERT_TRUE(WaitFor([&] { return named; }, 10000));
    QElapsedTimer t;
    t.start();
    WaitFor([&] { return t.elapsed() >= delayMs; }, 1000);
    p.kill();  // SIGKILL
    ASSERT_TRUE(WaitFor([&] { return p.state() == QProcess::NotRunning; }, 5000));
    const QByteArray now = Contents(file);
    if (now == "earlier")
      ++earlier;
    else if (now.startsWith(header))
      ++headed;
    else
      ADD_FAILURE() << "a part of the header: " << now.toStdString();
  }
  // Where the kills fell, for the test log.
  RecordProperty("earlier", earlier);
  RecordProperty("whole header", headed);
}

}  // namespace
}  // namespace korvane::test
