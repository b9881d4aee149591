#include "history/Recorder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

#include "history/HistoryStore.h"
#include "platform/NumberText.h"
#include "types/Cp1252.h"

namespace korvane::history {

std::int64_t SystemUtcMs() { return QDateTime::currentMSecsSinceEpoch(); }

Event EventFromRecord(const link::FlowRecord& r, std::int64_t timeMs, const std::string& technician,
                      const std::string& host, const std::string& program) {
  Event e;
  e.timeMs = timeMs;
  e.identity = types::FromWindows1252(r.module.identity);
  e.address = r.module.address;
  e.type = r.module.type;
  e.deviceKind = r.module.deviceKind;
  e.firmware = r.module.firmware;
  e.technician = technician;
  e.host = host;
  e.program = program;
  e.kind = r.kind;
  e.details = r.details;
  return e;
}

// The store and its writes, on the recorder's thread.
class Recorder::Writer : public QObject {
 public:
  Writer(Recorder& owner, const Options& options) : owner_(owner), options_(options) {}

  void Write(std::uint64_t ticket, const Event& e) {
    std::vector<NotRecorded> failures;
    int written = 0;
    std::string why;
    store::OpenFailure failure = store::OpenFailure::kNone;
    if (!store_.isOpen()) Open(&why, &failure);
    std::vector<Event> appended;
    if (store_.isOpen()) {
      store_.setLockTimeoutMs(options_.open.busyTimeoutMs);
      store_.setAbandoned([this, ticket] { return owner_.Abandoned(ticket); });
      if (store_.Append(e, &appended, &why, &failure)) {
        written = static_cast<int>(appended.size());
        Remember(appended.back());
      } else {
        store_.Close();  // the next record opens it afresh
      }
    }
    if (written == 0) failures.push_back({e.kind, e.identity, e.address, failure, options_.location.Describe(), why});
    owner_.Done(ticket, written, std::move(failures));
  }

 private:
  void Open(std::string* why, store::OpenFailure* failure) {
    if (options_.createFolder && options_.location.backend == store::Location::Backend::kSqlite)
      QDir().mkpath(QFileInfo(QString::fromStdString(options_.location.path)).absolutePath());
    if (!store_.Open(options_.location, options_.open, why, failure) || !options_.witness) return;
    // A history that lost the head this program saw keeps being told so: that head is
    // not replaced by the new end.
    std::optional<Rollback> rollback;
    std::string ignored;
    rolledBack_ = false;
    if (!CheckWitness(store_, *options_.witness, &rollback, &ignored) || !rollback) return;
    rolledBack_ = true;
    if (told_ && told_->head.hash == rollback->expected.head.hash) return;
    told_ = rollback->expected;
    owner_.RolledBack(std::move(*rollback));
  }

  void Remember(const Event& last) {
    if (!options_.witness || rolledBack_) return;
    std::string ignored;  // a head that cannot be kept costs the check, never the record
    options_.witness->Remember(WitnessKey(options_.location),
                               {{last.seq, last.hash}, options_.clock(), options_.program}, &ignored);
  }

