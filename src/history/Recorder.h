#pragma once
// Keeps what the flows did in the module history without making them wait: each record
// becomes an event (time, technician, host, program added) that a thread of the
// recorder's own writes to the store. A write that cannot be done (the store locked by
// another program beyond its busy time-out, unreachable, damaged, of a newer schema, a
// full disk) is given up and reported; the next record tries the store again. A store
// that does not answer within patience() has its records given up too, and they are not
// committed when it answers later. With a witness book, the head of each open is checked
// against the one remembered, and each write's head remembered.
#include <QObject>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "history/Event.h"
#include "history/Witness.h"
#include "link/FlowLog.h"
#include "store/Database.h"

class QThread;

namespace korvane::history {

// A record that did not reach the history, and why.
struct NotRecorded {
  std::string kind;
  std::string identity;
  int address = -1;
  store::OpenFailure failure = store::OpenFailure::kFailed;
  std::string store;   // the store's description (never a password)
  std::string reason;  // the driver's words
};

// The UTC time in milliseconds, injected so tests can pin it.
using UtcClock = std::function<std::int64_t()>;
std::int64_t SystemUtcMs();

// The event a record makes, stamped with time and who recorded it.
Event EventFromRecord(const link::FlowRecord& record, std::int64_t timeMs, const std::string& technician,
                      const std::string& host, const std::string& program);

class Recorder : public QObject, public link::FlowLog {
  Q_OBJECT

 public:
  struct Options {
    store::Location location;
    // busyTimeoutMs: how long another program's lock is waited for; every event is on
    // the disk when its commit returns (a history outlives a power cut).
    store::OpenOptions open{3000, true};
    bool createFolder = false;  // the default file's folder is made when missing
    std::string technician;
    std::string host;
    std::string program;  // "korvane-cli 1.0.0"
    UtcClock clock = &SystemUtcMs;
    std::shared_ptr<WitnessBook> witness;  // none: no head is remembered or checked
    // How long a record may wait for the store before it is given up; 0: from the busy
    // time-out (a lock waited for, a server connected to, the write itself).
    std::chrono::milliseconds patience{0};
  };
  explicit Recorder(Options options, QObject* parent = nullptr);
  // Writes what is still queued (within the store's time-outs) before it goes.
  ~Recorder() override;

  void Record(link::FlowRecord record) override;
  void setTechnician(const std::string& name);

  // Waits until every record so far is written or given up, at most wait; false when
  // some are still on their way.
  bool Flush(std::chrono::milliseconds wait);
  // The records given up since the last call, oldest first.
  std::vector<NotRecorded> TakeFailures();
  // Gives up every record still on its way (the store has not answered): each becomes a
  // failure, and none of them is committed should the store answer after all.
  void GiveUpPending();
  // The history was found rolled back or rewritten when it was opened (once each).
  std::vector<Rollback> TakeRollbacks();
  // Events written so far (module events included).
  int written() const;
  const store::Location& location() const { return options_.location; }
  // How long Flush may take when the store is slow to answer: a lock waited for, a
  // server connected to.
  std::chrono::milliseconds patience() const;

 signals:
  // A record was given up (TakeFailures has it); delivered in the recorder's thread.
  void failed();
  // The history was found rolled back (TakeRollbacks has it); in the recorder's thread.
  void rolledBack();

 private:
  class Writer;
  struct Queued {
    std::uint64_t ticket;
    std::string kind, identity;
    int address;
  };
  void Done(std::uint64_t ticket, int written, std::vector<NotRecorded> failures);
  void RolledBack(Rollback rollback);
  bool Abandoned(std::uint64_t ticket) const;
  void Watch();
  void OnSilence();

  Options options_;
  std::unique_ptr<QThread> thread_;
  Writer* writer_ = nullptr;  // lives in thread_
  QTimer silence_;            // runs while a record waits longer than patience() for the store
  mutable std::mutex mutex_;
  std::condition_variable idle_;
  std::deque<Queued> queued_;
  std::uint64_t nextTicket_ = 0;
  std::uint64_t givenUpThrough_ = 0;  // tickets up to this one are given up
  int written_ = 0;
  std::vector<NotRecorded> failures_;
  std::vector<Rollback> rollbacks_;
};

}  // namespace korvane::history
