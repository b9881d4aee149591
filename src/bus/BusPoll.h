#pragma once
// The whole bus live: each listed module's chain of six value requests in turn, one
// sample per module per cycle. A module that stays silent costs the others one short
// reply time-out; after a few misses it is asked only every tenth cycle until it
// answers again. Holds the line while it runs. QtCore only; the bus view, the command
// line and the station all drive it.
#include <QElapsedTimer>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bus/BusSample.h"
#include "link/LineLease.h"
#include "link/ModuleState.h"
#include "link/Protocol.h"
#include "platform/Clock.h"
#include "platform/Language.h"

namespace korvane::link {
class Link;
}

namespace korvane::bus {

struct BusPollSettings {
  std::vector<std::uint8_t> addresses;
  std::chrono::milliseconds period{2000};
  Language language = Language::kGerman;  // texts (type names, labels) in this language, as elsewhere
};

class BusPoll : public QObject {
  Q_OBJECT

 public:
  // Misses in a row after which a module is asked only every kBackOffCycles-th cycle.
  static constexpr int kMissesForBackOff = 3;
  static constexpr int kBackOffCycles = 10;

  // clock: local time to the second, as the windows and recordings show it; without one
  // the samples carry the system time to the millisecond.
  BusPoll(link::Link& link, BusPollSettings settings, platform::Clock clock = {}, QObject* parent = nullptr);
  ~BusPoll() override;

  // The caller has opened the port. Takes the line, reads each module's type once and
  // starts cycling. False (with startFailure() set) when the line is held by another
  // flow or lost.
  bool Start();
  const std::string& startFailure() const { return startFailure_; }
  // Ends after the current chain; emits ended("").
  void Stop();
  bool running() const { return running_; }
  // Stop was asked and the chain under way is finishing.
  bool stopping() const { return running_ && stopRequested_; }
  // Lets someone else use the line: the chain under way finishes, then pausedNow()
  // (at once when between cycles). Resume starts a new cycle at once.
  void Pause();
  void Resume();
  bool isPaused() const { return paused_; }
  const BusPollSettings& settings() const { return settings_; }
  // Cycles completed since the start.
  int cycles() const { return cycle_; }

 signals:
  // One per module per cycle, live or missing.
  void sampleReady(const korvane::bus::BusSample& sample);
  void cycleEnded(int cycle);
  void pausedNow();
  // "" after Stop, the line-lost reason otherwise.
  void ended(const QString& reason);

 private:
  struct Module {
    std::uint8_t address = 0;
    int wireType = 0;  // 0 until the module told it
    int deviceKind = -1;
    std::string identity;
    std::array<float, 4> calibration{};
    std::array<bool, 4> calibrationRead{};
    std::optional<float> firmware;
    std::string calibrationText;
    int misses = 0;     // cycles in a row without a whole chain
    int lastAsked = 0;  // cycle of the last chain request
    std::chrono::system_clock::time_point missingSince{};
  };
  enum class ChainResult { kDone, kSilent, kDamaged, kLost };

  void RunCycle();
  // A chain the module answers in part is done: the values it left unanswered are not
  // in `answered`. A module that leaves the first value unanswered is silent: a silent
  // module costs the others one short time-out.
  ChainResult RunChain(std::uint8_t address, std::array<float, 6>& values, std::array<bool, 6>& answered);
  bool Due(const Module& m) const;
  // Type, kind, identity and calibration values; false when the type read went unanswered.
  bool ReadIdentity(Module& m);
  // The type again; true when it answered with another type (then re-read).
  bool TypeChanged(Module& m);
  bool ReadFrom(std::uint8_t address, link::Parameter p);
  BusSample Sample(const Module& m) const;
  void Finish(const QString& reason);
  std::chrono::system_clock::time_point Now() const;

  link::Link& link_;
  BusPollSettings settings_;
  platform::Clock clock_;
  std::vector<Module> modules_;
  link::LineLease line_;
  link::ModuleState saved_;  // the single-module flows' state, given back at the end
  QTimer cycleTimer_;
  QElapsedTimer cycleClock_;
  std::string startFailure_;
  bool running_ = false;
  bool stopRequested_ = false;
  bool inCycle_ = false;
  bool pauseRequested_ = false;
  bool paused_ = false;
  int cycle_ = 0;
  std::size_t typeCheck_ = 0;               // the module whose type is checked next
  std::chrono::milliseconds lastSpare_{0};  // of the period, after the last cycle's chains
};

}  // namespace korvane::bus

Q_DECLARE_METATYPE(korvane::bus::BusSample)
