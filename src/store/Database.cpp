#include "store/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <QUuid>
#include <QVariant>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace korvane::store {
namespace {

// SQLite's primary result codes, as the driver gives them in nativeErrorCode().
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteCantOpen = 14;
constexpr int kSqliteNotADb = 26;

std::string Text(const QSqlError& e) {
  QString text = e.driverText();
  if (!e.databaseText().isEmpty() && e.databaseText() != text)
    text = text.isEmpty() ? e.databaseText() : text + ": " + e.databaseText();
  return text.trimmed().toStdString();
}

OpenFailure Classify(const QSqlError& e, Location::Backend backend) {
  if (backend == Location::Backend::kPostgres) return OpenFailure::kFailed;
  bool ok = false;
  const int code = e.nativeErrorCode().toInt(&ok) & 0xFF;  // extended codes keep the primary in the low byte
  if (!ok) return OpenFailure::kFailed;
  switch (code) {
    case kSqliteBusy:
    case kSqliteLocked: return OpenFailure::kLocked;
    case kSqliteCorrupt:
    case kSqliteNotADb: return OpenFailure::kNotDatabase;
    case kSqliteCantOpen: return OpenFailure::kUnreachable;
    default: return OpenFailure::kFailed;
  }
}

int PercentValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> PercentDecode(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    if (i + 2 >= s.size()) return std::nullopt;
    const int hi = PercentValue(s[i + 1]), lo = PercentValue(s[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

bool Writable(const QString& path) { return ::access(path.toLocal8Bit().constData(), W_OK) == 0; }

// A -shm or -wal file of this user's that cannot be written (SQLite makes them with the
// permissions of the database file, so a read of a read-only file leaves them so): every
// writer after it would be refused.
void MendLeftovers(const QString& path) {
  for (const char* suffix : {"-shm", "-wal"}) {
    const QByteArray p = (path + QLatin1String(suffix)).toLocal8Bit();
    struct stat st {};
    if (::stat(p.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && !(st.st_mode & S_IWUSR))
      ::chmod(p.constData(), (st.st_mode & 07777) | S_IWUSR);
  }
}

}  // namespace

OpenFailure FailureOf(const QSqlError& error, Location::Backend backend) {
  if (backend == Location::Backend::kSqlite) return Classify(error, backend);
  const QString state = error.nativeErrorCode();
  if (state == QLatin1String("55P03")) return OpenFailure::kLocked;  // lock_not_available
  // Connection exceptions and a server shutting down or starting up.
  if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")) ||
      error.type() == QSqlError::ConnectionError)
    return OpenFailure::kUnreachable;
  return OpenFailure::kFailed;
}

bool Database::Exec(QSqlQuery& q, const QString& statement, std::string* error) {
  if (q.exec(statement)) return true;
  lastError_ = q.lastError();
  if (error) *error = Text(lastError_);
  return false;
}

std::optional<Location> Location::Parse(const std::string& name, std::string* error) {
  Location l;
  std::string rest;
  for (const char* scheme : {"postgresql://", "postgres://"}) {
    if (name.rfind(scheme, 0) == 0) rest = name.substr(std::char_traits<char>::length(scheme));
  }
  if (rest.empty() && name.rfind("postgres", 0) != 0) {
    if (name.empty()) {
      if (error) *error = "no file named";
      return std::nullopt;
    }
    l.path = name;
    return l;
  }
  l.backend = Backend::kPostgres;
  const auto fail = [&](const std::string& why) {
    if (error) *error = why;  // never the name itself: it may hold a password
    return std::nullopt;
  };
  const std::size_t slash = rest.find('/');
  if (slash == std::string::npos || slash + 1 >= rest.size())
    return fail("names no database (postgresql://user@host:port/database)");
  std::string authority = rest.substr(0, slash);
  const auto database = PercentDecode(rest.substr(slash + 1));
  if (!database || database->find_first_of("/?#") != std::string::npos) return fail("the database name is malformed");
  l.database = *database;
  if (const std::size_t at = authority.rfind('@'); at != std::string::npos) {
    const std::string user = authority.substr(0, at);
    if (user.find(':') != std::string::npos) return fail("holds a password; it belongs in ~/.pgpass or PGPASSFILE");
    const auto decoded = PercentDecode(user);
    if (!decoded) return fail("the user name is malformed");
    l.user = *decoded;
    authority = authority.substr(at + 1);
  }
  std::string host = authority;
  if (const std::size_t colon = authority.rfind(':');
      colon != std::string::npos && authority.find(']') == std::string::npos) {
    host = authority.substr(0, colon);
    const std::string port = authority.substr(colon + 1);
    if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), ::isdigit) || std::stoi(port) < 1 ||
        std::stoi(port) > 65535)
      return fail("port \"" + port + "\" is not 1..65535");
    l.port = std::stoi(port);
  }
  const auto decodedHost = PercentDecode(host);
  if (!decodedHost) return fail("the host is malformed");
  l.host = decodedHost->empty() ? "localhost" : *decodedHost;
  return l;
}

