#pragma once
// The module history in its store (SQLite or PostgreSQL, store::Database): events are
// appended to one chain and never changed; they are read back by module, address,
// kind and time span, and the chain is verified. Belongs to the thread that opened it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "history/Event.h"
#include "history/Witness.h"
#include "store/Database.h"

namespace korvane::history {

// The schema's steps, oldest first.
const std::vector<store::Migration>& HistoryMigrations();

struct EventFilter {
  std::optional<std::string> identity;  // UTF-8, as Event::identity
  std::optional<int> address;
  std::optional<std::string> kind;
  std::optional<std::int64_t> sinceMs;  // time >= since
  std::optional<std::int64_t> untilMs;  // time < until
};

// The first event the chain does not vouch for.
struct ChainBreak {
  enum class Problem {
    kHashMismatch,        // its hash does not match its content: the content was changed
    kMissingPredecessor,  // the hash it names as its predecessor is no event's (one was removed or changed)
    kOutOfOrder,          // its predecessor stands after it (events were moved)
    kInserted,            // it does not belong: the chain goes on from the event before it to one after it
  };
  Problem problem = Problem::kHashMismatch;
  Event event;
  std::int64_t predecessorSeq =
      0;  // kOutOfOrder: where its predecessor stands; kInserted: the event the chain goes on with
};

struct Verification {
  std::int64_t events = 0;           // walked
  std::int64_t firstSeq = 0;         // the first walked (0: none)
  Head head;                         // the last walked
  std::optional<ChainBreak> broken;  // none: the chain is intact
  std::string damage;                // SQLite's own check of the file, where it found something
  std::vector<Rollback> rollbacks;   // heads it should hold and does not (filled by the caller)
  bool intact() const { return !broken && damage.empty() && rollbacks.empty(); }
};

// What the store knows of one module (for the lists of the history's views).
struct KnownModule {
  std::string identity;
  int type = 0, deviceKind = -1, address = -1;
  std::string firmware;
  std::int64_t lastSeenMs = 0;
  std::int64_t lastCalibrationMs = 0;       // 0: never calibrated
  std::int64_t lastSavedCalibrationMs = 0;  // of the last calibration saved to the module; 0: none
};

class HistoryStore {
 public:
  // Opens (and creates, or brings up to date) the history at location; false with a
  // reason and the kind of failure. options.readOnly opens an existing history to read
  // (a location without one fails), creating and changing nothing. A role that may
  // append but not change the schema opens it as it is.
  bool Open(const store::Location& location, const store::OpenOptions& options, std::string* error,
            store::OpenFailure* failure);
  void Close() { db_.Close(); }
  bool isOpen() const { return db_.isOpen(); }
  const store::Location& location() const { return db_.location(); }
  int schemaVersion() const { return db_.schemaVersion(); }

  // Appends e at the chain's end in one transaction (the chain's end is taken under
  // the store's write lock, so two programs writing at once keep one chain), after a
  // "module" event when the store knows the module by another type, kind or firmware,
  // or not at all. The appended events, with seq, previous and hash filled, go to
  // *appended. False with a reason and the kind of failure: nothing was added then.
  bool Append(const Event& e, std::vector<Event>* appended, std::string* error, store::OpenFailure* failure);

  // The events the filter takes, oldest first; visit returns false to stop. False
  // when the store could not be read.
  bool ForEach(const EventFilter& filter, const std::function<bool(const Event&)>& visit, std::string* error);
  std::vector<Event> Events(const EventFilter& filter, std::string* error);
  // A module's calibrations from sinceMs on, oldest first, with only what a drift is
  // drawn from in their details (procedure, outcome, before, after): the store takes
  // those out of the text, so that a long history is not parsed whole for a heading.
  std::vector<Event> Calibrations(const std::string& identity, std::int64_t sinceMs, std::string* error);

  // Walks the whole chain, after SQLite's quick check of the file.
  bool Verify(Verification* result, std::string* error);
  // Walks the chain from the event at seq (or the first after it) to the head: the
  // events a report covers and what vouches for them.
  bool VerifyFrom(std::int64_t seq, Verification* result, std::string* error);

  // The chain's last event; no events: seq 0. The hash at seq, none where no event is.
  bool ReadHead(Head* head, std::string* error);
  bool HashAt(std::int64_t seq, std::optional<std::string>* hash, std::string* error);

  // Every module by identity, with what its last events said.
  std::vector<KnownModule> Modules(std::string* error);

  // The lock a writer waits for before it gives up (PostgreSQL; SQLite has its busy
  // time-out from the open options).
  void setLockTimeoutMs(int ms) { lockTimeoutMs_ = ms; }
  // Asked just before an append commits: true rolls it back instead (the recorder gave it
  // up because the store did not answer in time).
  void setAbandoned(std::function<bool()> abandoned) { abandoned_ = std::move(abandoned); }

  // How long one write statement may take on PostgreSQL before the server ends it.
  static constexpr int kWriteTimeoutMs = 10000;

 private:
  bool AppendLocked(const Event& e, std::vector<Event>* appended, std::string* error);
  bool AppendOnce(const Event& e, std::vector<Event>* appended, std::string* error);
  bool Walk(std::int64_t from, Verification* result, std::string* error);
  bool Classify(ChainBreak* b, std::string* error);
  store::OpenFailure Classify() const;

  store::Database db_;
  int lockTimeoutMs_ = 3000;
  std::function<bool()> abandoned_;
  QSqlError lastError_;  // of the last statement of an append that failed
};

}  // namespace korvane::history
