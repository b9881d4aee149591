#pragma once
// The station's service port put together: every line the link opens is shared with
// the port's clients, a client that asks for the line alone pauses the engine, and the
// modules it works with are marked "service" on MQTT and in the Modbus registers.
#include <QObject>
#include <QTimer>

#include <chrono>
#include <string>

#include "link/LineFactory.h"
#include "station/config/StationSettings.h"
#include "station/service/ServicePort.h"

namespace korvane::station {

class StationLog;
class StationRun;
class StationService;

class ServiceSide : public QObject {
  Q_OBJECT
 public:
  ServiceSide(const StationSettings& settings, StationLog& log);

  bool Start(std::string* error);
  // The station stops: clients closed, a module held at its fast rate brought back.
  void Stop();
  // The lines of the link: each one shared with the port.
  link::LineFactory Lines();
  void Follow(StationRun& run, StationService& mqtt);
  const service::ServicePort& port() const { return port_; }

 private:
  service::ServicePort port_;
  service::SharedLineTimings timings_;
};

}  // namespace korvane::station
