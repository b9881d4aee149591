#pragma once
// A real ser2net in front of a serial device (the simulator's pseudo-terminal), on free
// ports of 127.0.0.1 only: one accepter with com-port control (telnet, RFC 2217) and one
// raw TCP accepter, and a plain telnet accepter that refuses com-port control. Header-only so bench/ can use it too.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>

#include <string>

#include "support/LocalBroker.h"  // FreeLoopbackPort, Program

namespace korvane::test {

// Whether something listens on the loopback port, without connecting (a connect would
// make ser2net open the device).
inline bool Listening(int port) {
  QFile f("/proc/net/tcp");
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray wanted = QByteArray("0100007F:") + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
  for (const QByteArray& line : f.readAll().split('\n')) {
    const QList<QByteArray> cols = line.simplified().split(' ');
    if (cols.size() > 3 && cols[1] == wanted && cols[3] == "0A") return true;
  }
  return false;
}

class LocalSer2Net {
 public:
  ~LocalSer2Net() { Stop(); }

  // Starts ser2net for device with its configuration in folder; false with error().
  bool Start(const std::string& device, const QString& folder) {
    if (Program("ser2net").isEmpty()) {
      error_ = "ser2net is not installed (scripts/setup installs it)";
      return false;
    }
    rfc2217Port = FreeLoopbackPort();
    rawPort = FreeLoopbackPort();
    while (rawPort == rfc2217Port) rawPort = FreeLoopbackPort();
    telnetPort = FreeLoopbackPort();
    while (telnetPort == rfc2217Port || telnetPort == rawPort) telnetPort = FreeLoopbackPort();
    const QString config = QDir(folder).filePath("ser2net.yaml");
    QFile f(config);
    if (!f.open(QIODevice::WriteOnly)) {
      error_ = "cannot write " + config.toStdString();
      return false;
    }
    // ser2net holds received bytes back a little by default to send them in fewer
    // packets, and its raw accepter leaves Nagle's algorithm on; a module line gains
    // nothing from either (a reply is eleven bytes), so the README advises both off.
    const QByteArray connector = QByteArray("serialdev,") + QByteArray::fromStdString(device) +
                                 ",4800n81,local\n  options:\n    chardelay: false";
    f.write("connection: &rfc2217\n  accepter: telnet(rfc2217),tcp,127.0.0.1," + QByteArray::number(rfc2217Port) +
            "\n  connector: " + connector + "\nconnection: &raw\n  accepter: tcp(nodelay),127.0.0.1," +
            QByteArray::number(rawPort) + "\n  connector: " + connector +
            "\nconnection: &telnet\n  accepter: telnet,tcp,127.0.0.1," + QByteArray::number(telnetPort) +
            "\n  connector: " + connector + "\n");
    f.close();
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(Program("ser2net"), {"-n", "-c", config, "-P", QDir(folder).filePath("ser2net.pid")});
    if (!process_.waitForStarted(5000)) {
      error_ = "ser2net does not start";
      return false;
    }
    QElapsedTimer t;
    t.start();
    while (!(Listening(rfc2217Port) && Listening(rawPort) && Listening(telnetPort))) {
      if (t.elapsed() > 5000 || process_.state() != QProcess::Running) {
        error_ = "ser2net does not listen: " + process_.readAll().toStdString();
        return false;
      }
      QThread::msleep(5);
    }
    return true;
  }

  // Ends it at once, as a crash or a pulled network cable at the server would.
  void Kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(3000);
  }
  void Stop() { Kill(); }

  std::string rfc2217() const { return "rfc2217://127.0.0.1:" + std::to_string(rfc2217Port); }
  std::string raw() const { return "socket://127.0.0.1:" + std::to_string(rawPort); }
  // Telnet without com-port control, named as if it had it.
  std::string plainTelnet() const { return "rfc2217://127.0.0.1:" + std::to_string(telnetPort); }
  const std::string& error() const { return error_; }

  int rfc2217Port = 0;
  int rawPort = 0;
  int telnetPort = 0;

 private:
  QProcess process_;
  std::string error_;
};

}  // namespace korvane::test
