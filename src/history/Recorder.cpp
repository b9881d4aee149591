#include "history/Recorder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include "history/HistoryStore.h"
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

  void Write(const Event& e) {
    std::vector<NotRecorded> failures;
    int written = 0;
    std::string why;
    store::OpenFailure failure = store::OpenFailure::kNone;
    if (!store_.isOpen()) {
      if (options_.createFolder && options_.location.backend == store::Location::Backend::kSqlite)
        QDir().mkpath(QFileInfo(QString::fromStdString(options_.location.path)).absolutePath());
      store_.Open(options_.location, options_.open, &why, &failure);
    }
    std::vector<Event> appended;
    if (store_.isOpen()) {
      store_.setLockTimeoutMs(options_.open.busyTimeoutMs);
      if (store_.Append(e, &appended, &why, &failure))
        written = static_cast<int>(appended.size());
      else
        store_.Close();  // the next record opens it afresh
    }
    if (written == 0) failures.push_back({e.kind, e.identity, e.address, failure, options_.location.Describe(), why});
    owner_.Done(written, std::move(failures));
  }

 private:
  Recorder& owner_;
  Options options_;
  HistoryStore store_;
};

Recorder::Recorder(Options options, QObject* parent)
    : QObject(parent), options_(std::move(options)), thread_(std::make_unique<QThread>()) {
  writer_ = new Writer(*this, options_);
  writer_->moveToThread(thread_.get());
  connect(thread_.get(), &QThread::finished, writer_, &QObject::deleteLater);
  thread_->setObjectName("korvane-history");
  thread_->start();
}

Recorder::~Recorder() {
  const bool idle = Flush(patience());
  thread_->quit();
  // A store that never answers keeps its thread; the program does not wait for it.
  if (!idle || !thread_->wait(static_cast<unsigned long>(patience().count()))) (void)thread_.release();
}

std::chrono::milliseconds Recorder::patience() const {
  // A lock waited for, a server connected to (5 s), and room for the write itself.
  return std::chrono::milliseconds(options_.open.busyTimeoutMs) * 2 + std::chrono::milliseconds(6000);
}

void Recorder::setTechnician(const std::string& name) {
  std::lock_guard lock(mutex_);
  options_.technician = name;
}

void Recorder::Record(link::FlowRecord record) {
  Event e;
  {
    std::lock_guard lock(mutex_);
    e = EventFromRecord(record, options_.clock(), options_.technician, options_.host, options_.program);
    ++pending_;
  }
  QMetaObject::invokeMethod(
      writer_, [w = writer_, e = std::move(e)] { w->Write(e); }, Qt::QueuedConnection);
}

void Recorder::Done(int written, std::vector<NotRecorded> failures) {
  const bool failedNow = !failures.empty();
  {
    std::lock_guard lock(mutex_);
    written_ += written;
    for (NotRecorded& f : failures) failures_.push_back(std::move(f));
    --pending_;
  }
  idle_.notify_all();
  if (failedNow) QMetaObject::invokeMethod(this, &Recorder::failed, Qt::QueuedConnection);
}

bool Recorder::Flush(std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  return idle_.wait_for(lock, wait, [this] { return pending_ == 0; });
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
