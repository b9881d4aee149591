#pragma once
// The station's Modbus TCP side: the registers follow the run's samples and line state
// (and the queue's count, once a second), and the server answers from them on its own
// thread. Its messages reach the log on the event loop.
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "station/config/StationSettings.h"
#include "station/modbus/ModbusServer.h"
#include "station/modbus/RegisterStore.h"

namespace korvane::station {

class StationLog;
class StationRun;
class StationService;

class ModbusSide : public QObject {
  Q_OBJECT
 public:
  ModbusSide(const ModbusSettings& settings, std::chrono::milliseconds idle, const StationService& service,
             StationLog& log);

  // Listens; false with *error when the address cannot be taken.
  bool Start(std::string* error);
  void Follow(const StationRun& run);
  // The service port's marks, once a second and with each sample.
  void FollowService(std::function<bool(std::uint8_t)> inService, std::function<bool()> held);

 private:
  const StationService& service_;
  StationLog& log_;
  void TakeService();

  RegisterStore store_;
  std::function<bool(std::uint8_t)> inService_;
  std::function<bool()> held_;
  QTimer pending_;
  ModbusServer server_;  // last: it stops before what it reads and reports to goes
};

}  // namespace korvane::station
