#pragma once
// Listens to the link while it lives and hands one formatted trace line per frame,
// damaged frame, time-out, watchdog notice and lost line to its sink. Without a
// recorder the link formats nothing.
#include <QObject>

#include <functional>
#include <string>

#include "trace/TraceLine.h"

namespace korvane::link {
class Link;
}

namespace korvane::trace {

using TraceClock = std::function<TraceTime()>;
TraceTime SystemTraceTime();  // local time with milliseconds

class TraceRecorder : public QObject {
  Q_OBJECT

 public:
  using Sink = std::function<void(const std::string& line)>;
  TraceRecorder(link::Link& link, Sink sink, TraceClock clock = &SystemTraceTime, QObject* parent = nullptr);
  ~TraceRecorder() override;

 private:
  void Record(TraceEvent e);

  Sink sink_;
  TraceClock clock_;
};

}  // namespace korvane::trace