  Recorder& owner_;
  Options options_;
  HistoryStore store_;
  bool rolledBack_ = false;
  std::optional<SeenHead> told_;
};

Recorder::Recorder(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), thread_(std::make_unique<QThread>()) {
  writer_ = new Writer(*this, options_);
  writer_->moveToThread(thread_.get());
  connect(thread_.get(), &QThread::finished, writer_, &QObject::deleteLater);
  thread_->setObjectName("korvane-history");
  thread_->start();
  silence_.setSingleShot(true);
  silence_.setInterval(patience());
  connect(&silence_, &QTimer::timeout, this, &Recorder::OnSilence);
}

Recorder::~Recorder() {
  silence_.stop();
  bool givenUp = false;
  {
    std::lock_guard lock(mutex_);
    givenUp = !queued_.empty() && queued_.back().ticket <= givenUpThrough_;
  }
  // What was given up is not waited for again.
  const bool idle = Flush(givenUp ? std::chrono::milliseconds(0) : patience());
  thread_->quit();
  // A store that never answers keeps its thread; the program does not wait for it.
  if (!idle || !thread_->wait(static_cast<unsigned long>(patience().count()))) (void)thread_.release();
}

std::chrono::milliseconds Recorder::patience() const {
  if (options_.patience.count() > 0) return options_.patience;
  // A lock waited for, a server connected to (5 s), and room for the write itself.
  return std::chrono::milliseconds(options_.open.busyTimeoutMs) * 2 + std::chrono::milliseconds(6000);
}

void Recorder::setTechnician(const std::string& name) {
  std::lock_guard lock(mutex_);
  options_.technician = name;
}

void Recorder::Record(link::FlowRecord record) {
  Event e;
  std::uint64_t ticket = 0;
  {
    std::lock_guard lock(mutex_);
    e = EventFromRecord(record, options_.clock(), options_.technician, options_.host, options_.program);
    ticket = ++nextTicket_;
    queued_.push_back({ticket, e.kind, e.identity, e.address});
  }
  if (!silence_.isActive()) silence_.start();
  QMetaObject::invokeMethod(
      writer_, [w = writer_, ticket, e = std::move(e)] { w->Write(ticket, e); }, Qt::QueuedConnection);
}

void Recorder::Done(std::uint64_t ticket, int written, std::vector<NotRecorded> failures) {
  bool failedNow = false;
  {
    std::lock_guard lock(mutex_);
    written_ += written;
    // A record given up was reported then.
    if (ticket > givenUpThrough_) {
      failedNow = !failures.empty();
      for (NotRecorded& f : failures) failures_.push_back(std::move(f));
    }
    const auto it = std::find_if(queued_.begin(), queued_.end(), [&](const Queued& q) { return q.ticket == ticket; });
    if (it != queued_.end()) queued_.erase(it);
  }
  idle_.notify_all();
  QMetaObject::invokeMethod(this, &Recorder::Watch, Qt::QueuedConnection);
  if (failedNow) QMetaObject::invokeMethod(this, &Recorder::failed, Qt::QueuedConnection);
}

void Recorder::Watch() {
  std::lock_guard lock(mutex_);
  // Each answer of the store starts the wait for the next anew.
  if (queued_.empty() || queued_.back().ticket <= givenUpThrough_)
    silence_.stop();
  else
    silence_.start();
}

void Recorder::OnSilence() { GiveUpPending(); }

void Recorder::GiveUpPending() {
  bool gaveUp = false;
  {
    std::lock_guard lock(mutex_);
    const std::string why = "no answer within " + platform::StringPrintf("%.1f", patience().count() / 1000.0) + " s";
    for (const Queued& q : queued_) {
      if (q.ticket <= givenUpThrough_) continue;
      failures_.push_back(
          {q.kind, q.identity, q.address, store::OpenFailure::kFailed, options_.location.Describe(), why});
      gaveUp = true;
    }
    givenUpThrough_ = nextTicket_;
  }
  silence_.stop();
  if (gaveUp) QMetaObject::invokeMethod(this, &Recorder::failed, Qt::QueuedConnection);
}

bool Recorder::Abandoned(std::uint64_t ticket) const {
  std::lock_guard lock(mutex_);
  return ticket <= givenUpThrough_;
}

void Recorder::RolledBack(Rollback rollback) {
  {
    std::lock_guard lock(mutex_);
    rollbacks_.push_back(std::move(rollback));
  }
  QMetaObject::invokeMethod(this, &Recorder::rolledBack, Qt::QueuedConnection);
}

std::vector<Rollback> Recorder::TakeRollbacks() {
  std::lock_guard lock(mutex_);
  return std::exchange(rollbacks_, {});
}

bool Recorder::Flush(std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  return idle_.wait_for(lock, wait, [this] { return queued_.empty(); });
}

std::vector<NotRecorded> Recorder::TakeFailures() {
  std::lock_guard lock(mutex_);
  return std::exchange(failures_, {});
}

int Recorder::written() const {
  std::lock_guard lock(mutex_);
  return written_;
}

}  // namespace korvane::history
