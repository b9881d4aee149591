#pragma once
// The station's run: the line opened, the modules found (the configured list, or a scan),
// the bus engine started and its samples handed to the publisher. A lost line is said on
// the status topic and tried again after lineRetryFirst, the wait doubling up to
// lineRetryLast, and at once when the device's node appears again (the kernel tells
// its folder's watchers); --once publishes one cycle and ends.
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bus/BusSample.h"
#include "station/config/StationSettings.h"

namespace korvane::link {
class Link;
}
namespace korvane::bus {
class BusPoll;
}

namespace korvane::station {

class HeadlessUi;
class StationLog;
class StationService;

// Exit statuses beside 0 (and 2 for a bad configuration, which main says).
enum StationExit : int {
  kStationNothingPublished = 1,  // --once: no module answered, or samples stayed unacknowledged
  kStationLineFailed = 3,        // --once: the line could not be opened
};

struct RunTimings {
  std::chrono::milliseconds lineRetryFirst{1000};
  std::chrono::milliseconds lineRetryLast{10000};
};

class StationRun : public QObject {
  Q_OBJECT
 public:
  StationRun(const StationSettings& settings, bool once, link::Link& link, HeadlessUi& ui, StationService& service,
             StationLog& log, RunTimings timings = {});
  ~StationRun() override;

  // Opens the line and starts the engine (later, when the line is away).
  void Start();
  // A clean stop: the engine ends its chain, the publisher waits for what is in flight
  // and says "offline"; finished follows.
  void Stop();
  // A service client wants the line alone: the engine pauses after its chain, then
  // servicePaused(true); false at once when no engine runs (the line is away).
  void PauseForService();
  void ResumeAfterService();
  // Runs on the opened line before the modules are scanned or polled (the service port
  // brings back a module an earlier run left at its fast rate).
  void SetBeforePolling(std::function<void()> hook) { beforePolling_ = std::move(hook); }

 signals:
  void servicePaused(bool paused);
  void finished(int exitCode);
  // Every sample of the engine, and the line's state with the number of modules polled
  // (0 while the line is away): what the Modbus registers show.
  void sampleTaken(const korvane::bus::BusSample& sample);
  void lineChanged(bool up, int modules);

 private:
  void TryLine();
  std::vector<std::uint8_t> Modules();
  // The line (or every module) is away: said once on the status topic, tried again later.
  void LineAway(const std::string& reason, int onceExit);
  void OnEngineEnded(const QString& reason);
  void StopService();
  void OnServiceStopped();
  // Watches the nearest folder of the device that exists, while the line is away.
  void WatchDevice();
  void OnDeviceFolderChanged();

  const StationSettings& settings_;
  bool once_;
  link::Link& link_;
  HeadlessUi& ui_;
  StationService& service_;
  StationLog& log_;
  RunTimings timings_;
  std::unique_ptr<bus::BusPoll> poll_;
  QTimer retry_;
  std::chrono::milliseconds retryDelay_;
  QFileSystemWatcher deviceWatch_;
  // The device's node when the line went away (its own inode, and the device's behind
  // a link); another one, or one after none, calls for a try at once.
  struct Node {
    bool exists = false;
    unsigned long long inode = 0, target = 0;
    bool operator==(const Node&) const = default;
  };
  static Node NodeOf(const std::string& path);
  Node lostNode_;
  bool trying_ = false;
  std::string awayReason_;  // "" while the line is there
  bool stopping_ = false;
  bool serviceStopping_ = false;
  int exitCode_ = 0;
  std::uint64_t live_ = 0;     // samples of modules that answered
  bool servicePause_ = false;  // a service client holds the line alone
  std::function<void()> beforePolling_;
};

}  // namespace korvane::station
