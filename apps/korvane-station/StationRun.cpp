#include "StationRun.h"

#include <QFileInfo>

#include <sys/stat.h>

#include "HeadlessUi.h"
#include "link/DeviceName.h"
#include "bus/BusPoll.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "scan/BusScan.h"
#include "station/log/StationLog.h"
#include "station/StationService.h"

namespace korvane::station {

namespace {
// Log lines and the port's messages are English; the values' names are in the station's
// language.
constexpr Language kMessageLanguage = kLogLanguage;

std::string Seconds(std::chrono::milliseconds ms) {
  return platform::StringPrintf("%.4g s", static_cast<double>(ms.count()) / 1000.0);
}
}  // namespace

StationRun::StationRun(const StationSettings& settings, bool once, link::Link& link, HeadlessUi& ui,
                       StationService& service, StationLog& log, RunTimings timings)
    : settings_(settings),
      once_(once),
      link_(link),
      ui_(ui),
      service_(service),
      log_(log),
      timings_(timings),
      retryDelay_(timings.lineRetryFirst) {
  retry_.setSingleShot(true);
  connect(&retry_, &QTimer::timeout, this, &StationRun::TryLine);
  connect(&deviceWatch_, &QFileSystemWatcher::directoryChanged, this, &StationRun::OnDeviceFolderChanged);
  connect(&service_, &StationService::Stopped, this, &StationRun::OnServiceStopped);
}

StationRun::~StationRun() = default;

void StationRun::Start() { TryLine(); }

void StationRun::TryLine() {
  if (stopping_ || trying_) return;
  // A scan waits in nested event loops, where the device's folder may change again.
  trying_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{trying_};
  retry_.stop();
  if (!link_.OpenPort(kMessageLanguage)) {
    LineAway(link_.openFailure().empty() ? "the line cannot be opened" : link_.openFailure(), kStationLineFailed);
    return;
  }
  if (beforePolling_) beforePolling_();
  if (stopping_) return;
  const std::vector<std::uint8_t> modules = Modules();
  if (stopping_) return;
  if (link_.isLineLost()) {
    LineAway(link_.openFailure(), kStationNothingPublished);
    return;
  }
  if (modules.empty()) {
    LineAway("no module answers on the line", kStationNothingPublished);
    return;
  }
  bus::BusPollSettings engine;
  engine.addresses = modules;
  engine.period = std::chrono::milliseconds(settings_.pollMs);
  engine.language = settings_.language;
  poll_ = std::make_unique<bus::BusPoll>(link_, engine);
  connect(poll_.get(), &bus::BusPoll::sampleReady, this, [this](const bus::BusSample& sample) {
    if (sample.state == bus::ModuleState::kLive) ++live_;
    service_.Publish(sample);
    emit sampleTaken(sample);
  });
  connect(poll_.get(), &bus::BusPoll::cycleEnded, this, [this](int) {
    if (once_) Stop();
  });
  connect(poll_.get(), &bus::BusPoll::ended, this, &StationRun::OnEngineEnded, Qt::QueuedConnection);
  connect(poll_.get(), &bus::BusPoll::pausedNow, this, [this] {
    if (servicePause_) emit servicePaused(true);
  });
  if (!poll_->Start()) {
    const std::string reason = poll_->startFailure();
    poll_.reset();
    LineAway(reason, kStationNothingPublished);
    return;
  }
  if (!awayReason_.empty()) {
    log_.Info("the line is back; polling " + std::to_string(modules.size()) + " modules");
    service_.ReportLineBack();
    ui_.Forget();
  } else {
    log_.Info("polling " + std::to_string(modules.size()) + " modules every " + std::to_string(settings_.pollMs) +
              " ms");
  }
  awayReason_.clear();
  retryDelay_ = timings_.lineRetryFirst;
  if (!deviceWatch_.directories().isEmpty()) deviceWatch_.removePaths(deviceWatch_.directories());
  emit lineChanged(true, static_cast<int>(modules.size()));
}

std::vector<std::uint8_t> StationRun::Modules() {
  if (!settings_.scan) return settings_.addresses;
  const scan::ScanResult result = scan::ScanBus(link_, ui_, kMessageLanguage);
  std::vector<std::uint8_t> found;
  for (const scan::ScanHit& hit : result.found) {
    log_.Info("found " + scan::ScanLine(hit, kMessageLanguage));
    found.push_back(hit.address);
  }
  return found;
}

void StationRun::LineAway(const std::string& reason, int onceExit) {
  link_.ClosePort();
  emit lineChanged(false, 0);
  if (once_) {
    log_.Error(reason);
    exitCode_ = onceExit;
    Stop();
    return;
  }
  if (reason != awayReason_) {
    // The reasons are sentences; the log line goes on after them.
    const std::string said = !reason.empty() && reason.back() == '.' ? reason.substr(0, reason.size() - 1) : reason;
    std::string when = "trying again in " + Seconds(retryDelay_);
    if (retryDelay_ < timings_.lineRetryLast)
      when += ", then less often, up to every " + Seconds(timings_.lineRetryLast);
    log_.Warning("line: " + said + "; " + when);
    service_.ReportLineLost();
    awayReason_ = reason;
  }
  retry_.start(retryDelay_);
  retryDelay_ = std::min(retryDelay_ * 2, std::max(timings_.lineRetryLast, timings_.lineRetryFirst));
  lostNode_ = NodeOf(link_.device());
  WatchDevice();
}

StationRun::Node StationRun::NodeOf(const std::string& path) {
  struct stat link {
  }, device{};
  if (::lstat(path.c_str(), &link) != 0) return {};
  const bool target = ::stat(path.c_str(), &device) == 0;
  return {target, static_cast<unsigned long long>(link.st_ino),
          target ? static_cast<unsigned long long>(device.st_ino) : 0};
}

void StationRun::WatchDevice() {
  const std::string device = link_.device();
  if (device.empty() || link::KindOf(device) != link::LineKind::kSerial) return;
  // The nearest folder that exists: a USB adapter's by-id folder goes with the last one.
  QString folder = QFileInfo(QString::fromStdString(device)).absolutePath();
  while (!QFileInfo(folder).isDir() && folder != "/") folder = QFileInfo(folder).absolutePath();
  const QStringList watched = deviceWatch_.directories();
  if (watched.size() == 1 && watched.front() == folder) return;
  if (!watched.isEmpty()) deviceWatch_.removePaths(watched);
  deviceWatch_.addPath(folder);
}

void StationRun::OnDeviceFolderChanged() {
  if (awayReason_.empty() || poll_ || stopping_ || trying_) return;
  // Only a node that is new calls for a try: a line that fails while its node stays
  // waits for the next one, however busy its folder.
  const Node node = NodeOf(link_.device());
  if (!node.exists || node == lostNode_) {
    WatchDevice();  // a folder on its way may have appeared
    return;
  }
  log_.Info("line: " + link_.device() + " is there again");
  retryDelay_ = timings_.lineRetryFirst;
  TryLine();
}

void StationRun::OnEngineEnded(const QString& reason) {
  // The engine is deleted here, after its last signal has returned.
  poll_.reset();
  if (stopping_) {
    StopService();
    return;
  }
  LineAway(reason.isEmpty() ? std::string("the engine stopped") : reason.toStdString(), kStationNothingPublished);
}

void StationRun::Stop() {
  if (stopping_) return;
  stopping_ = true;
  retry_.stop();
  if (poll_ && poll_->running())
    poll_->Stop();  // ended follows, then the publisher stops
  else
    StopService();
}

void StationRun::PauseForService() {
  if (stopping_ || !poll_ || !poll_->running()) {
    emit servicePaused(false);
    return;
  }
  servicePause_ = true;
  if (poll_->isPaused())
    emit servicePaused(true);
  else
    poll_->Pause();
}

void StationRun::ResumeAfterService() {
  servicePause_ = false;
  if (poll_ && !stopping_) poll_->Resume();
}

void StationRun::StopService() {
  if (serviceStopping_) return;
  serviceStopping_ = true;
  service_.Stop();
}

void StationRun::OnServiceStopped() {
  link_.ClosePort();
  if (once_ && exitCode_ == 0) {
    if (live_ == 0) {
      log_.Error("no module answered");
      exitCode_ = kStationNothingPublished;
    } else if (service_.Pending() > 0) {
      log_.Error(std::to_string(service_.Pending()) +
                 " samples are not acknowledged by the broker; they stay in the queue for the next run");
      exitCode_ = kStationNothingPublished;
    }
  }
  emit finished(exitCode_);
}

}  // namespace korvane::station
