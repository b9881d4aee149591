#include "ModbusSide.h"

#include "StationRun.h"
#include "station/StationService.h"
#include "station/log/StationLog.h"

namespace korvane::station {

namespace {
ModbusServerSetup Setup(const ModbusSettings& settings, std::chrono::milliseconds idle) {
  ModbusServerSetup setup = MakeModbusServerSetup(settings);
  setup.idle = idle;
  return setup;
}
}  // namespace

ModbusSide::ModbusSide(const ModbusSettings& settings, std::chrono::milliseconds idle, const StationService& service,
                       StationLog& log)
    : service_(service),
      log_(log),
      server_(Setup(settings, idle), store_, [this](LogLevel level, const std::string& text) {
        QMetaObject::invokeMethod(
            this, [this, level, text] { log_.Write(level, text); }, Qt::QueuedConnection);
      }) {
  pending_.setInterval(1000);
  connect(&pending_, &QTimer::timeout, this, [this] {
    store_.SetPending(service_.Waiting());
    TakeService();
  });
}

bool ModbusSide::Start(std::string* error) {
  if (!server_.Start(error)) return false;
  pending_.start();
  log_.Info("Modbus TCP: listening on " + server_.Address());
  return true;
}

void ModbusSide::Follow(const StationRun& run) {
  connect(&run, &StationRun::sampleTaken, this, [this](const bus::BusSample& sample) {
    store_.Take(sample);
    store_.SetPending(service_.Waiting());
    TakeService();
  });
  connect(&run, &StationRun::lineChanged, this, [this](bool up, int modules) { store_.SetLine(up, modules); });
}

}  // namespace korvane::station

namespace korvane::station {

void ModbusSide::FollowService(std::function<bool(std::uint8_t)> inService, std::function<bool()> held) {
  inService_ = std::move(inService);
  held_ = std::move(held);
}

void ModbusSide::TakeService() {
  if (!inService_) return;
  std::bitset<kModuleBlocks> modules;
  for (std::size_t a = 0; a < modules.size(); ++a) modules[a] = inService_(static_cast<std::uint8_t>(a));
  store_.SetService(modules, held_ && held_());
}

}  // namespace korvane::station
