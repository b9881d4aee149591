#include "app/DueLookup.h"

#include <QFileInfo>
#include <QThread>

#include "history/Recorder.h"
#include "types/Cp1252.h"

namespace korvane::app {
namespace {

std::optional<history::KnownModule> LookUp(history::Recorder& recorder, const std::string& identity) {
  // The event the flow just recorded (a calibration saved) counts already.
  recorder.Flush(recorder.patience());
  const store::Location& location = recorder.location();
  // A history never written knows no module; looking does not make one.
  if (location.backend == store::Location::Backend::kSqlite &&
      (location.path.empty() || !QFileInfo::exists(QString::fromStdString(location.path))))
    return std::nullopt;
  history::HistoryStore store;
  std::string error;
  if (!store.Open(location, {}, &error, nullptr)) return std::nullopt;
  const std::string wanted = types::FromWindows1252(identity);
  for (const history::KnownModule& m : store.Modules(&error))
    if (m.identity == wanted) return m;
  return std::nullopt;
}

}  // namespace

DueLookup::DueLookup(QObject* parent) : QObject(parent) {
  qRegisterMetaType<std::string>("std::string");
  qRegisterMetaType<std::optional<history::KnownModule>>("std::optional<history::KnownModule>");
}

DueLookup::~DueLookup() {
  queued_.clear();
  if (thread_) thread_->wait();
}

void DueLookup::Look(history::Recorder& recorder, const std::string& identity) {
  if (thread_ && thread_->isRunning()) {
    queuedRecorder_ = &recorder;
    queued_ = identity;
    return;
  }
  Start(recorder, identity);
}

void DueLookup::Start(history::Recorder& recorder, const std::string& identity) {
  if (thread_) {
    // It may be the sender of what runs now.
    thread_->wait();
    thread_.release()->deleteLater();
  }
  thread_.reset(QThread::create([this, &recorder, identity] {
    std::optional<history::KnownModule> module = LookUp(recorder, identity);
    QMetaObject::invokeMethod(
        this, [this, identity, module] { emit found(identity, module); }, Qt::QueuedConnection);
  }));
  connect(thread_.get(), &QThread::finished, this, [this] {
    if (queued_.empty() || !queuedRecorder_) return;
    const std::string next = std::exchange(queued_, {});
    Start(*queuedRecorder_, next);
  });
  thread_->start();
}

}  // namespace korvane::app
