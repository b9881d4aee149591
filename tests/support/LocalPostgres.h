#pragma once
// A real PostgreSQL server for tests and benchmarks: its cluster and its Unix socket in a
// folder of the caller, no TCP listener at all (listen_addresses=''), trust for the one
// superuser "korvane". The server refuses to run as root: there it runs as "nobody".
// Header-only so bench/ can use it too.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <pwd.h>
#include <unistd.h>

#include <string>
#include <utility>

namespace korvane::test {

class LocalPostgres {
 public:
  explicit LocalPostgres(QString folder) : folder_(std::move(folder)) {}
  ~LocalPostgres() { Stop(); }
  LocalPostgres(const LocalPostgres&) = delete;
  LocalPostgres& operator=(const LocalPostgres&) = delete;

  // The newest installed server's program, "" when there is none.
  static QString Program(const char* name) {
    const QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (auto it = versions.rbegin(); it != versions.rend(); ++it) {
      const QString path = QString("/usr/lib/postgresql/%1/bin/%2").arg(*it, QLatin1String(name));
      if (QFile::exists(path)) return path;
    }
    return {};
  }
  static bool Available() { return !Program("initdb").isEmpty() && !Program("pg_ctl").isEmpty(); }

  // A fresh cluster, started; false with the programs' words.
  bool Start(std::string* error) {
    QDir().mkpath(folder_ + "/socket");
    if (::geteuid() == 0) {
      const passwd* nobody = ::getpwnam("nobody");
      if (!nobody) return Fail(error, "no user nobody to run the server as");
      owner_ = QString::fromLocal8Bit(nobody->pw_name);
      for (const QString& p : {folder_, folder_ + "/socket"})
        if (::chown(p.toLocal8Bit().constData(), nobody->pw_uid, nobody->pw_gid) != 0)
          return Fail(error, "cannot hand " + p.toStdString() + " to nobody");
    }
    if (!Run(Program("initdb"), {"-D", Data(), "-U", "korvane", "--auth=trust", "-E", "UTF8", "--no-sync"}, error))
      return false;
    const QString options = "-k " + folder_ + "/socket -c listen_addresses='' -c fsync=off -p 5432";
    if (!Run(Program("pg_ctl"), {"-D", Data(), "-l", folder_ + "/server.log", "-o", options, "-w", "start"}, error))
      return false;
    running_ = true;
    return true;
  }
  void Stop() {
    if (std::exchange(running_, false))
      Run(Program("pg_ctl"), {"-D", Data(), "-m", "immediate", "-w", "stop"}, nullptr);
  }

  // The store's name of a database of the server.
  std::string Url(const std::string& user = "korvane", const std::string& database = "postgres") const {
    return "postgresql://" + user + "@" + QString(folder_ + "/socket").replace("/", "%2F").toStdString() + ":5432/" +
           database;
  }

  // One statement as role in database, behind the program's back; false with the server's words.
  bool Sql(const QString& database, const QString& statement, std::string* error = nullptr,
           const QString& role = "korvane") const {
    bool ok = false;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "korvane-test-sql");
      db.setHostName(folder_ + "/socket");
      db.setUserName(role);
      db.setDatabaseName(database);
      QSqlQuery q(db);
      ok = db.open() && q.exec(statement);
      if (error) *error = (db.lastError().isValid() ? db.lastError() : q.lastError()).text().toStdString();
    }
    QSqlDatabase::removeDatabase("korvane-test-sql");
    return ok;
  }

 private:
  QString Data() const { return folder_ + "/data"; }
  static bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
  }
  bool Run(const QString& program, QStringList args, std::string* error) const {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (owner_.isEmpty())
      p.start(program, args);
    else
      p.start("/usr/sbin/runuser", QStringList{"-u", owner_, "--", program} + args);
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return true;
    return Fail(error, program.toStdString() + ": " + p.readAll().toStdString());
  }

  QString folder_;
  QString owner_;  // the user the server runs as; "" the test's own
  bool running_ = false;
};

}  // namespace korvane::test
