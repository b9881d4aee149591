#pragma once
// Runs the korvane-cli binary of this build while the test's event loop keeps serving
// the simulated line.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>

#include "pty_fixture.h"

namespace korvane::test {

struct CliResult {
  int exitCode = -1;  // -2: crashed
  std::string out, err;
  qint64 elapsedMs = 0;
};

inline QString CliBinary() {
  return QDir(QCoreApplication::applicationDirPath()).filePath("../apps/korvane-cli/korvane-cli");
}

inline CliResult RunCli(const QStringList& args,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(), int limitMs = 20000,
                        const QString& workingFolder = {}) {
  CliResult r;
  QProcess p;
  p.setProcessEnvironment(env);
  if (!workingFolder.isEmpty()) p.setWorkingDirectory(workingFolder);
  QElapsedTimer t;
  t.start();
  p.start(CliBinary(), args);
  if (!p.waitForStarted(5000)) {
    r.err = "cannot start " + CliBinary().toStdString();
    return r;
  }
  if (!WaitFor([&] { return p.state() == QProcess::NotRunning; }, limitMs)) {
    p.kill();
    p.waitForFinished();
    r.err = "timed out";
    return r;
  }
  r.elapsedMs = t.elapsed();
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

}  // namespace korvane::test
