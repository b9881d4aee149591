#pragma once
// Keeps what the flows did in the module history without making them wait: each record
// becomes an event (time, technician, host, program added) that a thread of the
// recorder's own writes to the store. A write that cannot be done (the store locked by
// another program beyond its busy time-out, unreachable, damaged, of a newer schema, a
// full disk) is given up and reported; the next record tries the store again.
#include <QObject>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "history/Event.h"
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
  // Events written so far (module events included).
  int written() const;
  const store::Location& location() const { return options_.location; }
  // How long Flush may take when the store is slow to answer: a lock waited for, a
  // server connected to.
  std::chrono::milliseconds patience() const;

 signals:
  // A record was given up (TakeFailures has it); delivered in the recorder's thread.
  void failed();

 private:
  class Writer;
  void Done(int written, std::vector<NotRecorded> failures);

  Options options_;
  std::unique_ptr<QThread> thread_;
  Writer* writer_ = nullptr;  // lives in thread_
  mutable std::mutex mutex_;
  std::condition_variable idle_;
  int pending_ = 0;
  int written_ = 0;
  std::vector<NotRecorded> failures_;
};

}  // namespace korvane::history
