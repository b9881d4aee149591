#include "StationRun.h"

#include "HeadlessUi.h"
#include "bus/BusPoll.h"
#include "link/Link.h"
#include "platform/NumberText.h"
#include "scan/BusScan.h"
#include "station/log/StationLog.h"
#include "station/StationService.h"

namespace korvane::station {

namespace {
// Log lines and the port's messages are English; the values' names follow the
// program's default language, as the main window shows them.
constexpr Language kMessageLanguage = kLogLanguage;
constexpr Language kValueLanguage = Language::kGerman;
}  // namespace

StationRun::StationRun(const StationSettings& settings, bool once, link::Link& link, HeadlessUi& ui,
                       StationService& service, StationLog& log, RunTimings timings)
    : settings_(settings), once_(once), link_(link), ui_(ui), service_(service), log_(log), timings_(timings) {
  retry_.setSingleShot(true);
  connect(&retry_, &QTimer::timeout, this, &StationRun::TryLine);
  connect(&service_, &StationService::Stopped, this, &StationRun::OnServiceStopped);
}

StationRun::~StationRun() = default;

void StationRun::Start() { TryLine(); }

void StationRun::TryLine() {
  if (stopping_) return;
  if (!link_.OpenPort(kMessageLanguage)) {
    LineAway(link_.openFailure().empty() ? "the line cannot be opened" : link_.openFailure(), kStationLineFailed);
    return;
  }
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
  engine.language = kValueLanguage;
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
    log_.Warning("line: " + said + "; trying again every " +
                 platform::StringPrintf("%.0f s", timings_.lineRetry.count() / 1000.0));
    service_.ReportLineLost();
    awayReason_ = reason;
  }
  retry_.start(timings_.lineRetry);
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
