#pragma once
// Doubles of the parametrization's windows: a type chosen by the test, a dialog run
// that is a test's function, a raw value window that records what it showed.
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "parametrization/Parametrization.h"
#include "parametrization/ParametrizationDialogs.h"

namespace korvane::test {

class RecordingRawView : public parametrization::RawValueView {
 public:
  void Open(std::uint32_t value) override {
    events.push_back("open " + std::to_string(value));
    open = true;
  }
  void Show(std::uint32_t value) override { events.push_back("show " + std::to_string(value)); }
  void Close() override {
    events.push_back("close");
    open = false;
  }
  std::vector<std::string> events;
  bool open = false;
};

class ScriptedParametrizationDialogs : public parametrization::ParametrizationDialogs {
 public:
  std::optional<int> SelectType() override { return type; }
  void Run(parametrization::Parametrization& session) override {
    ++runs;
    if (run) run(session);
  }
  parametrization::RawValueView& rawValueView() override { return raw; }

  std::optional<int> type;  // nullopt: cancelled
  std::function<void(parametrization::Parametrization&)> run;
  int runs = 0;
  RecordingRawView raw;
};

// Lets the event loop run for a while, as a person who looks at a window does.
inline void SpinFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace korvane::test