std::string Location::Describe() const {
  if (backend == Backend::kSqlite) return path;
  return "postgresql://" + (user.empty() ? "" : user + "@") + host + ":" + std::to_string(port) + "/" + database;
}

Database::Database() : connection_("korvane-store-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

Database::~Database() { Close(); }

bool Database::isOpen() const { return QSqlDatabase::contains(connection_) && handle().isOpen(); }

QSqlDatabase Database::handle() const { return QSqlDatabase::database(connection_, false); }

void Database::Close() {
  if (!QSqlDatabase::contains(connection_)) return;
  {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(connection_);
  version_ = 0;
  copy_.reset();
}

bool Database::Open(const Location& location, const std::vector<Migration>& migrations, const OpenOptions& options,
                    std::string* error, OpenFailure* failure) {
  Close();
  location_ = location;
  lastError_ = QSqlError();
  std::string why;
  const OpenFailure f = Connect(migrations, options, &why);
  if (f != OpenFailure::kNone) Close();  // after every query of Connect is gone
  if (failure) *failure = f;
  if (error) *error = f == OpenFailure::kNone ? std::string() : why;
  return f == OpenFailure::kNone;
}

OpenFailure Database::Connect(const std::vector<Migration>& migrations, const OpenOptions& options, std::string* why) {
  const Location& location = location_;
  const auto fail = [&](OpenFailure kind, const std::string& reason) {
    *why = reason;
    return kind;
  };

  const bool sqlite = location.backend == Location::Backend::kSqlite;
  if (sqlite) {
    // SQLite would open a FIFO or a device as well and wait on it or scribble over it.
    struct stat st {};
    if (::stat(location.path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
      return fail(OpenFailure::kUnreachable, S_ISDIR(st.st_mode) ? "is a folder" : "is not a regular file");
  }
  QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", connection_);
  if (!db.isValid())
    return fail(OpenFailure::kUnreachable,
                std::string("the Qt SQL driver ") + (sqlite ? "QSQLITE" : "QPSQL") + " is not installed");
  readOnly_ = options.readOnly;
  if (sqlite) {
    if (const OpenFailure f = ConnectSqlite(db, options, why); f != OpenFailure::kNone) return f;
  } else {
    db.setHostName(QString::fromStdString(location.host));
    db.setPort(location.port);
    if (!location.user.empty()) db.setUserName(QString::fromStdString(location.user));
    db.setDatabaseName(QString::fromStdString(location.database));
    db.setConnectOptions("connect_timeout=5");
    if (!db.open()) return fail(OpenFailure::kUnreachable, Text(db.lastError()));
    QSqlQuery q(db);
    // The server's notices (a table that exists already, ...) are not the user's business.
    if (!Exec(q, "SET client_min_messages = warning", why)) return OpenFailure::kFailed;
    if (options.readOnly && !Exec(q, "SET default_transaction_read_only = on", why)) return OpenFailure::kFailed;
  }

  int version = 0;
  if (!ReadVersion(&version, why)) return Classify(lastError_, location.backend);
  int newest = 0;
  for (const Migration& m : migrations) newest = std::max(newest, m.version);
  if (version > newest)
    return fail(OpenFailure::kNewerSchema, "written by a newer program (schema " + std::to_string(version) +
                                               ", this program knows up to " + std::to_string(newest) + ")");
  version_ = version;
  if (options.readOnly || !options.upgrade) return OpenFailure::kNone;
  if (!Migrate(migrations, why)) return Classify(lastError_, location.backend);
  return OpenFailure::kNone;
}

OpenFailure Database::ConnectSqlite(QSqlDatabase& db, const OpenOptions& options, std::string* why) {
  const QString path = QString::fromStdString(location_.path);
  const QFileInfo file(path);
  QStringList connect{QString("QSQLITE_BUSY_TIMEOUT=%1").arg(options.busyTimeoutMs)};
  QString name = path;
  if (options.readOnly) {
    if (!file.exists()) {
      *why = "does not exist";
      return OpenFailure::kUnreachable;
    }
    connect << "QSQLITE_OPEN_READONLY";
    // SQLite writes its -shm (and a -wal) beside the file even to read it; where it cannot
    // (read-only media, another user's file) they would be refused or left unusable.
    if (!Writable(path) || !Writable(file.absolutePath())) {
      if (QFileInfo(path + "-wal").size() > 0) {
        // A write-ahead log holds commits the file does not yet have: read from a copy.
        copy_ = std::make_unique<QTemporaryDir>();
        name = copy_->filePath("history");
        if (!copy_->isValid() || !QFile::copy(path, name) || !QFile::copy(path + "-wal", name + "-wal")) {
          *why = "cannot be copied to read its write-ahead log";
          return OpenFailure::kUnreachable;
        }
        QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner);
        QFile::setPermissions(name + "-wal", QFile::ReadOwner | QFile::WriteOwner);
      } else {
        connect << "QSQLITE_OPEN_URI";
        name = "file:" + QString::fromLatin1(QUrl::toPercentEncoding(file.absoluteFilePath(), "/")) + "?immutable=1";
      }
    }
  } else {
    if (file.exists() && !Writable(path)) {
      *why = "is read-only";
      return OpenFailure::kUnreachable;
    }
    MendLeftovers(path);
  }
  db.setDatabaseName(name);
  db.setConnectOptions(connect.join(';'));
  if (!db.open()) {
    *why = Text(db.lastError());
    return Classify(db.lastError(), Location::Backend::kSqlite);
  }
  // A read changes nothing: the journal mode stays as the writers left it.
  if (options.readOnly) return OpenFailure::kNone;
  QSqlQuery q(db);
  // Set before the first read, so the lock is taken with it and no shared memory is used.
  if (options.exclusive && !Exec(q, "PRAGMA locking_mode=EXCLUSIVE", why)) return OpenFailure::kFailed;
  // The first statement is the first read of the file: a file that is no database
  // fails here.
  if (!Exec(q, "PRAGMA journal_mode=WAL", why)) return Classify(lastError_, Location::Backend::kSqlite);
  q.next();
  if (q.value(0).toString().compare("wal", Qt::CaseInsensitive) != 0) {
    *why = "cannot use write-ahead logging (journal mode " + q.value(0).toString().toStdString() + ")";
    return OpenFailure::kFailed;
  }
  if (!Exec(q, options.syncEveryCommit ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=NORMAL", why))
    return OpenFailure::kFailed;
  return OpenFailure::kNone;
}

bool Database::ReadVersion(int* version, std::string* error) {
  QSqlQuery q(handle());
  if (backend() == Location::Backend::kSqlite) {
    if (!Exec(q, "PRAGMA user_version", error) || !q.next()) return false;
    *version = q.value(0).toInt();
    return true;
  }
  // Asked first: a role that may only read cannot create it, and creating what exists
  // makes the server talk.
  if (!Exec(q, "SELECT to_regclass('korvane_schema') IS NOT NULL", error) || !q.next()) return false;
  if (!q.value(0).toBool()) {
    if (readOnly_) {
      *version = 0;
      return true;
    }
    if (!Exec(q, "CREATE TABLE korvane_schema (version integer NOT NULL)", error)) return false;
  }
  if (!Exec(q, "SELECT coalesce(max(version), 0) FROM korvane_schema", error) || !q.next()) return false;
  *version = q.value(0).toInt();
  return true;
}

bool Database::Migrate(const std::vector<Migration>& migrations, std::string* error) {
  std::vector<const Migration*> steps;
  for (const Migration& m : migrations)
    if (m.version > version_) steps.push_back(&m);
  std::sort(steps.begin(), steps.end(), [](const Migration* a, const Migration* b) { return a->version < b->version; });
  const bool sqlite = backend() == Location::Backend::kSqlite;
  for (const Migration* m : steps) {
    QSqlQuery q(handle());
    // IMMEDIATE: two programs opening a new store at once migrate one after the other.
    if (!Exec(q, sqlite ? "BEGIN IMMEDIATE" : "BEGIN", error)) return false;
    bool ok = true;
    if (!sqlite) ok = Exec(q, "LOCK TABLE korvane_schema IN EXCLUSIVE MODE", error);
    // Another program may have taken the same step while this one waited for the lock.
    int now = version_;
    if (ok) ok = ReadVersion(&now, error);
    if (ok && now < m->version) {
      const auto& statements = (!sqlite && !m->postgres.empty()) ? m->postgres : m->sqlite;
      for (const QString& s : statements) {
        if (!(ok = Exec(q, s, error))) break;
      }
      if (ok)
        ok = sqlite ? Exec(q, QString("PRAGMA user_version=%1").arg(m->version), error)
                    : Exec(q, QString("INSERT INTO korvane_schema (version) VALUES (%1)").arg(m->version), error);
    }
    if (!ok) {
      QSqlQuery rollback(handle());
      rollback.exec("ROLLBACK");
      return false;
    }
    if (!Exec(q, "COMMIT", error)) {
      QSqlQuery rollback(handle());
      rollback.exec("ROLLBACK");
      return false;
    }
    version_ = std::max(now, m->version);
  }
  return true;
}

std::string Database::IntegrityCheck(bool quick) {
  if (backend() != Location::Backend::kSqlite) return "ok";
  QSqlQuery q(handle());
  if (!q.exec(quick ? "PRAGMA quick_check" : "PRAGMA integrity_check")) return Text(q.lastError());
  std::string result;
  for (int lines = 0; q.next() && lines < 5; ++lines)
    result += (result.empty() ? "" : "; ") + q.value(0).toString().toStdString();
  return result;
}

}  // namespace korvane::store
