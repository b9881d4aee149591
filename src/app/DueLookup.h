#pragma once
// Asks the module history, away from the window's thread, what it knows of a module: the
// status line's "calibration due" comes from it. The history may be a server that is slow
// to answer; the window never waits for it.
#include <QObject>

#include <memory>
#include <optional>
#include <string>

#include "history/HistoryStore.h"

class QThread;

namespace korvane::history {
class Recorder;
}

namespace korvane::app {

class DueLookup : public QObject {
  Q_OBJECT

 public:
  explicit DueLookup(QObject* parent = nullptr);
  // Waits for a lookup under way (the store's own time-outs bound it).
  ~DueLookup() override;

  // Looks the module up once the recorder's records so far are written; a lookup asked
  // while one runs follows it (the newest identity only).
  void Look(history::Recorder& recorder, const std::string& identity);

 signals:
  // What the history knows of the module (nothing when it does not know it or cannot be read).
  void found(const std::string& identity, const std::optional<history::KnownModule>& module);

 private:
  void Start(history::Recorder& recorder, const std::string& identity);

  std::unique_ptr<QThread> thread_;
  history::Recorder* queuedRecorder_ = nullptr;
  std::string queued_;
};

}  // namespace korvane::app
