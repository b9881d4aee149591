#pragma once
// Doubles of the parametrization's windows: a type chosen by the test, a dialog run
// that is a test's function, a raw value window that records what it showed.
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Bus.h"
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
  void Run(parametrization::ParametrizationActions& session) override {
    ++runs;
    if (run) run(session);
  }
  parametrization::RawValueView& rawValueView() override { return raw; }

  std::optional<int> type;  // nullopt: cancelled
  std::function<void(parametrization::ParametrizationActions&)> run;
  int runs = 0;
  RecordingRawView raw;
};

// Lets the event loop run for a while, as a person who looks at a window does.
inline void SpinFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// Requests the module received, as "group/parameter".
inline std::vector<std::string> Trace(const sim::Bus& bus) {
  std::vector<std::string> out;
  for (const link::Frame& f : bus.received())
    out.push_back(std::to_string(link::FrameGroup(f)) + "/" + std::to_string(link::FrameParameter(f)));
  return out;
}

// The data of the requests of one group and parameter, in order.
inline std::vector<link::Data4> Sent(const sim::Bus& bus, std::uint8_t group, std::uint8_t p) {
  std::vector<link::Data4> out;
  for (const link::Frame& f : bus.received())
    if (link::FrameGroup(f) == group && link::FrameParameter(f) == p) out.push_back(link::FrameData(f));
  return out;
}

}  // namespace korvane::test
