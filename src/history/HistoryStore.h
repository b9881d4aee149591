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
  };
  Problem problem = Problem::kHashMismatch;
  Event event;
  std::int64_t predecessorSeq = 0;  // kOutOfOrder: where its predecessor stands
};

struct Verification {
  std::int64_t events = 0;
  std::optional<ChainBreak> broken;  // none: the chain is intact
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
  // reason and the kind of failure.
  bool Open(const store::Location& location, const store::OpenOptions& options, std::string* error,
            store::OpenFailure* failure);
  void Close() { db_.Close(); }
  bool isOpen() const { return db_.isOpen(); }
  const store::Location& location() const { return db_.location(); }

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

  // Walks the whole chain.
  bool Verify(Verification* result, std::string* error);

  // Every module by identity, with what its last events said.
  std::vector<KnownModule> Modules(std::string* error);

  // The lock a writer waits for before it gives up (PostgreSQL; SQLite has its busy
  // time-out from the open options).
  void setLockTimeoutMs(int ms) { lockTimeoutMs_ = ms; }

 private:
  bool AppendLocked(const Event& e, std::vector<Event>* appended, std::string* error);
  store::OpenFailure Classify() const;

  store::Database db_;
  int lockTimeoutMs_ = 3000;
  QSqlError lastError_;  // of the last statement of an append that failed
};

}  // namespace korvane::history
