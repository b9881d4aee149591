#pragma once
// Brings a module a service client left at its fast rate back to 4800 baud, on the line
// held alone: the baud command back at each rate the module may listen at, in turn,
// until it acknowledges, then the module's time to switch. A module that acknowledges
// at none may not have heard it (it was gone, or at neither rate): finished says so.
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <vector>

#include "station/service/RequestFrames.h"

namespace korvane::station::service {

class SharedLine;

struct ModuleReturnTimings {
  // A module acknowledges its baud command at once; a line at another rate hears nothing.
  std::chrono::milliseconds acknowledge{500};
  // How long a module takes to switch its rate after the command.
  std::chrono::milliseconds moduleSwitch{3000};
};

class ModuleReturn : public QObject {
  Q_OBJECT

 public:
  ModuleReturn(SharedLine& line, std::uint8_t address, std::vector<int> rates, ModuleReturnTimings timings,
               QObject* parent = nullptr);

  void Start();
  // The line went away: it stops where it is, and says so with abandoned.
  void Abandon();
  // The bytes the line received while it runs.
  void Heard(const QByteArray& bytes);
  std::uint8_t address() const { return address_; }

 signals:
  // The rate it acknowledged at; 0 when at none.
  void finished(int rate);
  void abandoned();

 private:
  void TryNext();

  SharedLine& line_;
  std::uint8_t address_;
  std::vector<int> rates_;
  ModuleReturnTimings timings_;
  std::size_t next_ = 0;
  int acknowledgedAt_ = 0;
  bool switching_ = false;
  RequestFrames frames_;
  QTimer step_;
};

}  // namespace korvane::station::service
