#include "ServiceSide.h"

#include <QHostInfo>

#include "StationRun.h"
#include "link/FarStation.h"
#include "station/StationService.h"
#include "station/log/StationLog.h"

namespace korvane::station {
namespace {

std::chrono::milliseconds FromEnvironment(const char* name, std::chrono::milliseconds fallback) {
  bool given = false;
  const int ms = qEnvironmentVariableIntValue(name, &given);
  return given && ms > 0 ? std::chrono::milliseconds(ms) : fallback;
}

service::ServicePortSetup Setup(const StationSettings& s) {
  service::ServicePortSetup setup;
  setup.host = s.service.host.value_or("127.0.0.1");
  setup.port = s.service.port;
  for (const std::string& text : s.service.allow) {
    const QString t = QString::fromStdString(text);
    if (t.contains('/')) {
      setup.allow.push_back(QHostAddress::parseSubnet(t));
    } else {
      const QHostAddress a(t);
      setup.allow.emplace_back(a, a.protocol() == QAbstractSocket::IPv6Protocol ? 128 : 32);
    }
  }
  setup.readOnly = s.service.readOnly;
  setup.maxClients = s.service.maxClients;
  // Tests shorten the waits.
  setup.idle = FromEnvironment("KORVANE_SERVICE_IDLE_MS", std::chrono::seconds(s.service.idleS));
  setup.exclusiveMax = FromEnvironment("KORVANE_SERVICE_EXCLUSIVE_MS", std::chrono::seconds(s.service.exclusiveMaxS));
  setup.moduleSwitch = FromEnvironment("KORVANE_SERVICE_SWITCH_MS", setup.moduleSwitch);
  setup.signature = link::StationSignature({QHostInfo::localHostName().toStdString(), s.prefix});
  if (!s.bufferFolder.empty()) setup.leftFastFile = s.bufferFolder + "/service-fast-module";
  return setup;
}

}  // namespace

ServiceSide::ServiceSide(const StationSettings& settings, StationLog& log) : port_(Setup(settings), log) {}

bool ServiceSide::Start(std::string* error) { return port_.Start(error); }

void ServiceSide::Stop() { port_.Stop(); }

link::LineFactory ServiceSide::Lines() {
  return [this](const std::string& device) -> std::unique_ptr<link::Line> {
    auto line = std::make_unique<service::SharedLine>(link::MakeLine(device), timings_);
    port_.Attach(line.get());
    return line;
  };
}

void ServiceSide::Follow(StationRun& run, StationService& mqtt) {
  connect(&port_, &service::ServicePort::exclusiveWanted, &run, &StationRun::PauseForService);
  connect(&run, &StationRun::servicePaused, &port_, [this](bool paused) {
    if (paused)
      port_.Granted();
    else
      port_.Refused();
  });
  connect(&port_, &service::ServicePort::exclusiveEnded, &run, &StationRun::ResumeAfterService);
  run.SetBeforePolling([this] { port_.ReturnLeftModule(); });
  connect(&port_, &service::ServicePort::exclusiveChanged, &mqtt, &StationService::ReportLineService);
  mqtt.SetInService([this](std::uint8_t address) { return port_.InService(address); });
}

}  // namespace korvane::station
