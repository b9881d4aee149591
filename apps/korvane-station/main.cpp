// korvane-station: the modules of one bus published to an MQTT broker and served as Modbus
// TCP registers, for systemd.
#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "HeadlessUi.h"
#include "ModbusSide.h"
#include "ServiceSide.h"
#include "StationRun.h"
#include "link/Link.h"
#include "platform/InterruptGuard.h"
#include "platform/PortNames.h"
#include "platform/ProgramLine.h"
#include "station/config/SettingsCheck.h"
#include "station/config/StationCommand.h"
#include "station/service/ServicePort.h"
#include "station/log/StationLog.h"
#include "station/StationService.h"

using namespace korvane;

namespace {
constexpr int kExitBadConfiguration = 2;
constexpr int kExitServiceFailed = 1;

// Descriptors 0, 1 and 2 are held open (on /dev/null where they came closed), as
// daemons do: a file the station opens later never gets one of them, so nothing that
// closes or writes "standard input" by mistake can hit the line's lock or the queue.
void HoldStandardDescriptors() {
  for (int fd = 0; fd <= 2; ++fd)
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      const int null = ::open("/dev/null", O_RDWR);
      if (null >= 0 && null != fd) {
        ::dup2(null, fd);
        ::close(null);
      }
    }
}
}  // namespace

int main(int argc, char** argv) {
  HoldStandardDescriptors();
  QCoreApplication app(argc, argv);
  station::StationLog log(station::StderrSink());

  std::string error;
  const auto command = station::ParseStationCommand({argv + 1, argv + argc}, station::SystemEnvironment(), &error);
  if (!command) {
    // The one wording of every program's usage error; its status is the bad configuration's.
    return platform::AnswerUsageError("korvane-station", error, std::cerr);
  }
  if (command->help) {
    std::cout << station::StationUsage();
    return 0;
  }
  if (command->version) {
    std::cout << platform::VersionText("korvane-station");
    return 0;
  }
  const station::StationSettings& settings = command->settings;
  if (const std::string problem = station::SettingsFileProblem(settings); !problem.empty()) {
    log.Error(problem);
    return kExitBadConfiguration;
  }
  auto setup = station::MakeStationSetup(settings, &error);
  if (!setup) {
    log.Error(error);
    return kExitBadConfiguration;
  }
  if (command->check) {
    // The service port's address is tried (and given back at once): one that is not this
    // machine's or needs a capability is a configuration error; one in use may be this
    // very station running.
    if (settings.service.host) {
      bool inUse = false;
      const std::string problem =
          station::service::ServicePort::ListenProblem(*settings.service.host, settings.service.port, &inUse);
      const std::string where = *settings.service.host + ":" + std::to_string(settings.service.port);
      if (!problem.empty() && !inUse) {
        log.Error("service port: cannot listen on " + where + ": " + problem);
        return kExitBadConfiguration;
      }
      if (inUse)
        log.Warning("service port: " + where +
                    " is in use now (by this station while it runs, or by another program): the station does not "
                    "start while another program listens there");
    }
    log.Info("the configuration is good");
    if (settings.broker) log.Info(station::ReserveText(settings));
    if (const std::string warning = station::ServiceWarning(settings); !warning.empty()) log.Warning(warning);
    return 0;
  }

  station::StationService service(std::move(*setup), log);
  std::unique_ptr<station::ModbusSide> modbus;
  if (settings.modbus.host) {
    // Tests shorten the time after which a silent Modbus client is dropped.
    bool idleGiven = false;
    const int idleMs = qEnvironmentVariableIntValue("KORVANE_MODBUS_IDLE_MS", &idleGiven);
    modbus = std::make_unique<station::ModbusSide>(
        settings.modbus, std::chrono::milliseconds(idleGiven && idleMs > 0 ? idleMs : 60000), service, log);
    if (!modbus->Start(&error)) {
      log.Error(error);
      return kExitServiceFailed;
    }
  }
  // Without a broker the station serves only Modbus TCP; the unstarted service takes nothing.
  if (settings.broker && !service.Start(&error)) {
    log.Error(error);
    return kExitServiceFailed;
  }
  std::unique_ptr<station::ServiceSide> serviceSide;
  if (settings.service.host) {
    serviceSide = std::make_unique<station::ServiceSide>(settings, log);
    // An address in use or not this machine's is the configuration's to mend: restarting
    // the service would only meet it again.
    if (!serviceSide->Start(&error)) {
      log.Error(error);
      return kExitBadConfiguration;
    }
  }
  station::HeadlessUi ui(log);
  const std::string folder = platform::SettingsFolder();
  link::PortResolver resolver = [folder](int com) { return platform::DeviceForPort(folder, com); };
  // With a service port every line the link opens is shared with its clients.
  const auto ownLink = serviceSide ? std::make_unique<link::Link>(serviceSide->Lines(), resolver)
                                   : std::make_unique<link::Link>(resolver);
  link::Link& link = *ownLink;
  if (!settings.device.empty()) link.setDeviceOverride(settings.device);
  if (settings.port) link.setPortIndex(*settings.port - 1);
  link.setBaudRate(settings.baud);

  station::RunTimings timings;
  // Tests set the wait between tries to open a lost line.
  bool given = false;
  const int retryMs = qEnvironmentVariableIntValue("KORVANE_LINE_RETRY_MS", &given);
  if (given && retryMs > 0) timings.lineRetryFirst = timings.lineRetryLast = std::chrono::milliseconds(retryMs);
  station::StationRun run(settings, command->once, link, ui, service, log, timings);
  if (modbus) modbus->Follow(run);
  if (serviceSide) {
    serviceSide->Follow(run, service);
    const station::service::ServicePort& port = serviceSide->port();
    if (modbus)
      modbus->FollowService([&port](std::uint8_t address) { return port.InService(address); },
                            [&port] { return port.exclusive(); });
  }
  int exitCode = 0;
  QObject::connect(
      &run, &station::StationRun::finished, &app,
      [&](int code) {
        exitCode = code;
        app.quit();
      },
      Qt::QueuedConnection);
  platform::InterruptGuard interrupt([&] {
    log.Info("stopping");
    if (serviceSide) serviceSide->Stop();
    run.Stop();
  });
  QTimer::singleShot(0, &run, &station::StationRun::Start);
  app.exec();
  return exitCode;
}
