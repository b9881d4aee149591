#pragma once
// One database that must outlive a run (the module history, the station's queue):
// SQLite in a file, or PostgreSQL for a store a team shares, both through Qt SQL. Opening
// brings the schema up to date with the caller's migrations; a store written by a newer
// program is refused, never changed. The database belongs to the thread that opened it.
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSqlQuery;
class QTemporaryDir;

namespace korvane::store {

// Where a store lives: a file path (SQLite), or postgresql://user@host:port/database
// (host may be a socket folder, written %2Fpath; port and user may be left out). The
// password never stands in the name: libpq takes it from ~/.pgpass or PGPASSFILE.
struct Location {
  enum class Backend { kSqlite, kPostgres };
  Backend backend = Backend::kSqlite;
  std::string path;  // SQLite
  std::string user;  // PostgreSQL
  std::string host;
  int port = 5432;
  std::string database;

  // A name that starts with "postgresql://" or "postgres://" is a PostgreSQL location;
  // anything else is a file path. Nothing, with *error, for a malformed URL.
  static std::optional<Location> Parse(const std::string& name, std::string* error);
  // For messages: the file, or the URL without any secret.
  std::string Describe() const;
};

// One step of the schema: the statements that take version - 1 to version, run in one
// transaction. Where the two backends differ, the step names the statements of each.
struct Migration {
  int version = 0;
  std::vector<QString> sqlite;
  std::vector<QString> postgres;  // empty: the same as sqlite
};

// How an open failed, so each caller can decide: the history keeps a damaged file and
// says so, the station's queue moves it aside and starts afresh.
enum class OpenFailure {
  kNone,
  kUnreachable,  // the file cannot be made or opened (folder, permission, not a regular file), or the server refuses
  kNotDatabase,  // the file is no database or is damaged
  kNewerSchema,  // written by a newer program: left as it is
  kLocked,       // another program holds it longer than the busy time-out
  kFailed,       // a statement of the schema failed (disk full, read-only)
};

struct OpenOptions {
  int busyTimeoutMs = 3000;  // SQLite: how long a lock by another connection is waited for
  // SQLite's synchronous mode under WAL: NORMAL syncs at checkpoints (a crash keeps every
  // committed transaction except perhaps the last ones); FULL syncs every commit.
  bool syncEveryCommit = false;
  // SQLite: this connection alone uses the file, from its first read until Close
  // (locking_mode=EXCLUSIVE, no shared-memory file); another program's Open then fails
  // as kLocked once busyTimeoutMs has passed.
  bool exclusive = false;
  // Reads only: nothing is created, migrated or written. SQLite opens the file read-only
  // and, where it cannot be written (read-only media, another user's file), as immutable
  // so that no -shm or -wal file is left behind; a left-over write-ahead log is then read
  // from a private copy. PostgreSQL needs only SELECT.
  bool readOnly = false;
  // Runs the migrations the store lacks; false opens it on the schema it has (a role that
  // may append but not change the schema).
  bool upgrade = true;
};

// The kind of failure a statement's error means, for callers running their own
// statements: SQLite's busy and locked, damaged, cannot-open; PostgreSQL's lock time-out
// and lost or refused connection; kFailed for the rest.
OpenFailure FailureOf(const QSqlError& error, Location::Backend backend);

class Database {
 public:
  Database();
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens the store and runs the migrations it does not have yet (a new store gets them
  // all). False with *error (a short English reason from the driver) and *failure.
  bool Open(const Location& location, const std::vector<Migration>& migrations, const OpenOptions& options,
            std::string* error, OpenFailure* failure);
  void Close();
  bool isOpen() const;

  // The connection, for queries of the caller (QSqlQuery(db.handle())).
  QSqlDatabase handle() const;
  const Location& location() const { return location_; }
  Location::Backend backend() const { return location_.backend; }
  // The schema version the store has now.
  int schemaVersion() const { return version_; }
  // Of the last statement of Open that failed.
  const QSqlError& lastError() const { return lastError_; }

  // SQLite's own check of the file ("ok" when sound); the first problems otherwise.
  std::string IntegrityCheck(bool quick = true);

 private:
  OpenFailure Connect(const std::vector<Migration>& migrations, const OpenOptions& options, std::string* why);
  bool Exec(QSqlQuery& q, const QString& statement, std::string* error);
  bool ReadVersion(int* version, std::string* error);
  bool Migrate(const std::vector<Migration>& migrations, std::string* error);

  OpenFailure ConnectSqlite(QSqlDatabase& db, const OpenOptions& options, std::string* why);

  QString connection_;
  Location location_;
  std::unique_ptr<QTemporaryDir> copy_;  // a read-only file's private copy, while it is open
  int version_ = 0;
  bool readOnly_ = false;
  QSqlError lastError_;  // of the last statement that failed
};

}  // namespace korvane::store
