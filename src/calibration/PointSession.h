#pragma once
// One measuring point of the calibration assistant while the sensor settles: every
// chain of the live poll adds the judged channel's value to the stability window and
// the trend; the point ends when the user takes it, when the criterion holds for the
// window and automatic acceptance is on, when the user cancels, when the line goes, or
// when the module falls silent.
// QtCore only; the assistant's window, the command line and the tests watch it.
#include <QJsonObject>
#include <QObject>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "calibration/Stability.h"

namespace korvane::link {
class Link;
}

namespace korvane::calibration {

// Monotonic seconds, injected so tests can let the sensor's time run.
using SecondsClock = std::function<double()>;
SecondsClock SteadySeconds();

struct SessionSetup {
  int channel = 1;  // the channel judged, 1..5
  std::string label, unit;
  std::string instruction;  // the step's text: "Sensor in 1. Pufferlösung tauchen."
  std::string hint;         // "Warten, bis der Messwert stabil ist. Dann OK drücken."
  StabilityCriterion criterion;
  double timeLimitSeconds = 300;
  bool autoAccept = true;
  // The value of the point before: automatic acceptance waits until the reading has
  // clearly left it (the sensor is in the next solution), by leaveBy.
  std::optional<double> leaveFrom;
  double leaveBy = 0;
};

class PointSession : public QObject {
  Q_OBJECT

 public:
  enum class End { kNone, kAutomatic, kByHand, kCancelled, kLineLost, kSilent };
  // Seconds without a whole chain after which the module counts as silent: five polls,
  // as a running measurement allows.
  static constexpr double kSilentSeconds = 10;
  // Minutes of trend kept for the window's small chart.
  static constexpr double kTrendSeconds = 600;

  PointSession(link::Link& link, SessionSetup setup, SecondsClock seconds, QObject* parent = nullptr);

  const SessionSetup& setup() const { return setup_; }
  void setAutoAccept(bool on);
  void setCriterion(const StabilityCriterion& criterion);

  // The user takes the point now (stable or not; once the module gave a value), or gives
  // the calibration up.
  void TakeByHand();
  void Cancel();
  // Ends the point when the module gave no whole chain for kSilentSeconds (called every
  // second; a silent module sends nothing that would end it otherwise).
  void CheckSilence();

  End end() const { return end_; }
  bool running() const { return end_ == End::kNone; }
  bool hasValue() const { return samples_ > 0; }
  double value() const { return value_; }
  double temperature() const { return values_[5]; }
  // All six values of the last chain (the point's values once it has ended).
  const std::array<float, 6>& values() const { return values_; }
  const StabilityFigures& figures() const { return figures_; }
  double elapsed() const;
  // The time limit passed and the value never was stable: the sensor does not settle.
  bool timedOut() const;
  // Automatic acceptance still waits for the reading to leave the previous point's value.
  bool waitingToLeave() const { return setup_.leaveFrom && !left_; }
  // Seconds from the start until the criterion first held; none while it never did.
  std::optional<double> secondsToStable() const { return stableAfter_; }
  // (seconds since the start, value) of the last kTrendSeconds.
  const std::deque<std::pair<double, double>>& trend() const { return trend_; }

  // The point's figures for the history: captured value, temperature, drift, noise,
  // their units, the window, time to stable, whether it was stable and how it was taken.
  QJsonObject Record() const;

 signals:
  void updated();
  void ended();

 private:
  void OnChain();
  void Finish(End end);

  link::Link& link_;
  SessionSetup setup_;
  SecondsClock seconds_;
  double start_ = 0;
  double lastHeard_ = 0;
  QTimer silenceWatch_;
  StabilityWindow window_;
  StabilityFigures figures_;
  std::deque<std::pair<double, double>> trend_;
  std::array<float, 6> values_{};
  double value_ = 0;
  int samples_ = 0;
  bool left_ = false;
  bool stableAtEnd_ = false;
  std::optional<double> stableAfter_;
  End end_ = End::kNone;
};

}  // namespace korvane::calibration
